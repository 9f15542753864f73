#include "groundtables.h"

#include "groundtiles.h"

#include <string_view>

namespace quorled {

namespace {

constexpr int kSettings = 32;
constexpr int kMissingTile = 238;

int decodeGroundCell(char c)
{
    switch (c) {
    case 'x':
    case 'B': return 1;
    case 'X': return 2;
    case '.': return 3;
    default: return 0;
    }
}

int patternCell(const std::array<const char*, 32>& patterns, int setting, int position)
{
    if (setting < 0 || setting >= kSettings || position < 0)
        return 0;
    const std::string_view text(patterns[setting]);
    if (position >= static_cast<int>(text.size()))
        return 0;
    return decodeGroundCell(text[static_cast<std::size_t>(position)]);
}

int tileOf(const GroundTileTable& table, int world, int groundType, int kind)
{
    if (world == kGroundTileWorlds)
        world = kGroundTileWorlds - 1;
    if (world < 0 || world >= kGroundTileWorlds || groundType < 0 || groundType >= kGroundTypes
        || kind < 1 || kind > 3)
        return kMissingTile;
    return table[groundType][world][kind - 1];
}

} // namespace

int groundCellH(int setting, int row) { return patternCell(groundPatternsH, setting, row); }
int groundCellV(int setting, int column) { return patternCell(groundPatternsV, setting, column); }

int groundTileH(int world, int groundType, int kind)
{
    return tileOf(groundTilesH, world, groundType, kind);
}

int groundTileV(int world, int groundType, int kind)
{
    return tileOf(groundTilesV, world, groundType, kind);
}

} // namespace quorled
