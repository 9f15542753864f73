#include "romdata/imageerror.h"
#include "romdata/palettetables.h"
#include "romdata/romimage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace quorled {
namespace {

// An image whose bytes run through every value, so that both small colour
// numbers and values above 0x3F lie in and around the table.
std::vector<std::uint8_t> patternBytes(std::size_t size)
{
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<std::uint8_t>((i * 7 + 3) & 0xFF);
    return bytes;
}

TEST(PaletteTableRead, TakesEachEntryFromItsOffset)
{
    std::vector<std::uint8_t> bytes(0x10000, 0x00);
    bytes[0xC02C] = 0x21;  // world 0, level palette 0, slot 0
    bytes[0xC0E5] = 0x2A;  // world 1, level palette 2, slot 5
    bytes[0xC1D3] = 0x16;  // world 2, enemy palette 1, slot 3
    bytes[0xC437] = 0x30;  // world 6, enemy palette 2, slot 11: last byte of the table
    const PaletteTables tables = readPaletteTable(RomImage::fromBytes(bytes));

    EXPECT_EQ(tables.levelPalettes[0][0], 0x21);
    EXPECT_EQ(tables.levelPalettes[8 * 1 + 2][5], 0x2A);
    EXPECT_EQ(tables.enemyPalettes[4 * 2 + 1][3], 0x16);
    EXPECT_EQ(tables.enemyPalettes[4 * 6 + 2][11], 0x30);
    EXPECT_EQ(tables.levelPalettes[0][1], 0);
}

TEST(PaletteTableRead, StoresValuesAbove63As63)
{
    std::vector<std::uint8_t> bytes(0x10000, 0x00);
    bytes[0xC02C] = 0x3F;
    bytes[0xC02D] = 0x40;
    bytes[0xC02E] = 0xFF;
    bytes[0xC02F] = 0x3E;
    const PaletteTables tables = readPaletteTable(RomImage::fromBytes(bytes));
    EXPECT_EQ(tables.levelPalettes[0][0], 63);
    EXPECT_EQ(tables.levelPalettes[0][1], 63);
    EXPECT_EQ(tables.levelPalettes[0][2], 63);
    EXPECT_EQ(tables.levelPalettes[0][3], 62);
}

TEST(PaletteTableRead, OverlappingViewsShowTheSameBytes)
{
    const PaletteTables tables = readPaletteTable(RomImage::fromBytes(patternBytes(0x10000)));
    for (int w = 0; w < 8; ++w) {
        const auto& level7 = tables.levelPalettes[8 * w + 7];
        for (int s = 0; s < 12; ++s)
            EXPECT_EQ(level7[s], tables.enemyPalettes[4 * w][s]) << "world " << w << " slot " << s;
        for (int s = 0; s < 4; ++s)
            EXPECT_EQ(level7[12 + s], tables.enemyPalettes[4 * w + 1][s]) << "world " << w << " slot " << s;
        for (int p = 0; p < 4; ++p)
            for (int s = 12; s < 16; ++s)
                EXPECT_EQ(tables.enemyPalettes[4 * w + p][s], 0) << "enemy slots 12..15 are not in the image";
    }
    for (int w = 0; w < 6; ++w)
        for (int s = 0; s < 12; ++s)
            EXPECT_EQ(tables.enemyPalettes[4 * w + 3][s], tables.levelPalettes[8 * (w + 1)][s]);
}

TEST(PaletteTableRead, EntriesPastTheTableHoldTheFollowingBytes)
{
    std::vector<std::uint8_t> bytes(0x10000, 0x00);
    for (int i = 0; i < 12; ++i)
        bytes[0xC438 + i] = static_cast<std::uint8_t>(i);
    bytes[0xC438 + 5] = 0x80;
    bytes[0xC4A8] = 0x07;  // world 7, enemy palette 0, slot 0 (0xC438 + 112)
    const PaletteTables tables = readPaletteTable(RomImage::fromBytes(bytes));

    const auto& enemy3World6 = tables.enemyPalettes[4 * 6 + 3];
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(enemy3World6[i], i == 5 ? 63 : i);
    EXPECT_EQ(tables.levelPalettes[8 * 7][0], 0);
    EXPECT_EQ(tables.levelPalettes[8 * 7][1], 1);
    EXPECT_EQ(tables.enemyPalettes[4 * 7][0], 0x07);
}

TEST(PaletteTableRead, ShortFileReadsMissingBytesAs63)
{
    std::vector<std::uint8_t> bytes(0xC100, 0x12);
    const PaletteTables tables = readPaletteTable(RomImage::fromBytes(bytes));
    EXPECT_EQ(tables.levelPalettes[0][0], 0x12);
    // World 1 starts at 0xC0C0; palette 4 of world 1 lies at 0xC100 onwards.
    EXPECT_EQ(tables.levelPalettes[8 * 1 + 3][15], 0x12);
    EXPECT_EQ(tables.levelPalettes[8 * 1 + 4][0], 63);
    EXPECT_EQ(tables.levelPalettes[8 * 7 + 7][15], 63);
    EXPECT_EQ(tables.enemyPalettes[4 * 7 + 3][11], 63);
}

TEST(PaletteTableWrite, RoundTripChangesOnlyValuesAbove3FInsideTheTable)
{
    const std::vector<std::uint8_t> original = patternBytes(0x10000);
    RomImage image = RomImage::fromBytes(original);
    writePaletteTable(readPaletteTable(image), image);

    const std::vector<std::uint8_t>& after = image.bytes();
    ASSERT_EQ(after.size(), original.size());
    int clamped = 0;
    for (std::size_t i = 0; i < original.size(); ++i) {
        const bool inTable = i >= 0xC02C && i <= 0xC437;
        const std::uint8_t expected = inTable ? std::min<std::uint8_t>(original[i], 0x3F) : original[i];
        ASSERT_EQ(after[i], expected) << "offset " << std::hex << i;
        clamped += after[i] != original[i];
    }
    EXPECT_GT(clamped, 0);
}

TEST(PaletteTableWrite, LaterWritesWinWhereViewsOverlap)
{
    RomImage image = RomImage::fromBytes(std::vector<std::uint8_t>(0x10000, 0x00));
    PaletteTables tables = readPaletteTable(image);
    tables.levelPalettes[7][0] = 0x11;        // world 0, palette 7 covers 0xC09C
    tables.enemyPalettes[0][0] = 0x22;        // world 0, enemy palette 0 at 0xC09C
    tables.levelPalettes[7][12] = 0x13;       // covers world 0, enemy palette 1, slot 0 (0xC0A8)
    tables.enemyPalettes[3][0] = 0x33;        // world 0, enemy palette 3 covers 0xC0C0
    tables.levelPalettes[8][0] = 0x12;        // world 1, palette 0 at 0xC0C0
    tables.levelPalettes[8][1] = 0x141;       // only the low eight bits are stored
    writePaletteTable(tables, image);

    EXPECT_EQ(image.read(0xC09C), 0x22);
    EXPECT_EQ(image.read(0xC0A8), 0x00);
    EXPECT_EQ(image.read(0xC0C0), 0x12);
    EXPECT_EQ(image.read(0xC0C1), 0x41);
}

TEST(PaletteTableWrite, NothingPastTheTableIsWritten)
{
    std::vector<std::uint8_t> bytes(0x10000, 0xEE);
    RomImage image = RomImage::fromBytes(bytes);
    PaletteTables tables;
    for (auto& palette : tables.levelPalettes)
        palette.fill(0x01);
    for (auto& palette : tables.enemyPalettes)
        palette.fill(0x01);
    writePaletteTable(tables, image);

    for (long i = 0; i < 0x10000; ++i)
        ASSERT_EQ(image.read(i), (i >= 0xC02C && i <= 0xC437) ? 0x01 : 0xEE) << "offset " << std::hex << i;
}

TEST(PaletteTableWrite, ImageEndingWithTheTableIsWritten)
{
    RomImage image = RomImage::fromBytes(std::vector<std::uint8_t>(0xC438, 0x00));
    PaletteTables tables;
    tables.enemyPalettes[4 * 6 + 2][11] = 0x2C;
    tables.levelPalettes[8 * 7][0] = 0x2D;
    EXPECT_NO_THROW(writePaletteTable(tables, image));
    EXPECT_EQ(image.read(0xC437), 0x2C);
    EXPECT_EQ(image.size(), 0xC438);
}

TEST(PaletteTableWrite, ShortImageIsRefusedUntouched)
{
    const std::vector<std::uint8_t> bytes(0xC437, 0x05);
    RomImage image = RomImage::fromBytes(bytes, "short.nes");
    PaletteTables tables;
    try {
        writePaletteTable(tables, image);
        FAIL() << "a short image was accepted";
    } catch (const ImageError& error) {
        EXPECT_NE(std::string(error.what()).find("short.nes"), std::string::npos);
        EXPECT_NE(std::string(error.what()).find("$C437"), std::string::npos);
    }
    EXPECT_EQ(image.bytes(), bytes);
    EXPECT_FALSE(image.modified());
}

} // namespace
} // namespace quorled
