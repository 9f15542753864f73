#pragma once

#include "spritecanvas.h"

#include <cstdint>

namespace quorled::art {

inline constexpr int kEnemyColourSets = 4;

// Screen colour (0xRRGGBB) of an ink in enemy colour set 0..3. The sets are
// four shades of the same inks, as the game's enemy colours change from area
// to area; each comes from the console's master colours.
std::uint32_t inkColour(int colourSet, Ink ink);

} // namespace quorled::art
