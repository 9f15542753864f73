#include "view/renderer.h"

#include "support/syntheticgraphics.h"
#include "view/groundtables.h"
#include "view/viewstate.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace quorled {
namespace {

using testing::horizontalArea;
using testing::normalObject;
using testing::specialObject;
using testing::verticalArea;
using testing::workingTileColour;

class RendererTest : public ::testing::Test {
protected:
    RendererTest() : graphics(testing::syntheticGraphics()), palettes(testing::syntheticPalettes()),
                     renderer(graphics, palettes)
    {
        renderer.setCopyLogging(true);
        view.groundView = 0;
    }

    void draw(AreaModel& area) { renderer.drawArea(area, view, testing::kUsualWorldFirstArea); }

    // Working-sheet copies that landed at the top-left pixel of cell (column, row) of the view.
    std::vector<int> tilesAt(int column, int row) const
    {
        std::vector<int> tiles;
        for (const TileCopy& copy : renderer.copyLog())
            if (copy.sheet == GraphicsModel::kWorkingSheet && copy.x == 16 * column && copy.y == 16 * row)
                tiles.push_back(copy.tile);
        return tiles;
    }

    int workingCopies() const
    {
        return static_cast<int>(std::count_if(renderer.copyLog().begin(), renderer.copyLog().end(),
                                              [](const TileCopy& c) { return c.sheet == GraphicsModel::kWorkingSheet; }));
    }

    std::uint32_t pixel(int x, int y) const { return renderer.picture().pixel(x, y); }
    std::uint32_t background() const { return testing::colourNumberRgb(0x21); }

