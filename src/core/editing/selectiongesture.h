#pragma once

#include "core/editing/groupediting.h"
#include "core/editing/groupselection.h"
#include "core/editing/mouseediting.h"

#include <optional>

namespace quorled {

// The mouse gestures of the level view from press to release: a click picks
// one item (Shift+click adds or removes one), a drag on an item moves it or
// the whole selection it belongs to, and a drag that starts where no item
// lies (or any Shift+drag) draws a box that selects what it touches.
class SelectionGesture {
public:
    // Begins a gesture at a pointer position (picture pixels); `shift` is
    // the modifier state (1 Shift). True when the selection changed.
    bool press(AreaModel& area, ViewState& view, double x, double y, int shift);
    // Goes on with the left button held (button == 1); true when the area or
    // the selection changed.
    bool move(AreaModel& area, ViewState& view, int button, double x, double y);
    // Ends the gesture: a Shift+click that did not move toggles its item.
    void release(AreaModel& area, ViewState& view);
    // Drops the gesture (Escape).
    void cancel() { kind_ = Kind::None; }

    // The box being drawn, in cells, while a box gesture is on.
    std::optional<CellBox> box() const;

private:
    enum class Kind { None, Single, Group, Box, ShiftPending };

    MouseEditing single_;
    Kind kind_ = Kind::None;
    bool add_ = false;
    int startColumn_ = 0;
    int startRow_ = 0;
    int column_ = 0;
    int row_ = 0;
    std::optional<ItemRef> hit_;
    ItemSelection before_;
    // The items as the press found them, which a group drag moves from.
    std::vector<LevelObject> objects_;
    std::vector<Enemy> enemies_;
};

} // namespace quorled
