#pragma once

#include "picture.h"

#include <array>
#include <cstdint>
#include <vector>

namespace quorled {

struct AreaModel;
struct PaletteTables;

// The pictures the level view is drawn from. Scenery sheets hold palette
// slots coded as grey levels; they are recoloured with the current area's
// level palette into the working sheet, whose lower rows carry the label and
// missing-picture tiles. Enemy sheets are ready-coloured and drawn through
// the mask (black where a sprite pixel is opaque, white elsewhere).
struct GraphicsModel {
    static constexpr int kSheetSize = 256;
    static constexpr int kSceneryRows = 80;   // tiles 0..79
    static constexpr int kWorkingSheet = 10;
    static constexpr int kFirstEnemySheet = 100;
    static constexpr int kEnemyMask = 150;

    // Colour values of rows 0..79 of the scenery sheets 0, 1, 3 and 6 (the
    // other entries stay empty), x + 256 * y, as read once at start-up.
    std::array<std::vector<std::uint32_t>, 7> sheetPixels;
    Picture working{kSheetSize, kSheetSize};
    std::array<Picture, 4> enemySheets;
    Picture enemyMask;
    // Screen colour of each console colour number, 0x00RRGGBB.
    std::array<std::uint32_t, 64> nesColourRgb{};
    // The level palette and world of the last recolouring.
    int levelPaletteNumber = 0;
    int paletteWorld = 0;
    bool ready = false;
};

// The pictures initGraphics reads from.
struct GraphicsSources {
    // Scenery sheets of the world groups 0, 1, 3 and 6, 256 x 256.
    const Picture* scenery0 = nullptr;
    const Picture* scenery1 = nullptr;
    const Picture* scenery3 = nullptr;
    const Picture* scenery6 = nullptr;
    // Label and missing-picture tiles of the working sheet: either a full
    // 256 x 256 sheet (rows 80..255 used) or just those 176 rows.
    const Picture* labels = nullptr;
    std::array<const Picture*, 4> enemies{};
    const Picture* enemyMask = nullptr;
    // Master palette: pixel (n mod 16, n / 16) shows colour number n.
    const Picture* masterPalette = nullptr;
};

// Fills the graphics model once: scenery pixels, the label rows of the
// working sheet, the enemy sheets, the mask and the 64 screen colours. The
// enemy sheets lose every pixel that is set in the mask (sheet AND NOT
// mask), so sprites can be ORed onto the masked view; masking them again
// changes nothing.
// Throws ImageError naming the picture when one is missing or too small.
void initGraphics(GraphicsModel& model, const GraphicsSources& sources);

// World index 0..7 of an area: the last world i = 2..8 whose first area
// number (worldFirstArea[i]) the area reaches, minus one; 0 when none.
int worldOfCurrentArea(int currentArea, const std::array<int, 9>& worldFirstArea);

// Scenery sheet (0, 1, 3 or 6) of a world index.
int scenerySheetForWorld(int world);

// Palette slot 0..15 of a scenery pixel given as 0x00RRGGBB: its value in
// the platform's 0x00BBGGRR form divided by 0x101010.
int paletteSlot(std::uint32_t rgb);

// Level palette number of the header (0..7).
int levelPaletteNumber(const AreaModel& area);

// Recolours rows 0..79 of the working sheet with the area's level palette
// of its world. Rows 80..255 are never touched. Run on area load and on
// palette-relevant edits only, never on a plain redraw.
void applyLevelPalette(GraphicsModel& model, const AreaModel& area, const std::array<int, 9>& worldFirstArea,
                       const PaletteTables& palettes);

} // namespace quorled
