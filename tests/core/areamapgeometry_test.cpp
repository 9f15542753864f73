#include "core/forms/areamapgeometry.h"

#include "romdata/areamodel.h"
#include "view/viewstate.h"

#include <gtest/gtest.h>

namespace quorled {
namespace {

// An area of `pages` pages (header length field pages - 1).
AreaModel area(int pages, bool vertical)
{
    AreaModel a;
    a.header = HeaderBits::fromBytes({vertical ? 0x00 : 0x80, 0x00, (pages - 1) << 4, 0x00});
    a.isVertical = vertical ? 1 : 0;
    return a;
}

TEST(AreaMapGeometry, SizeAndViewRectangleFollowPagesAndZoom)
{
    ASSERT_EQ(area(4, false).header.levelLength(), 3);
    ViewState view;
    view.viewColumn = 20;
    const AreaMapGeometry full(area(4, false), AreaMapGeometry::kFullSize);
    EXPECT_EQ(full.width(), 1024);
    EXPECT_EQ(full.height(), 240);
    EXPECT_EQ(full.viewRect(view), (MapRect{320, 0, 256, 240}));
    const AreaMapGeometry quarter(area(4, false), 2);
    EXPECT_EQ(quarter.width(), 256);
    EXPECT_EQ(quarter.viewRect(view), (MapRect{80, 0, 64, 60}));
    ViewState down;
    down.viewRow = 30;
    const AreaMapGeometry tall(area(3, true), 16);
    EXPECT_EQ(tall.width(), 512);
    EXPECT_EQ(tall.height(), 1440);
    EXPECT_EQ(tall.viewRect(down), (MapRect{0, 960, 512, 480}));
}

TEST(AreaMapGeometry, ClickCentresTheViewWithinTheArea)
{
    const AreaMapGeometry half(area(4, false), 4); // 2 map pixels a game pixel... halved
    const struct {
        int x;
        int y;
        int column;
    } cases[] = {
        {0, 0, 0},       // left end
        {64, 100, 0},    // still within the first half screen
        {256, 50, 24},   // full-size pixel 512 is column 32: centre there
        {511, 0, 48},    // right end: the last screen
        {5000, 0, 48},   // past it
        {-40, 0, 0},
    };
    for (const auto& c : cases) {
        ViewState view;
        view.viewRow = 3; // a horizontal area does not scroll down
        half.scrollTo(c.x, c.y, view);
        EXPECT_EQ(view.viewColumn, c.column) << c.x;
        EXPECT_EQ(view.viewRow, 0);
        // The rectangle then holds the clicked pixel, unless at an end.
        const MapRect r = half.viewRect(view);
        if (c.column > 0 && c.column < 48) {
            EXPECT_TRUE(c.x >= r.x && c.x < r.x + r.width) << c.x;
        }
    }
    ViewState view;
    view.viewColumn = 24;
    EXPECT_FALSE(half.scrollTo(256, 0, view)) << "no move, no redraw";

    const AreaMapGeometry tall(area(3, true), AreaMapGeometry::kFullSize);
    ViewState down;
    EXPECT_TRUE(tall.scrollTo(100, 360, down));
    EXPECT_EQ(down.viewRow, 15); // row 22.5 centred: rows 15..29
    EXPECT_EQ(down.viewColumn, 0);
    tall.scrollTo(0, 10000, down);
    EXPECT_EQ(down.viewRow, 30);
}

} // namespace
} // namespace quorled
