#include "tilemaps.h"

#include "catalogue.h"
#include "objecttiles.h"
#include "romdata/areamodel.h"

#include <algorithm>

namespace quorled {

namespace {
constexpr int kSets = Catalogue::kObjectSets;
constexpr int kTypes = Catalogue::kObjectTypes;
}

const ObjectTileMap& ObjectTileMap::instance()
{
    static const ObjectTileMap map;
    return map;
}

ObjectTileMap::ObjectTileMap()
{
    buildTileMaps();
}

std::size_t ObjectTileMap::index(int objectSet, int type, int cellColumn, int cellRow)
{
    const int cell = (cellRow - kFirstRow) * kColumns + (cellColumn - kFirstColumn);
    return (static_cast<std::size_t>(objectSet) * kTypes + static_cast<std::size_t>(type))
               * (kColumns * kRows)
        + static_cast<std::size_t>(cell);
}

void ObjectTileMap::buildTileMaps()
{
    const Catalogue& catalogue = Catalogue::instance();
    tiles_.assign(static_cast<std::size_t>(kSets) * kTypes * kColumns * kRows, kMissingTile);
    for (int set = 0; set < kSets; ++set) {
        const auto first = tiles_.begin() + static_cast<std::ptrdiff_t>(index(set, kSpecialObjectType, kFirstColumn, kFirstRow));
        std::fill(first, first + kColumns * kRows, static_cast<std::int16_t>(kMissingSpecialTile));
    }
    for (const TileFill& fill : objectTileFills) {
        for (int set = 0; set < kSets; ++set) {
            if (((fill.sets >> set) & 1u) == 0)
                continue;
            for (int type = fill.firstType; type <= fill.lastType; ++type) {
                const int width = catalogue.objWidth(set, type);
                const int x1 = fill.x1 == kAtWidth ? width : fill.x1;
                const int x2 = fill.x2 == kAtWidth ? width : fill.x2;
                for (int y = fill.y1; y <= fill.y2; ++y)
                    for (int x = x1; x <= x2; ++x)
                        tiles_[index(set, type, x, y)] = static_cast<std::int16_t>(fill.tile);
            }
        }
    }
}

int ObjectTileMap::tile(int objectSet, int type, int cellColumn, int cellRow) const
{
    if (objectSet < 0 || objectSet >= kSets || type < 0 || type >= kTypes)
        return kMissingTile;
    if (cellColumn < kFirstColumn || cellColumn > kLastColumn || cellRow < kFirstRow
        || cellRow > kLastRow)
        return type == kSpecialObjectType ? kMissingSpecialTile : kMissingTile;
    return tiles_[index(objectSet, type, cellColumn, cellRow)];
}

} // namespace quorled
