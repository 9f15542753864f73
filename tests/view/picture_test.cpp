#include "view/picture.h"

#include <gtest/gtest.h>

namespace quorled {
namespace {

int countColour(const Picture& picture, std::uint32_t colour)
{
    int n = 0;
    for (std::uint32_t p : picture.pixels())
        n += p == colour;
    return n;
}

TEST(PictureTest, BoxesIncludeBothCorners)
{
    Picture picture(32, 32);
    picture.fillBox(3, 4, 3 + 6, 4 + 1, 7);
    EXPECT_EQ(countColour(picture, 7), 7 * 2);
    EXPECT_EQ(picture.pixel(9, 5), 7u);
    EXPECT_EQ(picture.pixel(10, 5), 0u);

    Picture cell(32, 32);
    cell.boxOutline(16, 0, 16 + 15, 15, 9);
    EXPECT_EQ(countColour(cell, 9), 4 * 15);
    EXPECT_EQ(cell.pixel(31, 15), 9u);
    EXPECT_EQ(cell.pixel(20, 5), 0u);
}

TEST(PictureTest, DrawingOutsideIsClipped)
{
    Picture picture(16, 16);
    picture.fillBox(20, 3, 40, 5, 1);
    picture.fillBox(-9, -9, -2, 40, 1);
    picture.line(300, 0, 300, 15, 1);
    picture.boxOutline(-5, -5, 3, 3, 2);
    picture.setPixel(-1, 0, 1);
    picture.setPixel(16, 0, 1);
    EXPECT_EQ(countColour(picture, 1), 0);
    EXPECT_EQ(countColour(picture, 2), 4 + 3);
    EXPECT_EQ(picture.pixel(-1, 0), 0u);
}

TEST(PictureTest, DiagonalLinesReachBothEnds)
{
    Picture picture(16, 16);
    picture.line(1, 1, 10, 4, 3);
    EXPECT_EQ(picture.pixel(1, 1), 3u);
    EXPECT_EQ(picture.pixel(10, 4), 3u);
    EXPECT_EQ(countColour(picture, 3), 10);
}

TEST(PictureTest, TileCopiesCombineAndClip)
{
    Picture sheet(256, 256, 0x00F0F0);
    sheet.fillBox(16 * 3, 16 * 2, 16 * 3 + 15, 16 * 2 + 15, 0x123456); // tile 35
    Picture view(40, 20, 0x0F0F0F);

    view.copyTile(sheet, 35, 30, 10, BlitOp::Copy);
    EXPECT_EQ(view.pixel(30, 10), 0x123456u);
    EXPECT_EQ(view.pixel(39, 19), 0x123456u);
    EXPECT_EQ(view.pixel(29, 10), 0x0F0F0Fu);

    view.copyTile(sheet, 0, -8, -8, BlitOp::And);
    EXPECT_EQ(view.pixel(7, 7), 0x000000u);
    EXPECT_EQ(view.pixel(8, 7), 0x0F0F0Fu);
    view.copyTile(sheet, 0, 0, 0, BlitOp::Or);
    EXPECT_EQ(view.pixel(7, 7), 0x00F0F0u);
    EXPECT_EQ(view.pixel(12, 3), 0x0FFFFFu);

    view.copyTile(sheet, 35, 100, 100, BlitOp::Copy); // wholly outside
    view.copyTile(sheet, 300, 0, 0, BlitOp::Copy);    // past the sheet
    EXPECT_EQ(view.pixel(12, 3), 0x0FFFFFu);
}

} // namespace
} // namespace quorled