    GraphicsModel graphics;
    PaletteTables palettes;
    Renderer renderer;
    ViewState view;
};

TEST_F(RendererTest, ObjectTilesLandInTheirCells)
{
    AreaModel area = horizontalArea({normalObject(0x10, 3, 5), normalObject(0x14, 8, 2)});
    draw(area);
    EXPECT_EQ(tilesAt(3, 5), std::vector<int>{1});
    EXPECT_EQ(tilesAt(4, 5), std::vector<int>{2});
    // Entrance extending left: cells 8, 7, 6 of rows 2 and 3.
    EXPECT_EQ(tilesAt(8, 2), std::vector<int>{40});
    EXPECT_EQ(tilesAt(7, 2), std::vector<int>{41});
    EXPECT_EQ(tilesAt(6, 3), std::vector<int>{58});
    EXPECT_EQ(workingCopies(), 2 + 6);
    EXPECT_EQ(pixel(16 * 4 + 7, 16 * 5 + 9), workingTileColour(2));
    EXPECT_EQ(pixel(16 * 5, 16 * 5), background());
}

TEST_F(RendererTest, BackgroundIsSlotZeroOfTheAreasLevelPalette)
{
    AreaModel area = horizontalArea();
    area.area = 35; // world index 1
    area.header.setField(3, 3, 3);
    draw(area);
    EXPECT_EQ(pixel(100, 100), testing::colourNumberRgb(0x21 + 8 + 3));
}

TEST_F(RendererTest, DrawingNormalisesObjectCoordinatesOnce)
{
    AreaModel area = horizontalArea({normalObject(0x00, 2, 18)}); // page 1, row 3
    draw(area);
    draw(area);
    EXPECT_EQ(area.object(1).x, 18);
    EXPECT_EQ(area.object(1).y, 3);
}

TEST_F(RendererTest, ObjectsOutsideTheDrawWindowAreSkipped)
{
    AreaModel area = horizontalArea({normalObject(0x00, 35, 1), normalObject(0x00, 34, 1),
                                     normalObject(0x1F, 0, 1)});
    view.viewColumn = 16;
    draw(area);
    EXPECT_TRUE(tilesAt(19, 1).empty()); // column 35 lies past viewColumn + 18
    EXPECT_EQ(tilesAt(18, 1), std::vector<int>{24});
    // The large platform at column 0 starts exactly 16 columns left of the view.
    EXPECT_FALSE(tilesAt(-5, 1).empty());
}

TEST_F(RendererTest, JarOnGroundLosesCellsOnSolidGroundInHorizontalAreas)
{
    AreaModel area = horizontalArea({normalObject(0x06, 4, 6)});
    area.header.setField(12, 5, 2); // "-------xXXXXXXX": rows 7..14 solid
    draw(area);
    EXPECT_EQ(tilesAt(4, 6), std::vector<int>{11});
    EXPECT_TRUE(tilesAt(4, 7).empty());
    EXPECT_TRUE(tilesAt(4, 8).empty());

    AreaModel vertical = verticalArea({normalObject(0x06, 4, 6)});
    vertical.header.setField(12, 5, 2);
    draw(vertical);
    EXPECT_EQ(tilesAt(4, 6), std::vector<int>{11});
    EXPECT_EQ(tilesAt(4, 7), std::vector<int>{13});
    EXPECT_EQ(tilesAt(4, 8), std::vector<int>{27});
}

TEST_F(RendererTest, TallObjectsTestTheLastRowBelowTheScreen)
{
    // A vine to the ground at row 10 reaches rows 10..25; rows below 14 test row 14.
    AreaModel area = horizontalArea({normalObject(0x0C, 2, 10), normalObject(0x0C, 3, 10)});
    area.header.setField(12, 5, 2);
    area.objects.push_back(specialObject(0, 0, 0, 0x08)); // setting 8 (no ground) from column 8
    draw(area);
    EXPECT_EQ(tilesAt(2, 10), std::vector<int>{35});
    EXPECT_TRUE(tilesAt(2, 11).empty());
    EXPECT_EQ(tilesAt(2, 20).size(), 0u);
    EXPECT_EQ(renderer.groundColumns().setting[8], 8);
}

TEST_F(RendererTest, ObjectsThatDoNotReachTheGroundAreNotCut)
{
    AreaModel area = horizontalArea({normalObject(0x09, 4, 6)}); // door, 1 x 2
    area.header.setField(12, 5, 2);
    draw(area);
    EXPECT_EQ(tilesAt(4, 7), std::vector<int>{28});
}

TEST_F(RendererTest, VineToTopLeavesOutCellsOnSolidGround)
{
    AreaModel area = horizontalArea({normalObject(0x12, 5, 10)});
    area.header.setField(12, 5, 2);
    draw(area);
    // Rows 10 up to -5; rows 7..10 are solid, rows above 0 test row 0 (empty).
    EXPECT_TRUE(tilesAt(5, 10).empty());
    EXPECT_TRUE(tilesAt(5, 7).empty());
    EXPECT_EQ(tilesAt(5, 6), std::vector<int>{51});
    EXPECT_EQ(tilesAt(5, -5), std::vector<int>{51});
    EXPECT_EQ(workingCopies(), 12);

    AreaModel vertical = verticalArea({normalObject(0x12, 5, 10)});
    vertical.header.setField(12, 5, 2);
    draw(vertical);
    EXPECT_EQ(workingCopies(), 12); // the row lookup is the same in vertical areas
}

TEST_F(RendererTest, VineToTopInAVerticalAreaBelowTheFirstPageIsDrawnWhole)
{
    AreaModel area = verticalArea({normalObject(0x12, 5, 40)});
    area.header.setField(12, 5, 2);
    view.viewRow = 30;
    draw(area);
    EXPECT_EQ(workingCopies(), 16);
    EXPECT_EQ(tilesAt(5, 10), std::vector<int>{67});
}

TEST_F(RendererTest, DoorPointerIsDrawnAsLabelUnlessShownAsObject)
{
    AreaModel area = horizontalArea({normalObject(0x0A, 2, 5), normalObject(0x33, 3, 6)});
    draw(area);
    EXPECT_EQ(tilesAt(3, 6), std::vector<int>{Renderer::kDoorPointerLabel});
    EXPECT_TRUE(tilesAt(4, 6).empty());

    view.showPointersAsObjects = true;
    draw(area);
    EXPECT_EQ(tilesAt(3, 6), std::vector<int>{45}); // set 0: row of bricks
    EXPECT_EQ(tilesAt(6, 6), std::vector<int>{45});
}

TEST_F(RendererTest, SpecialObjectsShowTheirKindLabel)
{
    AreaModel area = horizontalArea({specialObject(5, 1, 4, 0x0A, 0x1F), specialObject(15, 0, 2)});
    draw(area);
    EXPECT_EQ(tilesAt(21, 4).size(), 0u); // off screen
    EXPECT_EQ(tilesAt(15, 2), std::vector<int>{255});
    view.viewColumn = 16;
    draw(area);
    EXPECT_EQ(tilesAt(5, 4), std::vector<int>{245});
}

TEST_F(RendererTest, GroundModesOrderGroundAndObjects)
{
    AreaModel area = horizontalArea({normalObject(0x00, 1, 13)});
    area.header.setField(12, 5, 0); // rows 13 and 14 solid
    view.groundView = 0;
    draw(area);
    EXPECT_EQ(tilesAt(1, 13), std::vector<int>{24});
    EXPECT_EQ(workingCopies(), 1);

    view.groundView = 1; // ground above objects
    draw(area);
    const int groundTile = groundTileH(0, 0, 1);
    EXPECT_EQ(tilesAt(1, 13), (std::vector<int>{24, groundTile}));
    EXPECT_EQ(workingCopies(), 1 + 32);
    EXPECT_EQ(pixel(20, 13 * 16 + 3), workingTileColour(groundTile));

    view.groundView = 2; // objects above ground
    draw(area);
    EXPECT_EQ(tilesAt(1, 13), (std::vector<int>{groundTile, 24}));
    EXPECT_EQ(pixel(20, 13 * 16 + 3), workingTileColour(24));
}

TEST_F(RendererTest, GroundTilesFollowWorldAndType)
{
    AreaModel area = horizontalArea();
    area.area = 100; // world index 3
    area.header.setField(12, 5, 0);
    area.header.setField(27, 3, 5);
    view.groundView = 1;
    draw(area);
    EXPECT_EQ(tilesAt(0, 13), std::vector<int>{groundTileH(3, 5, 1)});
    EXPECT_EQ(tilesAt(0, 14), std::vector<int>{groundTileH(3, 5, 2)});
}

TEST_F(RendererTest, VerticalGroundReadsColumnPatternsByRow)
{
    AreaModel area = verticalArea();
    area.header.setField(12, 5, 1); // "X--------------X"
    view.groundView = 1;
    draw(area);
    EXPECT_EQ(tilesAt(0, 4), std::vector<int>{groundTileV(0, 0, 2)});
    EXPECT_EQ(tilesAt(15, 4), std::vector<int>{groundTileV(0, 0, 2)});
    EXPECT_TRUE(tilesAt(1, 4).empty());
}

TEST_F(RendererTest, NoGroundPastTheLastPosition)
{
    AreaModel area = horizontalArea();
    area.header.setField(12, 5, 9); // ground on rows 0..14
    view.groundView = 1;
    view.viewColumn = 248;
    draw(area);
    EXPECT_EQ(tilesAt(7, 0).size(), 1u);
    EXPECT_TRUE(tilesAt(8, 0).empty());
    EXPECT_EQ(workingCopies(), 8 * 15);
}

TEST_F(RendererTest, NegativePositionIsCorrectedOnlyWhenGroundIsShown)
{
    AreaModel area = horizontalArea({normalObject(0x00, 0, 3)});
    view.viewColumn = -3;
    view.groundView = 0;
    draw(area);
    EXPECT_EQ(view.viewColumn, -3);
    EXPECT_EQ(tilesAt(3, 3), std::vector<int>{24});

    view.groundView = 2;
    draw(area);
    EXPECT_EQ(view.viewColumn, 0);
    EXPECT_EQ(tilesAt(0, 3), std::vector<int>{24});
}

TEST_F(RendererTest, ScrollIsCorrectedAcrossTheAreasDirection)
{
    AreaModel area = horizontalArea();
    view.viewRow = 4;
    draw(area);
    EXPECT_EQ(view.viewRow, 0);
    AreaModel vertical = verticalArea();
    view.viewColumn = 2;
    view.viewRow = 20;
    draw(vertical);
    EXPECT_EQ(view.viewColumn, 0);
    EXPECT_EQ(view.viewRow, 20);
}

TEST_F(RendererTest, PagesPastTheEndAreHatched)
{
    AreaModel area = horizontalArea();
    area.header.setField(17, 4, 3);
    view.pageView = 1;
    view.viewColumn = 56; // pages 3, 4 and 5 in view; page 4 starts at x = 128
    draw(area);
    EXPECT_EQ(pixel(127, 10), Renderer::kPageLineFirst);
    EXPECT_EQ(pixel(128, 10), Renderer::kHatching);
    EXPECT_EQ(pixel(130, 200), Renderer::kHatching);
    EXPECT_EQ(pixel(131, 200), background());
    EXPECT_EQ(pixel(2, 10), background()); // page 3 is inside the area

    area.header.setField(17, 4, 4);
    draw(area);
    EXPECT_EQ(pixel(128, 10), Renderer::kPageLineSecond);
    EXPECT_EQ(pixel(130, 10), background());

    view.pageView = 0;
    area.header.setField(17, 4, 0);
    draw(area);
    EXPECT_EQ(pixel(130, 10), background());
}

TEST_F(RendererTest, VerticalSeparatorsAndScreenLines)
{
    AreaModel area = verticalArea();
    area.header.setField(17, 4, 0);
    view.screenLineView = 1;
    view.viewRow = 10; // screen lines k = 15 and 24 at y = 80 and 224
    draw(area);
    EXPECT_EQ(pixel(40, 79), Renderer::kScreenLineUpper);
    EXPECT_EQ(pixel(40, 80), Renderer::kScreenLineLower);
    EXPECT_EQ(pixel(40, 81), background());
    EXPECT_EQ(pixel(40, 223), Renderer::kScreenLineUpper);
    EXPECT_EQ(pixel(40, 224), Renderer::kScreenLineLower);

    // Page 1 starts at y = 80 and lies past the area's single page.
    view.pageView = 1;
    draw(area);
    EXPECT_EQ(pixel(40, 79), Renderer::kPageLineFirst);
    EXPECT_EQ(pixel(40, 80), Renderer::kHatching);
    EXPECT_EQ(pixel(40, 81), background());
    EXPECT_EQ(pixel(40, 223), Renderer::kScreenLineUpper);
    EXPECT_EQ(pixel(40, 224), Renderer::kHatching);
    EXPECT_EQ(pixel(40, 10), background());

    // Screen lines belong to vertical areas only.
    AreaModel horizontal = horizontalArea();
    view.pageView = 0;
    view.viewRow = 0;
    draw(horizontal);
    EXPECT_EQ(pixel(40, 95), background());
}

TEST_F(RendererTest, MarksFormACornerAtTheTopLeftPixel)
{
    AreaModel area = horizontalArea({normalObject(0x00, 2, 3), specialObject(4, 0, 5)},
                                    {Enemy{0x01, 9, 7}});
    area.selectedObject = 0; // no selection boxes over the marks
    area.selectedEnemy = 0;
    view.objectMarks = 1;
    draw(area);
    const int x = 32, y = 48;
    EXPECT_EQ(pixel(x + 6, y + 1), Renderer::kObjectMark);
    EXPECT_EQ(pixel(x + 1, y + 6), Renderer::kObjectMark);
    EXPECT_EQ(pixel(x + 7, y), workingTileColour(24));
    EXPECT_EQ(pixel(x + 2, y + 6), workingTileColour(24));
    EXPECT_EQ(pixel(x + 6, y + 2), workingTileColour(24));
    EXPECT_EQ(pixel(64, 80), Renderer::kSpecialObjectMark);
    EXPECT_EQ(pixel(144 + 5, 112), Renderer::kEnemyMark);

    view.objectMarks = 0;
    draw(area);
    EXPECT_EQ(pixel(64 + 1, 80 + 5), workingTileColour(244));
}

TEST_F(RendererTest, ObjectSelectionBoxCoversTheObjectsSize)
{
    AreaModel area = horizontalArea({normalObject(0x10, 2, 3), normalObject(0x0A, 6, 3), normalObject(0x33, 8, 8),
                                     normalObject(0x14, 12, 5)});
    area.selectedObject = 1; // cloud, 2 x 1
    draw(area);
    EXPECT_EQ(pixel(32, 48), Renderer::kObjectSelection);
    EXPECT_EQ(pixel(63, 63), Renderer::kObjectSelection);
    EXPECT_EQ(pixel(64, 48), background());
    EXPECT_EQ(pixel(40, 50), workingTileColour(1));

    area.selectedObject = 3; // door pointer: one cell whatever its type
    draw(area);
    EXPECT_EQ(pixel(128 + 15, 128 + 15), Renderer::kObjectSelection);
    EXPECT_EQ(pixel(128 + 16, 128), background());

    area.selectedObject = 4; // extends left: from x1 back to x1 - 17
    draw(area);
    EXPECT_EQ(pixel(192, 80), Renderer::kObjectSelection);
    EXPECT_EQ(pixel(192 - 17, 80 + 31), Renderer::kObjectSelection);
    EXPECT_NE(pixel(192 - 18, 80 + 5), Renderer::kObjectSelection);

    area.selectedObject = -4;
    draw(area);
    EXPECT_EQ(area.selectedObject, 0);
}

TEST_F(RendererTest, EnemiesAreDrawnThroughTheMask)
{
    AreaModel area = horizontalArea({normalObject(0x00, 4, 6)}, {Enemy{0x01, 4, 6}});
    area.header.setField(7, 2, 2);
    area.selectedEnemy = 0; // no enemy box over the pixels checked below
    draw(area);
    EXPECT_EQ(pixel(64 + 3, 96 + 5), testing::enemyTileColour(2, 0)); // mask black: sprite
    EXPECT_EQ(pixel(64 + 12, 96 + 5), workingTileColour(24));        // mask white: scenery
    const auto& log = renderer.copyLog();
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log[log.size() - 2], (TileCopy{0, GraphicsModel::kEnemyMask, 64, 96, BlitOp::And}));
    EXPECT_EQ(log.back(), (TileCopy{0, 102, 64, 96, BlitOp::Or}));
}

