#pragma once

#include <array>

namespace quorled {

// Ground settings as row patterns (horizontal areas, 15 characters, row 0
// first) and column patterns (vertical areas, 16 characters, column 0
// first): '-' empty, 'x' or 'B' ground kind 1, 'X' kind 2, '.' kind 3.
extern const std::array<const char*, 32> groundPatternsH;
extern const std::array<const char*, 32> groundPatternsV;

// The ground kind 0..3 of a row (horizontal) or column (vertical) under a
// ground setting; 0 (empty) for a setting or row/column out of range.
int groundCellH(int setting, int row);
int groundCellV(int setting, int column);

// The scenery tile that draws a ground cell of kind 1..3, by world 0..7
// (world 7 shares world 6's tiles) and ground type. A ground-type object can
// ask for types 8..15, which have no tiles: those, and any other index out of
// range, give the checkerboard tile 238.
int groundTileH(int world, int groundType, int kind);
int groundTileV(int world, int groundType, int kind);

} // namespace quorled
