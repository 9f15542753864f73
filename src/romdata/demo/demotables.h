#pragma once

#include "../imagekind.h"

#include <cstdint>
#include <vector>

namespace quorled {

// Writes the game-wide tables of the demo image: the palette table, the
// character table, the enemy and power-up bytes, the levels-per-world
// table, the title-card time and the lives at start, each at its place for
// the kind of image.
void writeDemoGameTables(std::vector<std::uint8_t>& image, ImageKind kind);

} // namespace quorled