TEST_F(RendererTest, GorlumpAtTheRightEdgeIsClipped)
{
    AreaModel area = horizontalArea({}, {Enemy{0x2C, 15, 2}});
    draw(area);
    int gorlumpCopies = 0;
    for (const TileCopy& copy : renderer.copyLog())
        if (copy.sheet == 100)
            ++gorlumpCopies;
    EXPECT_EQ(gorlumpCopies, 9);
    EXPECT_EQ(pixel(240 + 2, 32 + 2), testing::enemyTileColour(0, 75));
    EXPECT_EQ(pixel(255, 32 + 2), background()); // right half of the mask tile is white
    EXPECT_EQ(renderer.picture().width(), 256);
    // Enemy selection box: 3 x 3 cells, its right side off the picture.
    EXPECT_EQ(pixel(240, 32), Renderer::kEnemySelection);
    EXPECT_EQ(pixel(240, 32 + 47), Renderer::kEnemySelection);
}

TEST_F(RendererTest, EnemyWindowIsSixteenCellsEachWay)
{
    AreaModel area = horizontalArea({}, {Enemy{0x01, 33, 2}, Enemy{0x01, 32, 2}});
    view.viewColumn = 16;
    draw(area);
    int copies = 0;
    for (const TileCopy& copy : renderer.copyLog())
        if (copy.op == BlitOp::Or)
            ++copies;
    EXPECT_EQ(copies, 1);
}

