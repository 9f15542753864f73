#pragma once

#include <array>

namespace quorled {

// The sprite-sheet tiles of one enemy type, one per cell of its size, row by
// row from the top-left cell (count = width x height from the catalogue).
struct EnemyTileEntry {
    int type;
    int count;
    std::array<int, 9> tiles;
};

// Tile that stands for a missing picture on every enemy sheet.
inline constexpr int kEnemyCheckerTile = 254;
inline constexpr int kEnemyTileEntries = 71;

extern const std::array<EnemyTileEntry, kEnemyTileEntries> enemyTileEntries;

} // namespace quorled
