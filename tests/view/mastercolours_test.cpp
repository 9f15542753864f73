#include "view/mastercolours.h"

#include <gtest/gtest.h>

namespace quorled {
namespace {

TEST(MasterColours, MatchTheMasterPaletteTable)
{
    EXPECT_EQ(kMasterColoursRgb[0x00], 0x737373u);
    EXPECT_EQ(kMasterColoursRgb[0x05], 0xAD0010u);
    EXPECT_EQ(kMasterColoursRgb[0x0D], 0x000000u);
    EXPECT_EQ(kMasterColoursRgb[0x12], 0x2139EFu);
    EXPECT_EQ(kMasterColoursRgb[0x1C], 0x00848Cu);
    EXPECT_EQ(kMasterColoursRgb[0x21], 0x39BDFFu);
    EXPECT_EQ(kMasterColoursRgb[0x2D], 0x848484u);
    EXPECT_EQ(kMasterColoursRgb[0x30], 0xFFFFFFu);
    EXPECT_EQ(kMasterColoursRgb[0x3C], 0x9CFFF7u);
    EXPECT_EQ(kMasterColoursRgb[0x3F], 0x000000u);
}

TEST(MasterColours, PlatformFormPutsBlueHighAndRedLow)
{
    EXPECT_EQ(toColorRef(0xFFE0C0), 0xC0E0FFu);
    EXPECT_EQ(toColorRef(0x39BDFF), 0xFFBD39u);
    EXPECT_EQ(toColorRef(0x123456), 0x563412u);
    EXPECT_EQ(masterColourRef(0x06), 0x0000A5u);
    EXPECT_EQ(masterColourRef(0x21 + 0x40), 0xFFBD39u);
}

} // namespace
} // namespace quorled
