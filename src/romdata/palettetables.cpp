#include "palettetables.h"

#include "bytes.h"
#include "imageerror.h"
#include "romimage.h"
#include "shownname.h"

#include <algorithm>
#include <string>

namespace quorled {

namespace {

constexpr int kWorlds = 8;
constexpr int kLevelPalettesPerWorld = 8;
constexpr int kEnemyPalettesPerWorld = 4;

int readColour(const RomImage& image, long offset)
{
    return std::min<int>(image.read(offset), kHighestColourNumber);
}

} // namespace

PaletteTables readPaletteTable(const RomImage& image)
{
    PaletteTables tables;
    for (int w = 0; w < kWorlds; ++w) {
        for (int p = 0; p < kLevelPalettesPerWorld; ++p)
            for (int s = 0; s < 16; ++s)
                tables.levelPalettes[8 * w + p][s] = readColour(image, levelPaletteOffset(w, p, s));
        for (int p = 0; p < kEnemyPalettesPerWorld; ++p)
            for (int s = 0; s < kEnemySlotsInImage; ++s)
                tables.enemyPalettes[4 * w + p][s] = readColour(image, enemyPaletteOffset(w, p, s));
    }
    return tables;
}

void writePaletteTable(const PaletteTables& tables, RomImage& image)
{
    // Checked first, so that a short image is refused before any byte of the
    // table has changed.
    if (!image.contains(kPaletteTableEnd))
        throw ImageError("The image " + shownName(image.path()) + " is too short for the palette table at " +
                         hexAddress(kPaletteTableStart) + ".." + hexAddress(kPaletteTableEnd) +
                         ": it has " + std::to_string(image.size()) + " bytes, so no palette was written.");

    auto put = [&image](long offset, int value) {
        if (offset <= kPaletteTableEnd)
            image.write(offset, value & 0xFF);
    };
    for (int w = 0; w < kWorlds; ++w) {
        for (int p = 0; p < kLevelPalettesPerWorld; ++p)
            for (int s = 0; s < 16; ++s)
                put(levelPaletteOffset(w, p, s), tables.levelPalettes[8 * w + p][s]);
        for (int p = 0; p < kEnemyPalettesPerWorld; ++p)
            for (int s = 0; s < kEnemySlotsInImage; ++s)
                put(enemyPaletteOffset(w, p, s), tables.enemyPalettes[4 * w + p][s]);
    }
}

} // namespace quorled
