#include "demotables.h"

#include "../builtinpalettes.h"
#include "../palettetables.h"
#include "../romlayout.h"

#include <array>
#include <utility>

namespace quorled {

namespace {

// Character table: four records of 23 bytes (pick-up times, jump speeds,
// floating time, gravity, running speeds; byte 16 is not used).
constexpr long kCharacterTableInes = 0x143DD;
constexpr long kCharacterTableSnes = 0x8BC40;
constexpr long kCharacterTableFds = 0x10126;
constexpr std::array<std::array<std::uint8_t, 23>, 4> kCharacters{{
    {0x00, 0x04, 0x02, 0x01, 0x04, 0x07, 0xB0, 0xB0, 0x98, 0x98, 0xA6, 0xAA, 0xE0, 0x00, 0x07, 0x04, 0x08, 0x18, 0x18,
     0x04, 0xE8, 0xE8, 0xFC},
    {0x00, 0x01, 0x01, 0x01, 0x01, 0x02, 0xB2, 0xB2, 0x98, 0x98, 0xAD, 0xAD, 0xE0, 0x00, 0x07, 0x04, 0x08, 0x18, 0x1D,
     0x04, 0xE8, 0xE3, 0xFC},
    {0x00, 0x04, 0x02, 0x01, 0x04, 0x07, 0xD6, 0xD6, 0xC9, 0xC9, 0xD0, 0xD4, 0xE0, 0x00, 0x02, 0x01, 0x08, 0x16, 0x15,
     0x04, 0xEA, 0xEB, 0xFC},
    {0x00, 0x06, 0x04, 0x02, 0x06, 0x0C, 0xB3, 0xB3, 0x98, 0x98, 0xAC, 0xB3, 0xE0, 0x3C, 0x07, 0x04, 0x08, 0x15, 0x15,
     0x04, 0xEB, 0xEB, 0xFC},
}};

// Single bytes of the game program, at the same offsets in every kind of
// image: boss weapons, hits and speeds, enemy timings, power-ups, herbs.
constexpr std::array<std::pair<long, std::uint8_t>, 62> kGameBytes{{
    // weapons
    {0x5013, 0x1E}, {0x500F, 0x20}, {0x65EA, 0x37}, {0x68C2, 0x20}, {0x6D03, 0x20}, {0x61C6, 0x22},
    {0x7255, 0x11}, {0x560E, 0x1B}, {0x4C84, 0x20}, {0x6E49, 0x27}, {0x526E, 0x09}, {0x4B87, 0x0A},
    {0x4BBE, 0x0F}, {0x4D5E, 0x09}, {0x52ED, 0x01}, {0x6460, 0x41}, {0x6CC3, 0x2B},
    // boss hits, enemy speed
    {0x4F7B, 0x02}, {0x657F, 0x04}, {0x6586, 0x05}, {0x673D, 0x05}, {0x6C7E, 0x04}, {0x611E, 0x04},
    {0x71E1, 0x06}, {0x6FF7, 0x03}, {0x4603, 0xF8}, {0x4602, 0x08},
    // timings, heights, speeds and sounds
    {0x4FA8, 0xC0}, {0x4FC3, 0x60}, {0x4FD6, 0x08}, {0x4FDC, 0xF8}, {0x4FEA, 0x01}, {0x65B0, 0xD0},
    {0x65BC, 0x40}, {0x65F4, 0xE0}, {0x65FB, 0x50}, {0x65FF, 0xF0}, {0x68BB, 0x01}, {0x6171, 0x30},
    {0x61D5, 0xE8}, {0x721D, 0x06}, {0x7223, 0xFA}, {0x4C4A, 0x3C}, {0x4C74, 0xF0}, {0x556C, 0xD8},
    {0x55A3, 0x48}, {0x4D53, 0xD0},
    // power-ups and herbs
    {0x39D0, 0x45}, {0x456A, 0x00}, {0x10E6, 0x46}, {0x10EE, 0x05}, {0x10F2, 0x46}, {0x1079, 0x36},
    {0x107A, 0x32}, {0x107B, 0x33}, {0x107C, 0x38}, {0x107D, 0x35}, {0x107E, 0x37}, {0x107F, 0x3E},
    {0x1080, 0x40}, {0x1081, 0x3A}, {0x1082, 0x09},
}};

constexpr long kTitleCardTime = 0x1E276;
constexpr long kLivesAtStart = 0x1E425;
constexpr std::array<std::uint8_t, 8> kLevelsPerWorld{0, 3, 6, 9, 12, 15, 18, 20};

constexpr std::array<int, 3> kEnemyHue{0x06, 0x05, 0x00};

void writePalettes(std::vector<std::uint8_t>& image)
{
    // The level palettes are the built-in ones the other image kinds are
    // drawn with, so that every kind of demo image looks the same; the
    // scenery artwork is made for them.
    PaletteTables builtIn;
    loadDefaultTables(builtIn);
    for (int w = 0; w < 7; ++w) {
        for (int p = 0; p < 7; ++p)
            for (int s = 0; s < 16; ++s)
                image[static_cast<std::size_t>(levelPaletteOffset(w, p, s))] = static_cast<std::uint8_t>(
                    builtIn.levelPalettes[static_cast<std::size_t>(8 * w + p)][static_cast<std::size_t>(s)]);
        for (int p = 0; p < 3; ++p) {
            for (int g = 0; g < 3; ++g) {
                const int hue = (kEnemyHue[static_cast<std::size_t>(p)] + 4 * g + w) % 13;
                const std::array<int, 4> colours{0x0F, 0x30, 0x10 + hue, hue == 0 ? 0x00 : 0x0F};
                for (int s = 0; s < 4; ++s)
                    image[static_cast<std::size_t>(enemyPaletteOffset(w, p, 4 * g + s))] =
                        static_cast<std::uint8_t>(colours[static_cast<std::size_t>(s)]);
            }
        }
    }
}

} // namespace

void writeDemoGameTables(std::vector<std::uint8_t>& image, ImageKind kind)
{
    writePalettes(image);
    const long characters = kind == ImageKind::Snes  ? kCharacterTableSnes
                            : kind == ImageKind::Fds ? kCharacterTableFds
                                                     : kCharacterTableInes;
    for (std::size_t r = 0; r < kCharacters.size(); ++r)
        for (std::size_t i = 0; i < 23; ++i)
            image[static_cast<std::size_t>(characters) + 23 * r + i] = kCharacters[r][i];
    for (const auto& [offset, value] : kGameBytes)
        image[static_cast<std::size_t>(offset)] = value;
    const long levels = romLayout(kind).levelsPerWorld;
    for (std::size_t i = 0; i < kLevelsPerWorld.size(); ++i)
        image[static_cast<std::size_t>(levels) + i] = kLevelsPerWorld[i];
    image[static_cast<std::size_t>(kTitleCardTime)] = 0x60;
    image[static_cast<std::size_t>(kLivesAtStart)] = 0x03;
}

} // namespace quorled
