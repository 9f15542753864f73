#pragma once

#include <cstdint>
#include <vector>

namespace quorled {

// The scenery tile shown in each cell of every object, by object set and
// type. Cells are numbered from the object's own cell (1, 1); columns run
// -1..16 and rows -14..16 so that objects extending left or up fit. Cells
// that no rule paints show the checkerboard tile 238 (237 for type 256, the
// special objects, which are drawn with their own label tiles).
class ObjectTileMap {
public:
    static constexpr int kFirstColumn = -1;
    static constexpr int kLastColumn = 16;
    static constexpr int kFirstRow = -14;
    static constexpr int kLastRow = 16;
    static constexpr int kMissingTile = 238;
    static constexpr int kMissingSpecialTile = 237;

    static const ObjectTileMap& instance();

    int tile(int objectSet, int type, int cellColumn, int cellRow) const;

private:
    ObjectTileMap();
    void buildTileMaps();

    static constexpr int kColumns = kLastColumn - kFirstColumn + 1;
    static constexpr int kRows = kLastRow - kFirstRow + 1;
    static std::size_t index(int objectSet, int type, int cellColumn, int cellRow);

    std::vector<std::int16_t> tiles_;
};

} // namespace quorled
