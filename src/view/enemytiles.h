#pragma once

#include <vector>

namespace quorled {

// Which tile of the enemy sprite sheets each cell of an enemy shows
// (`enemyTiles`). Cells are numbered from the enemy's own cell (1, 1):
// columns 1..16, rows -14..16. Built once on first use, read-only afterwards.
class EnemyTileMap {
public:
    static constexpr int kFirstColumn = 1;
    static constexpr int kLastColumn = 16;
    static constexpr int kFirstRow = -14;
    static constexpr int kLastRow = 16;

    static const EnemyTileMap& instance();

    // The tile of cell (cellColumn, cellRow) of enemy type 0..255. Cells that no
    // enemy picture covers, and arguments out of range, give the checkerboard
    // tile 254.
    int tile(int type, int cellColumn, int cellRow) const;

private:
    EnemyTileMap();
    void buildTiles();
    static bool inRange(int type, int cellColumn, int cellRow);
    static int index(int type, int cellColumn, int cellRow);
    void set(int type, int cellColumn, int cellRow, int tile);

    std::vector<short> tiles_;
};

} // namespace quorled
