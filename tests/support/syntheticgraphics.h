#pragma once

#include "romdata/areamodel.h"
#include "romdata/palettetables.h"
#include "view/graphics.h"

#include <array>
#include <cstdint>
#include <vector>

namespace quorled::testing {

// Graphics whose every tile is one flat colour that names it, so a pixel
// tells which tile landed there: working-sheet tile t is 0x100000 + t,
// enemy-sheet tile t of colour set e is 0x200000 + 0x100 * e + t on its left
// half and black on its right half; the mask is black on the left half of
// every tile and white on the right. Colour number n shows as 0x300000 + n.
GraphicsModel syntheticGraphics();

constexpr std::uint32_t workingTileColour(int tile) { return 0x100000u + static_cast<std::uint32_t>(tile); }
constexpr std::uint32_t enemyTileColour(int set, int tile)
{
    return 0x200000u + 0x100u * static_cast<std::uint32_t>(set) + static_cast<std::uint32_t>(tile);
}
constexpr std::uint32_t colourNumberRgb(int n) { return 0x300000u + static_cast<std::uint32_t>(n); }

// Level palette slot 0 of every palette is colour number 0x21 + palette.
PaletteTables syntheticPalettes();

// World starts of the usual levels-per-world bytes 0, 3, 6, .. 18, 20.
inline constexpr std::array<int, 9> kUsualWorldFirstArea{0, 0, 30, 60, 90, 120, 150, 180, 200};

// Building blocks of an area model in drawing coordinates.
LevelObject normalObject(int type, int x, int y);
// A special object of a kind on a page (x = 16 * page + kind; page 0 in
// vertical areas, where y is the absolute row).
LevelObject specialObject(int kind, int page, int y, int param1 = 0, int param2 = 0);
// Ten pages, ground setting without ground (8, or 19 when vertical), the
// remaining header fields 0.
AreaModel horizontalArea(std::vector<LevelObject> objects = {}, std::vector<Enemy> enemies = {});
AreaModel verticalArea(std::vector<LevelObject> objects = {}, std::vector<Enemy> enemies = {});

} // namespace quorled::testing
