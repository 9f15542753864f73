#pragma once

// The scenery pictures: the four grey-level tile sheets, the working sheet's
// label tiles, the master palette picture, previews and the splash picture.

#include "slotsheet.h"

#include <QImage>

#include <array>
#include <cstdint>
#include <string>

namespace quorled::artwork {

inline constexpr std::array<int, 4> kScenerySheets{0, 1, 3, 6};

// Scenery sheet k (0, 1, 3 or 6), tiles 0..79, as palette slots.
SlotSheet drawScenerySheet(int sheet);

// Screen colours of the 16 slots of a world's level palette (built-in tables).
std::array<std::uint32_t, 16> worldPaletteRgb(int world, int palette);

// Label tiles of the working sheet (rows 80..255) in screen colours.
QImage drawWorksheetLabels();

// 32 x 8 master palette picture.
QImage drawMasterPalette();

// Every sheet recoloured with the palette 0 of its first world, at zoom 2,
// followed by the label tiles.
QImage drawSceneryPreview();

// The splash picture: title lettering over a small scene of scenery tiles.
QImage drawSplash();

// Markdown table of which objects and ground cells show each tile 0..79.
std::string tileUsageMarkdown();

} // namespace quorled::artwork
