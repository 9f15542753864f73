#pragma once

#include "imagekind.h"
#include "palettetables.h"

namespace quorled {

class RomImage;

// Overwrites the level palettes of worlds 0..6 with the built-in values the
// other image kinds are drawn with. World 7's level palettes and all enemy
// palettes keep what they held.
void loadDefaultTables(PaletteTables& tables);

// The palettes the editor starts with: those of the image's palette table,
// with the built-in level palettes in place of worlds 0..6 on SNES
// compilation and disk images, whose table offsets do not hold the palettes.
PaletteTables startupPalettes(const RomImage& image, ImageKind kind);

} // namespace quorled
