#pragma once

#include "romdata/areamodel.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace quorled {

// Bytes of the image file a written step changed: what they were before the
// step and what the step made of them.
struct WrittenRun {
    long offset = 0;
    std::vector<std::uint8_t> before;
    std::vector<std::uint8_t> after;
};

// One step of the image's history. An area step holds the model of its area
// on the other side of the step (before it while it can be undone, after it
// while it can be redone); a written step holds the file bytes it changed.
struct HistoryStep {
    std::string name;
    int area = 0; // the area the step was made in (and opens on undo)
    std::optional<AreaModel> model;
    std::vector<WrittenRun> runs;
    int item = 0; // the selected object of a merging area step
    int mode = 0; // the selected enemy of a merging area step
    bool savedArea = false; // a save of `area`: its model stays when undone
    // Where a saved area's level and enemy data start before and after the
    // step: its bytes belong there, so undo and redo write them only while
    // the file's pointers still say so.
    std::pair<long, long> dataBefore{0, 0};
    std::pair<long, long> dataAfter{0, 0};

    bool written() const { return !model.has_value(); }
    // Memory the step holds, roughly, for the history's bound.
    std::size_t bytes() const;
};

// The one history of an open image: every step of every area and every
// write of game-wide tables, in the order they were made. It keeps at most
// kMaxSteps steps and about kMaxBytes of memory; the oldest go first.
class ImageHistory {
public:
    static constexpr std::size_t kMaxSteps = 1000;
    static constexpr std::size_t kMaxBytes = 64u * 1024u * 1024u;

    void clear();
    // A new step; the steps that could be redone are dropped. A step of the
    // same area, name and item as the last one, with nothing between them,
    // merges into it when `merge` is set (repeated key presses).
    void push(HistoryStep step, bool merge);

    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    const HistoryStep* nextUndo() const { return undo_.empty() ? nullptr : &undo_.back(); }
    const HistoryStep* nextRedo() const { return redo_.empty() ? nullptr : &redo_.back(); }
    // Takes the step to undo (redo); the caller applies it and hands it back
    // with the other side in it through done(), or back() when it failed.
    HistoryStep takeUndo();
    HistoryStep takeRedo();
    void undone(HistoryStep step);
    void redone(HistoryStep step);
    void putBackUndo(HistoryStep step);
    void putBackRedo(HistoryStep step);

    std::size_t undoSteps() const { return undo_.size(); }
    std::size_t redoSteps() const { return redo_.size(); }
    std::size_t memory() const { return bytes_; }

private:
    void trim();

    std::deque<HistoryStep> undo_;
    std::deque<HistoryStep> redo_;
    std::size_t bytes_ = 0;
};

// "Move object in area 0A"; a step that wrote game-wide bytes (a table, a
// data move, an insertion) names no area: "Number of lives at start".
std::string stepTitle(const HistoryStep& step);

} // namespace quorled
