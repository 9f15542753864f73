#include "romdata/bytes.h"
#include "romdata/headerbits.h"
#include "romdata/imagekind.h"

#include <gtest/gtest.h>

namespace quorled {
namespace {

TEST(ByteHelpers, BitsCountFromTheMostSignificant)
{
    EXPECT_EQ(bitOf(0x80, 1), 1);
    EXPECT_EQ(bitOf(0x80, 8), 0);
    EXPECT_EQ(bitOf(0x01, 8), 1);
    EXPECT_EQ(highNibble(0xF5), 15);
    EXPECT_EQ(lowNibble(0xF5), 5);
}

TEST(ByteHelpers, NumberTexts)
{
    EXPECT_EQ(hex2(5), "05");
    EXPECT_EQ(hex2(0x12F), "12F");
    EXPECT_EQ(hex2(0xD1), "D1");
    EXPECT_EQ(hexAddress(0x101C9), "$101C9");
    EXPECT_EQ(dec3(7), "007");
}

TEST(HeaderBits, FieldsFollowTheBitTable)
{
    // 1 0 101 0 10 | 000 10011 | 0011 0101 | 00 110 0 11
    const HeaderBits header = HeaderBits::fromBytes({0xAA, 0x13, 0x35, 0x33});
    EXPECT_EQ(header.scrollsHorizontally(), 1);
    EXPECT_EQ(header.levelPalette(), 5);
    EXPECT_EQ(header.enemyPalette(), 2);
    EXPECT_EQ(header.groundSetting(), 19);
    EXPECT_EQ(header.levelLength(), 3);
    EXPECT_EQ(header.objectSet(), 5);
    EXPECT_EQ(header.groundType(), 6);
    EXPECT_EQ(header.music(), 3);
    EXPECT_EQ(header.bytes(), (std::array<int, 4>{0xAA, 0x13, 0x35, 0x33}));
}

TEST(HeaderBits, SettingAFieldTouchesOnlyItsBits)
{
    HeaderBits header = HeaderBits::fromBytes({0xFF, 0xFF, 0xFF, 0xFF});
    header.setField(17, 4, 0x2);
    EXPECT_EQ(header.bytes(), (std::array<int, 4>{0xFF, 0xFF, 0x2F, 0xFF}));
}

TEST(ImageKind, DecidedByTheLowerCasedLastFourCharacters)
{
    EXPECT_EQ(imageKindFromFileName("game.SMC"), ImageKind::Snes);
    EXPECT_EQ(imageKindFromFileName("game.sfc"), ImageKind::Snes);
    EXPECT_EQ(imageKindFromFileName("game.Fig"), ImageKind::Snes);
    EXPECT_EQ(imageKindFromFileName("game.smc.bak"), ImageKind::Ines);
    EXPECT_EQ(imageKindFromFileName("disk.FDS"), ImageKind::Fds);
    EXPECT_EQ(imageKindFromFileName("quorl.nes"), ImageKind::Ines);
    EXPECT_EQ(imageKindFromFileName("fds"), ImageKind::Ines);
}

TEST(ImageKind, MinimumLengthsCoverTheDirectoryTables)
{
    EXPECT_EQ(minimumImageLength(ImageKind::Ines), 0x1E02A);
    EXPECT_EQ(minimumImageLength(ImageKind::Snes), 0x8F8B3);
    EXPECT_EQ(minimumImageLength(ImageKind::Fds), 0x1B26);
}

} // namespace
} // namespace quorled
