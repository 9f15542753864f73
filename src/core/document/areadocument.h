#pragma once

#include "romdata/areamodel.h"
#include "romdata/arearoom.h"
#include "romdata/roomuse.h"

#include <optional>
#include <string>

namespace quorled {

// One area of the open image as the user edits it: its model (with the
// selection), the model the image holds, against which the edits are
// measured, its room in the image and where the view was left. An edit is
// opened before it changes the model and closed after it; the image's one
// history keeps the steps.
// Gives `model` the place of the area's data in the image as `from` has it
// (offsets and end markers), keeping its items and header: edits
// made before a move or insertion follow the data to where it went.
void takeDataLocation(AreaModel& model, const AreaModel& from);

class AreaDocument {
public:
    // `model` is what the image holds; `room` the room the area has there
    // (none when it cannot be saved in place).
    void reset(AreaModel model, std::optional<AreaRoom> room);
    // After a save: the image now holds `saved`, which becomes the model.
    void markSaved(AreaModel saved, std::optional<AreaRoom> room);
    // After another write: the image now holds `saved`; an unchanged model
    // takes it (keeping its selection), a changed one stays as it is.
    void imageChanged(AreaModel saved, std::optional<AreaRoom> room);
    // The same, the model staying as it is (the area's own save, undone).
    void markSavedKeepingModel(AreaModel saved, std::optional<AreaRoom> room)
    {
        saved_ = std::move(saved);
        room_ = room;
    }

    const AreaModel& model() const { return model_; }
    AreaModel& model() { return model_; }
    const AreaModel& savedModel() const { return saved_; }

    // Opens an edit called `name` (an open one is dropped).
    void beginStep(std::string name);
    // Closes the open edit: the model before it when the edit changed the
    // model (selection aside), else nothing.
    std::optional<AreaModel> commitStep();
    bool stepOpen() const { return open_.has_value(); }
    const std::string& openName() const { return openName_; }

    // Whether the model differs from what the image holds (selection aside).
    bool differs() const;
    const std::optional<AreaRoom>& room() const { return room_; }
    // What a save of the model would take of the room; nullopt without room.
    std::optional<RoomUse> roomUse() const;

    // Where the view was when the area was left.
    int viewColumn = 0;
    int viewRow = 0;

    // Whether two models hold the same area, the selection not counted.
    static bool sameContent(const AreaModel& a, const AreaModel& b);

private:
    AreaModel model_;
    AreaModel saved_;
    std::optional<AreaRoom> room_;
    std::optional<AreaModel> open_;
    std::string openName_;
};

} // namespace quorled
