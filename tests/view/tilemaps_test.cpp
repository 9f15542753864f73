#include "view/tilemaps.h"

#include <gtest/gtest.h>

namespace quorled {
namespace {

int tile(int set, int type, int x, int y) { return ObjectTileMap::instance().tile(set, type, x, y); }

TEST(ObjectTiles, SingleObjects)
{
    const int expected[6] = {24, 21, 22, 51, 29, 25};
    for (int type = 0; type < 6; ++type)
        EXPECT_EQ(tile(3, type, 1, 1), expected[type]);
    EXPECT_EQ(tile(0, 0x07, 1, 1), 11);
    EXPECT_EQ(tile(0, 0x07, 1, 2), 13);
    EXPECT_EQ(tile(0, 0x07, 1, 3), 27);
    EXPECT_EQ(tile(0, 0x09, 1, 2), 28);
    EXPECT_EQ(tile(0, 0x0A, 1, 1), 0);
    EXPECT_EQ(tile(0, 0x0B, 1, 2), 60);
    EXPECT_EQ(tile(0, 0x0C, 1, 1), 35);
    EXPECT_EQ(tile(0, 0x0C, 1, 16), 51);
    EXPECT_EQ(tile(0, 0x10, 2, 1), 2);
    EXPECT_EQ(tile(0, 0x16, 1, 2), 26);
    EXPECT_EQ(tile(0, 0x19, 6, 16), 61);
    EXPECT_EQ(tile(0, 0x24, 1, 1), 18);
    EXPECT_EQ(tile(0, 0x2A, 1, 1), 18);
    EXPECT_EQ(tile(0, 0x29, 1, 1), 3);
    EXPECT_EQ(tile(0, 0x2E, 1, 1), 79);
}

TEST(ObjectTiles, EntrancesAndUpwardVine)
{
    // Light right: 37, 38, 39 over 53, 54, 55.
    EXPECT_EQ(tile(0, 0x13, 1, 1), 37);
    EXPECT_EQ(tile(0, 0x13, 2, 1), 38);
    EXPECT_EQ(tile(0, 0x13, 3, 1), 39);
    EXPECT_EQ(tile(0, 0x13, 1, 2), 53);
    EXPECT_EQ(tile(0, 0x13, 2, 2), 54);
    EXPECT_EQ(tile(0, 0x13, 3, 2), 55);
    // Light left extends leftwards: cells 1, 0, -1.
    EXPECT_EQ(tile(0, 0x14, 1, 1), 40);
    EXPECT_EQ(tile(0, 0x14, 0, 1), 41);
    EXPECT_EQ(tile(0, 0x14, -1, 1), 42);
    EXPECT_EQ(tile(0, 0x14, 1, 2), 56);
    EXPECT_EQ(tile(0, 0x14, 0, 2), 57);
    EXPECT_EQ(tile(0, 0x14, -1, 2), 58);
    // The vine to the top runs up from its own cell.
    EXPECT_EQ(tile(0, 0x12, 1, 1), 67);
    EXPECT_EQ(tile(0, 0x12, 1, 0), 51);
    EXPECT_EQ(tile(0, 0x12, 1, -14), 51);
}

TEST(ObjectTiles, LaterRulesOverwriteEarlierOnes)
{
    EXPECT_EQ(tile(0, 0x1E, 1, 1), 47);
    EXPECT_EQ(tile(0, 0x1E, 2, 1), 19);
    EXPECT_EQ(tile(0, 0x1E, 3, 16), 19);
    const int redBackground[12] = {64, 65, 66, 65, 66, 65, 66, 65, 66, 65, 66, 68};
    for (int x = 1; x <= 12; ++x)
        EXPECT_EQ(tile(0, 0x1F, x, 9), redBackground[x - 1]) << x;
    EXPECT_EQ(tile(0, 0x90, 1, 1), 47);
    EXPECT_EQ(tile(0, 0x90, 1, 2), 19);
    EXPECT_EQ(tile(0, 0xB3, 4, 2), 60);
    EXPECT_EQ(tile(0, 0xB3, 4, 3), 46);
    EXPECT_EQ(tile(0, 0xF0, 16, 1), 20);
    EXPECT_EQ(tile(0, 0xF0, 16, 16), 23);
}

TEST(ObjectTiles, PlatformRightEdgeIsWrittenLastAtTheWidth)
{
    // Two cells wide: left edge and right edge only.
    EXPECT_EQ(tile(0, 0xD1, 1, 1), 4);
    EXPECT_EQ(tile(0, 0xD1, 2, 1), 6);
    EXPECT_EQ(tile(0, 0xE3, 1, 1), 7);
    EXPECT_EQ(tile(0, 0xE3, 2, 1), 8);
    EXPECT_EQ(tile(0, 0xE3, 3, 1), 8);
    EXPECT_EQ(tile(0, 0xE3, 4, 1), 9);
    // n = 0 is sixteen wide.
    EXPECT_EQ(tile(0, 0xD0, 15, 1), 5);
    EXPECT_EQ(tile(0, 0xD0, 16, 1), 6);
    EXPECT_EQ(tile(0, 0xC1, 1, 1), 32);
    EXPECT_EQ(tile(0, 0xC1, 2, 1), 34);
    EXPECT_EQ(tile(0, 0xC1, 1, 2), 48);
    EXPECT_EQ(tile(0, 0xC1, 2, 16), 50);
    EXPECT_EQ(tile(0, 0xC5, 3, 7), 49);
    EXPECT_EQ(tile(0, 0xC5, 6, 7), 50);
}

TEST(ObjectTiles, ObjectSetVariants)
{
    EXPECT_EQ(tile(0, 0x30, 5, 1), 45);
    EXPECT_EQ(tile(1, 0x30, 5, 1), 62);
    EXPECT_EQ(tile(2, 0x30, 5, 1), 17);
    EXPECT_EQ(tile(13, 0x4F, 1, 1), 59);
    EXPECT_EQ(tile(12, 0x4F, 1, 1), 17);
    EXPECT_EQ(tile(8, 0x80, 1, 3), 19);
    EXPECT_EQ(tile(9, 0x80, 1, 3), 60);
    EXPECT_EQ(tile(10, 0x80, 1, 3), 22);
    EXPECT_EQ(tile(15, 0x80, 1, 3), 45);
    EXPECT_EQ(tile(0, 0xA0, 1, 1), 25);
    EXPECT_EQ(tile(5, 0xA0, 1, 1), 63);
    EXPECT_EQ(tile(11, 0xA0, 1, 16), 69);
    EXPECT_EQ(tile(12, 0xA0, 1, 1), 25);
    EXPECT_EQ(tile(3, 0x50, 1, 1), 18);
    EXPECT_EQ(tile(3, 0x60, 1, 1), 30);
    EXPECT_EQ(tile(3, 0x70, 1, 1), 31);
}

TEST(ObjectTiles, UnpaintedCellsShowTheCheckerboard)
{
    for (int type : {0x0E, 0x17, 0x1A, 0x1B, 0x1C, 0x1D})
        EXPECT_EQ(tile(0, type, 1, 1), 238) << type;
    EXPECT_EQ(tile(0, 0x07, 1, 4), 238);
    EXPECT_EQ(tile(0, 256, 1, 1), 237);
    EXPECT_EQ(tile(0, 0x00, 17, 1), 238);
    EXPECT_EQ(tile(0, 0x00, 1, -15), 238);
    EXPECT_EQ(tile(0, 256, -2, 1), 237);
    EXPECT_EQ(tile(16, 0x00, 1, 1), 238);
}

} // namespace
} // namespace quorled
