#pragma once

#include <array>

namespace quorled {

inline constexpr int kGroundTileWorlds = 7;   // worlds 0..6
inline constexpr int kGroundTypes = 8;

// Tile of ground kinds 1, 2 and 3, by ground type and world.
using GroundTileTable = std::array<std::array<std::array<int, 3>, kGroundTileWorlds>, kGroundTypes>;

extern const GroundTileTable groundTilesH;
extern const GroundTileTable groundTilesV;

} // namespace quorled
