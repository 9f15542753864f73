#pragma once

namespace quorled {

struct AreaModel;
struct ViewState;

// A rectangle in map pixels.
struct MapRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const MapRect&) const = default;
};

// A cell of the area: its column and row from the area's start.
struct MapCell {
    int column = 0;
    int row = 0;
    bool operator==(const MapCell&) const = default;
};

// The geometry of the area map window: the whole area drawn at a zoom (in
// eighths: 2 is a quarter, 8 full size, 16 double), the level view's
// rectangle on it, and where a click on it scrolls the view.
class AreaMapGeometry {
public:
    static constexpr int kFullSize = 8;

    AreaMapGeometry(const AreaModel& area, int zoomEighths);

    // The map's size in pixels at the zoom: 256 per page across (a
    // horizontal area) or 240 per page down (a vertical one).
    int width() const;
    int height() const;
    // The level view's screen on the map.
    MapRect viewRect(const ViewState& view) const;
    // Scrolls `view` so that its screen is centred on map pixel (x, y), as
    // far as the area reaches: a horizontal area scrolls across, a vertical
    // one down. False when the view did not move.
    bool scrollTo(int x, int y, ViewState& view) const;
    // The area cell (column, row from the area's start) under map pixel
    // (x, y).
    MapCell cellAt(int x, int y) const;

private:
    int scaled(int pixels) const { return pixels * zoom_ / kFullSize; }

    bool vertical_;
    int pages_;
    int zoom_;
};

} // namespace quorled