TEST_F(RendererTest, AreaMapPlacesPagesSideBySide)
{
    AreaModel area = horizontalArea({normalObject(0x00, 18, 4)});
    area.header.setField(17, 4, 1);
    area.selectedObject = 1;
    const Picture map = drawAreaMap(renderer, area, view, testing::kUsualWorldFirstArea);
    EXPECT_EQ(map.width(), 512);
    EXPECT_EQ(map.height(), 240);
    EXPECT_EQ(map.pixel(256 + 32 + 5, 64 + 5), workingTileColour(24));
    EXPECT_EQ(view.viewColumn, 0);

    AreaModel vertical = verticalArea({normalObject(0x00, 2, 18)});
    vertical.header.setField(17, 4, 2);
    const Picture stacked = drawAreaMap(renderer, vertical, view, testing::kUsualWorldFirstArea);
    EXPECT_EQ(stacked.width(), 256);
    EXPECT_EQ(stacked.height(), 720);
    EXPECT_EQ(stacked.pixel(32 + 5, 240 + 48 + 5), workingTileColour(24));
}

TEST_F(RendererTest, RedrawReusesThePicture)
{
    AreaModel area = horizontalArea({normalObject(0x00, 2, 3)});
    draw(area);
    const std::uint32_t* before = renderer.picture().pixels().data();
    draw(area);
    EXPECT_EQ(renderer.picture().pixels().data(), before);
}

} // namespace
} // namespace quorled
