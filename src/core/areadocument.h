#pragma once

#include "romdata/areamodel.h"
#include "romdata/arearoom.h"
#include "romdata/roomuse.h"

#include <cstddef>
#include <deque>
#include <optional>
#include <string>

namespace quorled {

// The area being edited: its model (with the selection), the edit history
// as snapshots of the model, and the model the image holds, against which
// the edits are measured. Each step is opened before an edit and committed
// after it; a step that changed nothing but the selection is dropped. The
// history keeps at most kMaxSteps steps and kMaxHistoryBytes of snapshots;
// the oldest steps go first.
class AreaDocument {
public:
    static constexpr std::size_t kMaxSteps = 1000;
    static constexpr std::size_t kMaxHistoryBytes = 64u << 20;

    // A new history: `model` is what the image holds; `room` the room the
    // area has there (none when it cannot be saved in place).
    void reset(AreaModel model, std::optional<AreaRoom> room);
    // After a save: the image now holds `saved`, which becomes the model.
    // The history stays, so undoing past the save marks the area changed.
    void markSaved(AreaModel saved, std::optional<AreaRoom> room);

    const AreaModel& model() const { return model_; }
    AreaModel& model() { return model_; }

    // Opens a step called `name` (an open one is committed first).
    void beginStep(std::string name);
    // Records the open step when the model changed; true then.
    bool commitStep();
    bool stepOpen() const { return open_.has_value(); }

    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    // The name of the step that undo or redo would take back or do again.
    std::string undoName() const { return canUndo() ? undo_.back().name : std::string(); }
    std::string redoName() const { return canRedo() ? redo_.back().name : std::string(); }
    // False when there is nothing to undo or redo.
    bool undo();
    bool redo();
    std::size_t undoSteps() const { return undo_.size(); }
    std::size_t redoSteps() const { return redo_.size(); }
    // The memory the undo and redo steps hold.
    std::size_t historyBytes() const;

    // Whether the model differs from what the image holds (selection aside).
    bool differs() const;
    const std::optional<AreaRoom>& room() const { return room_; }
    // What a save of the model would take of the room; nullopt without room.
    std::optional<RoomUse> roomUse() const;

    // Whether two models hold the same area, the selection not counted.
    static bool sameContent(const AreaModel& a, const AreaModel& b);

private:
    struct Step {
        std::string name;
        AreaModel model;
    };

    static std::size_t stepBytes(const Step& step);
    // Drops the oldest steps until the history is within its bounds.
    void trim();

    AreaModel model_;
    AreaModel saved_;
    std::optional<AreaRoom> room_;
    std::optional<Step> open_;
    std::deque<Step> undo_;
    std::deque<Step> redo_;
};

} // namespace quorled
