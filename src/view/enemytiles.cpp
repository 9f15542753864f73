#include "view/enemytiles.h"

#include "view/catalogue.h"
#include "view/enemytiledata.h"

#include <algorithm>

namespace quorled {

namespace {
constexpr int kTypes = 256;
constexpr int kColumns = EnemyTileMap::kLastColumn - EnemyTileMap::kFirstColumn + 1;
constexpr int kRows = EnemyTileMap::kLastRow - EnemyTileMap::kFirstRow + 1;
constexpr int kFirstBoss = 0x5C;
constexpr int kLastBoss = 0x7F;
constexpr int kBossOffset = 0x40;

// The cells 1 .. n, or n .. 1 when n is below 1, as a first and last value.
int first(int n) { return std::min(1, n); }
int last(int n) { return std::max(1, n); }
}

const EnemyTileMap& EnemyTileMap::instance()
{
    static const EnemyTileMap map;
    return map;
}

EnemyTileMap::EnemyTileMap()
    : tiles_(static_cast<std::size_t>(kTypes) * kColumns * kRows, kEnemyCheckerTile)
{
    buildTiles();
}

bool EnemyTileMap::inRange(int type, int cellColumn, int cellRow)
{
    return type >= 0 && type < kTypes && cellColumn >= kFirstColumn && cellColumn <= kLastColumn
        && cellRow >= kFirstRow && cellRow <= kLastRow;
}

int EnemyTileMap::index(int type, int cellColumn, int cellRow)
{
    return (type * kColumns + (cellColumn - kFirstColumn)) * kRows + (cellRow - kFirstRow);
}

void EnemyTileMap::set(int type, int cellColumn, int cellRow, int tile)
{
    if (inRange(type, cellColumn, cellRow))
        tiles_[static_cast<std::size_t>(index(type, cellColumn, cellRow))] = static_cast<short>(tile);
}

int EnemyTileMap::tile(int type, int cellColumn, int cellRow) const
{
    if (!inRange(type, cellColumn, cellRow))
        return kEnemyCheckerTile;
    return tiles_[static_cast<std::size_t>(index(type, cellColumn, cellRow))];
}

void EnemyTileMap::buildTiles()
{
    // Every cell starts as the checkerboard (the whole table does, so the cells
    // inside each size rectangle do too); then each pictured enemy gets its
    // tiles, left to right and top to bottom over its catalogue size.
    const Catalogue& catalogue = Catalogue::instance();
    for (const EnemyTileEntry& entry : enemyTileEntries) {
        const int width = catalogue.enemyWidth(entry.type);
        const int height = catalogue.enemyHeight(entry.type);
        int k = 0;
        for (int y = first(height); y <= last(height); ++y) {
            for (int x = first(width); x <= last(width); ++x) {
                if (k < entry.count && k < static_cast<int>(entry.tiles.size()))
                    set(entry.type, x, y, entry.tiles[static_cast<std::size_t>(k)]);
                ++k;
            }
        }
    }

    // Boss variants look like the enemy they are made from.
    for (int t = kFirstBoss; t <= kLastBoss; ++t)
        for (int x = 1; x <= 16; ++x)
            for (int y = 1; y <= 16; ++y)
                set(t, x, y, tile(t - kBossOffset, x, y));
}

} // namespace quorled
