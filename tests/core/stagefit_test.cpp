#include "core/forms/stagefit.h"

#include <gtest/gtest.h>

namespace quorled {
namespace {

// A panel 420 wide and 400 tall beside the view, 700 x 220 under it; the
// stage adds 20 pixels each way; 10 pixels between stage and panel.
constexpr PixelSize kFrame{20, 20};
constexpr PixelSize kBeside{420, 400};
constexpr PixelSize kBelow{700, 220};
constexpr int kSpacing = 10;

TEST(StageFit, PanelGoesBesideWhenTheViewFitsThereElseBelowElseWhereMoreIsSeen)
{
    struct Case {
        PixelSize room;
        int zoom;
        PanelPlace place;
    };
    const Case cases[] = {
        {{532 + 430, 500}, 2, PanelPlace::Beside},  // just fits beside
        {{531 + 430, 500}, 2, PanelPlace::Beside},  // one short, too low below: beside shows more
        {{531 + 430, 749}, 2, PanelPlace::Below},   // 500 + 10 + 220 + ... tall enough
        {{961, 729}, 2, PanelPlace::Beside},        // fits nowhere: beside shows more
        {{2000, 400}, 2, PanelPlace::Beside},       // too low for either, beside shows more
        {{700, 2000}, 4, PanelPlace::Below},        // narrow and tall
        {{1200, 1000}, 3, PanelPlace::Below},       // 740 + 10 + 220 under 1000
        {{699, 2000}, 1, PanelPlace::Beside},       // the panel is wider than the room below
    };
    for (const Case& c : cases)
        EXPECT_EQ(panelPlace(c.room, stageNeed(c.zoom, kFrame), kBeside, kBelow, kSpacing), c.place)
            << c.room.width << "x" << c.room.height << " at " << c.zoom;
}

TEST(StageFit, FittingZoomIsTheLargestThatShowsTheWholeView)
{
    struct Case {
        PixelSize room;
        int zoom;
    };
    const Case cases[] = {
        {{100, 100}, 1},                       // nothing fits: the smallest
        {{276 + 430, 260}, 1},                 // zoom 1 beside, exactly
        {{532 + 430, 500}, 2},                 // zoom 2 beside, exactly
        {{532 + 429, 500}, 1},                 // a pixel short beside, too low below
        {{788, 740 + 230}, 3},                 // zoom 3 below: 740 + 10 + 220
        {{788, 740 + 229}, 2},                 // a pixel short
        {{1044 + 430, 980}, 4},                // the largest
        {{5000, 5000}, 4},                     // never beyond it
        {{699, 2000}, 1},                      // below, the panel would not fit across
    };
    for (const Case& c : cases)
        EXPECT_EQ(fittingZoom(c.room, kFrame, kBeside, kBelow, kSpacing), c.zoom)
            << c.room.width << "x" << c.room.height;
}

} // namespace
} // namespace quorled
