#pragma once

#include <array>

namespace quorled {

// Column value that stands for the object's own width (its right edge).
inline constexpr int kAtWidth = 99;

// Sets every cell (x1..x2, y1..y2) of the types firstType..lastType to tile,
// in the object sets whose bit is set in `sets`.
struct TileFill {
    int firstType;
    int lastType;
    int x1;
    int x2;
    int y1;
    int y2;
    int tile;
    unsigned sets;
};

inline constexpr unsigned kAllSets = 0xFFFF;
inline constexpr int kObjectTileFills = 95;

// Applied in order, so later fills win.
extern const std::array<TileFill, kObjectTileFills> objectTileFills;

} // namespace quorled
