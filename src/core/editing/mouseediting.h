#pragma once

namespace quorled {

struct AreaModel;
struct ViewState;

// Picking and dragging in the level view. Positions are picture pixels of
// the 256 x 240 view. The offsets from the picked item to the tile under the
// pointer are kept between presses, as a drag has no start or end of its own.
class MouseEditing {
public:
    // Picks the enemy under the pointer (first in list order), else the last
    // object in list order whose box holds the tile; switches editMode to the
    // kind picked. A press that hits nothing changes nothing. True on a hit.
    bool press(AreaModel& area, ViewState& view, double x, double y);
    // With the left button alone (button == 1) moves the selected item of
    // the current mode so it keeps its offset to the pointer. True when
    // something was moved.
    bool move(AreaModel& area, ViewState& view, int button, double x, double y);

    int dragDX() const { return dragDX_; }
    int dragDY() const { return dragDY_; }

private:
    int dragDX_ = 0;
    int dragDY_ = 0;
};

} // namespace quorled
