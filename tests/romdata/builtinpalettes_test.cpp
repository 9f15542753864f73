#include "romdata/builtinpalettes.h"
#include "romdata/romimage.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

namespace quorled {
namespace {

using Row = std::array<int, 16>;

RomImage imageFilledWith(std::uint8_t value)
{
    return RomImage::fromBytes(std::vector<std::uint8_t>(0x10000, value));
}

TEST(BuiltinPalettes, ReplaceTheLevelPalettesOfSnesAndDiskImages)
{
    for (ImageKind kind : {ImageKind::Snes, ImageKind::Fds}) {
        const PaletteTables tables = startupPalettes(imageFilledWith(0x05), kind);
        const auto& level = tables.levelPalettes;
        EXPECT_EQ(level[0][0], 0x21);
        EXPECT_EQ(level[0][1], 0x30);
        EXPECT_EQ(level[0][2], 0x12);
        EXPECT_EQ(level[0][3], 0x0F);
        EXPECT_EQ(level[8][0], 0x11);
        EXPECT_EQ(level[8][1], 0x30);
        EXPECT_EQ(level[8][2], 0x2A);
        EXPECT_EQ(level[8][3], 0x0F);
        EXPECT_EQ(level[13], (Row{0x0C, 0x30, 0x1A, 0x0F, 0x0C, 0x30, 0x16, 0x0F,
                                  0x0C, 0x30, 0x2A, 0x0F, 0x0C, 0x30, 0x3A, 0x0F}));
        EXPECT_EQ(level[36], (Row{0x01, 0x2A, 0x1A, 0x0F, 0x01, 0x30, 0x16, 0x0F,
                                  0x01, 0x3C, 0x1C, 0x0F, 0x01, 0x25, 0x15, 0x05}));
        EXPECT_EQ(level[53], (Row{0x0C, 0x30, 0x08, 0x0F, 0x0C, 0x30, 0x16, 0x0F,
                                  0x0C, 0x38, 0x18, 0x0F, 0x0C, 0x28, 0x08, 0x0F}));
        EXPECT_EQ(level[55], (Row{0x3F, 0x30, 0x16, 0x0F, 0x3F, 0x38, 0x10, 0x0F,
                                  0x3F, 0x30, 0x25, 0x0F, 0x3F, 0x30, 0x16, 0x02}));
    }
}

TEST(BuiltinPalettes, InesImagesKeepTheImageValues)
{
    const PaletteTables tables = startupPalettes(imageFilledWith(0x05), ImageKind::Ines);
    for (const auto& palette : tables.levelPalettes)
        for (int colour : palette)
            ASSERT_EQ(colour, 0x05);
}

TEST(BuiltinPalettes, WorldSevenAndEnemyPalettesKeepTheStartupRead)
{
    const PaletteTables tables = startupPalettes(imageFilledWith(0x05), ImageKind::Snes);
    for (int index = 56; index < 64; ++index)
        for (int colour : tables.levelPalettes[index])
            ASSERT_EQ(colour, 0x05) << "level palette " << index;
    for (const auto& palette : tables.enemyPalettes)
        for (int s = 0; s < 16; ++s)
            ASSERT_EQ(palette[s], s < 12 ? 0x05 : 0);
}

TEST(BuiltinPalettes, FillEveryEntryOfWorldsZeroToSixWithAColourNumber)
{
    PaletteTables tables;
    for (auto& palette : tables.levelPalettes)
        palette.fill(-1);
    for (auto& palette : tables.enemyPalettes)
        palette.fill(-1);
    loadDefaultTables(tables);

    for (int index = 0; index < 64; ++index)
        for (int colour : tables.levelPalettes[index]) {
            if (index < 56) {
                ASSERT_GE(colour, 0) << "level palette " << index;
                ASSERT_LE(colour, 0x3F) << "level palette " << index;
            } else {
                ASSERT_EQ(colour, -1) << "level palette " << index;
            }
        }
    for (const auto& palette : tables.enemyPalettes)
        for (int colour : palette)
            ASSERT_EQ(colour, -1);
}

} // namespace
} // namespace quorled
