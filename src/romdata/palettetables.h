#pragma once

#include <array>

namespace quorled {

class RomImage;

// The colour palettes of every world, as console colour numbers 0..63.
// levelPalettes is indexed (8 * world + palette, slot) for worlds 0..7 and
// palettes 0..7; enemyPalettes (4 * world + palette, slot) for worlds 0..7
// and palettes 0..3. Only enemy slots 0..11 live in the image; 12..15 stay 0.
//
// The image holds seven worlds of seven level and three enemy palettes. The
// extra entries are views of neighbouring bytes: level palette 7 of a world
// covers its enemy palette 0 and the first four slots of enemy palette 1,
// enemy palette 3 covers the start of the next world's block, and world 7
// lies after the table.
struct PaletteTables {
    std::array<std::array<int, 16>, 64> levelPalettes{};
    std::array<std::array<int, 16>, 32> enemyPalettes{};
};

// The palette table of an image (file offsets, header included). The same
// offsets hold for every image kind.
inline constexpr long kPaletteTableStart = 0xC02C;
inline constexpr long kPaletteTableEnd = 0xC437; // last byte, inclusive
inline constexpr long kPaletteWorldBlockSize = 148;
inline constexpr long kEnemyPaletteStart = 0xC09C; // 112 bytes into a world block
inline constexpr int kHighestColourNumber = 63;
// What the table holds: seven worlds, each with twelve slots per enemy palette.
inline constexpr int kPaletteWorldsInImage = 7;
inline constexpr int kEnemySlotsInImage = 12;

constexpr long levelPaletteOffset(int world, int palette, int slot)
{
    return kPaletteTableStart + kPaletteWorldBlockSize * world + 16L * palette + slot;
}

constexpr long enemyPaletteOffset(int world, int palette, int slot)
{
    return kEnemyPaletteStart + kPaletteWorldBlockSize * world + 12L * palette + slot;
}

// Reads every world's level and enemy palettes. Bytes past the end of the
// file read as 0xFF; values above 63 are stored as 63.
PaletteTables readPaletteTable(const RomImage& image);

// Stores both tables into the image, level palettes then enemy palettes of
// each world in turn, one byte (the low eight bits) per colour, skipping
// every offset past the table. Where the views overlap the later write wins,
// so edits made only to level palette 7, enemy palette 3 or world 7 are not
// kept. Throws ImageError, leaving the image untouched, when the image is
// too short to hold the whole table.
void writePaletteTable(const PaletteTables& tables, RomImage& image);

} // namespace quorled
