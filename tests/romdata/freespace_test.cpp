#include "romdata/freespace.h"

#include "core/forms/freespaceview.h"
#include "romdata/romimage.h"
#include "support/testimage.h"

#include <gtest/gtest.h>

namespace quorled {
namespace {

// An image whose level-data region holds no 0xFF at all, with runs of
// 0xFF laid over it.
std::vector<std::uint8_t> regionWithout0xFF()
{
    test::TestImage image;
    for (long o = 0x101C9; o <= 0x14010; ++o)
        image.bytes()[static_cast<std::size_t>(o)] = 0x00;
    return image.bytes();
}

TEST(FreeSpace, ARunOfKBytesCountsKMinusOneUnlessTheByteAfterTheRegionIsFree)
{
    const struct {
        long start;
        long length;
        bool after0xFF; // byte 0x14010
        long free;
    } cases[] = {
        {0x11000, 1, false, 0},   {0x11000, 2, false, 1}, {0x11000, 50, false, 49},
        {0x1400C, 4, false, 3},   {0x1400C, 4, true, 4},  {0x14010, 1, true, 0},
        // The enemy pointer block never counts, but its first byte completes a pair before it.
        {0x12500, 0x20, false, 16}, {0x12700, 0x10, false, 7},
        {0x101C9, 3, false, 2},   {0x101C8, 3, false, 1},
    };
    for (const auto& c : cases) {
        std::vector<std::uint8_t> bytes = regionWithout0xFF();
        for (long o = c.start; o < c.start + c.length; ++o)
            bytes[static_cast<std::size_t>(o)] = 0xFF;
        bytes[0x14010] = c.after0xFF ? 0xFF : 0x00;
        const FreeSpaceCount count = countFreeSpace(RomImage::fromBytes(bytes));
        EXPECT_EQ(count.free, c.free) << std::hex << c.start << " + " << std::dec << c.length;
        EXPECT_EQ(count.total, 15439);
    }
}

// The count goes eight offsets at a time: every alignment of scattered
// and clustered free bytes gives what a pass over each pair gives.
TEST(FreeSpace, MatchesAPairByPairCount)
{
    std::vector<std::uint8_t> bytes = regionWithout0xFF();
    std::uint32_t state = 12345;
    for (long o = 0x101C0; o <= 0x14010; ++o) {
        state = state * 1103515245 + 12345;
        bytes[static_cast<std::size_t>(o)] = (state >> 16) % 3 == 0 ? 0x00 : 0xFF;
    }
    long pairs = 0;
    for (long o = 0x101C9; o <= 0x1400F; ++o)
        if ((o < 0x12510 || o > 0x12707) && bytes[static_cast<std::size_t>(o)] == 0xFF &&
            bytes[static_cast<std::size_t>(o + 1)] == 0xFF)
            ++pairs;
    EXPECT_EQ(countFreeSpace(RomImage::fromBytes(bytes)).free, pairs);
}

TEST(FreeSpace, TextAndBar)
{
    const struct {
        long free;
        long total;
        const char* text;
        int width;
    } cases[] = {
        {10747, 15439, "10747 / 15439 bytes   (69.6%)", 209}, {0, 15439, "0 / 15439 bytes   (0.0%)", 0},
        {15439, 15439, "15439 / 15439 bytes   (100.0%)", 300}, {1, 8, "1 / 8 bytes   (12.5%)", 38},
        {1, 16, "1 / 16 bytes   (6.2%)", 19}, // halves go to the even neighbour
        {3, 16, "3 / 16 bytes   (18.8%)", 56},
    };
    for (const auto& c : cases) {
        const FreeSpaceView view = freeSpaceView({c.free, c.total});
        EXPECT_EQ(view.text, c.text);
        ASSERT_EQ(view.shapes.size(), 2U + 101U);
        EXPECT_EQ(view.shapes[0], (BarShape{true, 0, 0, 300, 15, 0x550000}));
        EXPECT_EQ(view.shapes[1], (BarShape{true, 0, 0, c.width, 15, 0x00F0FF}));
    }
    // Ticks every 3 units; their lengths mark 150, 75, 30 and 15.
    const FreeSpaceView view = freeSpaceView({1, 2});
    const std::pair<int, int> ticks[] = {{0, 8}, {3, 1}, {15, 2}, {30, 3}, {45, 2}, {75, 5},
                                         {90, 3}, {150, 8}, {225, 5}, {297, 1}, {300, 8}};
    for (const auto& [x, length] : ticks)
        EXPECT_EQ(view.shapes[static_cast<std::size_t>(2 + x / 3)], (BarShape{false, x, 16, x, 16 + length, 0}))
            << x;
}

} // namespace
} // namespace quorled
