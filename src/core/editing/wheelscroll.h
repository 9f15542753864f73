#pragma once

namespace quorled {

struct AreaModel;
struct ViewState;

// Scrolling the level view with the mouse wheel, one cell per notch.
class WheelScroll {
public:
    // Angle of one wheel notch, in the eighths of a degree mice report.
    static constexpr int kNotch = 120;

    // Adds wheel turns (in eighths of a degree; positive is away from the
    // user, or to the left for a sideways wheel) and gives back whole
    // notches, keeping the remainder for the next turn of a fine wheel.
    int notches(int angle);

    // Scrolls by `down` cells along the area's direction (its rows in a
    // vertical area, its columns in a horizontal one) and by `across` cells
    // to the right, within the scroll range the keys have; a vertical area
    // is one screen wide, so `across` moves it not. True when the view moved.
    static bool scroll(const AreaModel& area, ViewState& view, int down, int across);

private:
    int remainder_ = 0;
};

} // namespace quorled
