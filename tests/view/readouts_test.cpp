#include "view/readouts.h"

#include "support/syntheticgraphics.h"
#include "view/viewstate.h"

#include <gtest/gtest.h>

namespace quorled {
namespace {

using testing::horizontalArea;
using testing::normalObject;
using testing::specialObject;

TEST(ReadoutsTest, NormalObjectShowsPositionTypeAndName)
{
    AreaModel area = horizontalArea({normalObject(0x00, 2, 3), normalObject(0x32, 0x9F, 4)});
    area.objects[1].layer = 1;
    area.selectedObject = 2;
    const ReadoutTexts t = updateReadouts(area, ViewState{});
    EXPECT_EQ(t.objectNumber, "Object #002");
    EXPECT_EQ(t.objectPosition, "X:9F   Y:04   Z:01");
    EXPECT_EQ(t.objectType, "Object type: 32");
    EXPECT_EQ(t.objectName, "Row of 3 bricks"); // object set 0
}

TEST(ReadoutsTest, ObjectNamesFollowTheObjectSet)
{
    AreaModel area = horizontalArea({normalObject(0x42, 0, 0)});
    area.header.setField(21, 4, 5);
    EXPECT_EQ(updateReadouts(area, ViewState{}).objectName, "Sand platform, 3 squares large");
}

TEST(ReadoutsTest, SpecialObjectParameters)
{
    AreaModel area = horizontalArea({specialObject(3, 0, 0, 0x44), specialObject(5, 1, 0, 0x0A, 0x1F),
                                     specialObject(6, 1, 0, 0x07, 0x99)});
    area.selectedObject = 1;
    ReadoutTexts t = updateReadouts(area, ViewState{});
    EXPECT_EQ(t.objectType, "Parameters: none ");
    EXPECT_EQ(t.objectName, "Special object, skips two pages");

    area.selectedObject = 2;
    t = updateReadouts(area, ViewState{});
    EXPECT_EQ(t.objectType, "Parameters: 0A 1F");
    EXPECT_EQ(t.objectName, "Special object, acts as a pointer");
    EXPECT_EQ(t.objectPosition, "X:15   Y:00   Z:00");

    area.selectedObject = 3;
    t = updateReadouts(area, ViewState{});
    EXPECT_EQ(t.objectType, "Parameters: 07 ");
    EXPECT_EQ(t.objectName, "Special object, changes ground type");
}

TEST(ReadoutsTest, DoorPointerShowsItsParameterUnlessShownAsObject)
{
    AreaModel area = horizontalArea({normalObject(0x0A, 1, 1), normalObject(0x2B, 1, 1)});
    area.selectedObject = 2;
    ViewState view;
    ReadoutTexts t = updateReadouts(area, view);
    EXPECT_EQ(t.objectType, "Parameter: 2B");
    EXPECT_EQ(t.objectName, "Pointer for door, entrance, etc. (previous object)");

    view.showPointersAsObjects = true;
    t = updateReadouts(area, view);
    EXPECT_EQ(t.objectType, "Object type: 2B");
    EXPECT_EQ(t.objectName, "1st vigour cap (in the shadow world)");
}

TEST(ReadoutsTest, EnemyTextsAndNegativeSelection)
{
    AreaModel area = horizontalArea({normalObject(0, 0, 0)}, {Enemy{0x01, 0x35, 10}, Enemy{0x60, 3, 4}});
    ReadoutTexts t = updateReadouts(area, ViewState{});
    EXPECT_EQ(t.enemyNumber, "Enemy #001");
    EXPECT_EQ(t.enemyPosition, "X:35   Y:0A");
    EXPECT_EQ(t.enemyType, "Enemy type: 01");
    EXPECT_EQ(t.enemyName, "Hoodling (red)");

    area.selectedEnemy = 2;
    EXPECT_EQ(updateReadouts(area, ViewState{}).enemyName,
              "Stray fireball (level boss, makes a door appear when defeated)");

    area.selectedEnemy = -1;
    t = updateReadouts(area, ViewState{});
    EXPECT_EQ(t.enemyNumber, "Enemy #-01");
    EXPECT_EQ(area.selectedEnemy, 0);
    EXPECT_EQ(t.enemyName, "Nothing");
}

TEST(ReadoutsTest, MissingObjectShowsNothing)
{
    AreaModel area = horizontalArea();
    const ReadoutTexts t = updateReadouts(area, ViewState{});
    EXPECT_EQ(t.objectNumber, "Object #001");
    EXPECT_EQ(t.objectName, "Nothing");
    EXPECT_EQ(t.enemyName, "Nothing");
}

TEST(ReadoutsTest, HeaderBitsTextAndBoxes)
{
    AreaModel area = horizontalArea();
    area.header = HeaderBits::fromBytes({0x81, 0x00, 0xF0, 0x03});
    const std::array<std::uint32_t, 3> colours{0xC0E0FF, 0x004080, 0x6090C0};
    const HeaderBitsDisplay display = showHeaderBits(area.header, colours);
    EXPECT_EQ(display.text, " 1 0 0 0 0 0 0 1  0 0 0 0 0 0 0 0  1 1 1 1 0 0 0 0  0 0 0 0 0 0 1 1 ");
    EXPECT_EQ(display.boxColours[0], 0x004080u);
    EXPECT_EQ(display.boxColours[1], 0xC0E0FFu);
    EXPECT_EQ(display.boxColours[31], 0x004080u);
}

TEST(ReadoutsTest, KeyboardMoveScrollsEightCellsFromTheEdge)
{
    AreaModel area = horizontalArea({normalObject(0x00, 40, 3)});
    ViewState view;
    view.viewColumn = 16;
    followSelectedObject(area, view);
    EXPECT_EQ(view.viewColumn, 32);
    EXPECT_EQ(view.viewRow, 0);

    view.viewColumn = 16;
    trackDraggedObject(area, view);
    EXPECT_EQ(view.viewColumn, 25);

    area.object(1).x = 3;
    view.viewColumn = 16;
    followSelectedObject(area, view);
    EXPECT_EQ(view.viewColumn, 0); // 3 - 8 is corrected to 0
    view.viewColumn = 16;
    trackDraggedObject(area, view);
    EXPECT_EQ(view.viewColumn, 3);
}

TEST(ReadoutsTest, FollowClampsTheSelection)
{
    AreaModel area = horizontalArea({normalObject(0, 1, 1), normalObject(0, 2, 1)});
    ViewState view;
    area.selectedObject = 7;
    followSelectedObject(area, view);
    EXPECT_EQ(area.selectedObject, 2);
    area.selectedObject = -3;
    followSelectedObject(area, view);
    EXPECT_EQ(area.selectedObject, 1);

    AreaModel empty = horizontalArea();
    empty.selectedObject = 5;
    followSelectedObject(empty, view);
    EXPECT_EQ(empty.selectedObject, 5);
}

TEST(ReadoutsTest, DoorPointerFollowsTheDoor)
{
    AreaModel area = horizontalArea({normalObject(0x0A, 0x25, 9), normalObject(0x10, 0x07, 2)});
    ViewState view;
    followSelectedObject(area, view);
    EXPECT_EQ(area.object(2).x, 0x27);
    EXPECT_EQ(area.object(2).y, 9);

    view.pointersFollowDoors = false;
    area.object(1).x = 0x45;
    followSelectedObject(area, view);
    EXPECT_EQ(area.object(2).x, 0x27);

    // A special object after the door stays, and so does the last object.
    view.pointersFollowDoors = true;
    area.objects[1] = specialObject(5, 0, 2, 1, 2);
    followSelectedObject(area, view);
    EXPECT_EQ(area.object(2).x, 5);
    area.selectedObject = 2;
    area.objects[1] = normalObject(0x0A, 3, 3);
    EXPECT_NO_THROW(followSelectedObject(area, view));
}

TEST(ReadoutsTest, EnemyIsKeptWithinTheEnemyPages)
{
    AreaModel area = horizontalArea({}, {Enemy{0x01, 0x35, 4}});
    area.enemyLastPage = 2;
    area.enemySpareBytes = 0;
    ViewState view;
    followSelectedEnemy(area, view);
    EXPECT_EQ(area.enemy(1).x, 0x2F);
    EXPECT_EQ(area.enemyLastPage, 2);
    EXPECT_EQ(view.viewColumn, 0x35 - 8);

    area.enemy(1).x = 0x30;
    area.enemySpareBytes = 1;
    followSelectedEnemy(area, view);
    EXPECT_EQ(area.enemyLastPage, 3);
    EXPECT_EQ(area.enemy(1).x, 0x3F); // the last column of the new page
    EXPECT_EQ(area.enemySpareBytes, 0); // the new page is booked

    area.enemy(1).x = 0x40;
    followSelectedEnemy(area, view);
    EXPECT_EQ(area.enemyLastPage, 3);
    EXPECT_EQ(area.enemy(1).x, 0x3F);
}

TEST(ReadoutsTest, EnemyFollowLeavesANegativeRow)
{
    AreaModel area = horizontalArea({}, {Enemy{0x01, 2, 3}});
    area.enemyLastPage = 0;
    ViewState view;
    view.viewRow = 10;
    area.selectedEnemy = 0;
    followSelectedEnemy(area, view);
    EXPECT_EQ(area.selectedEnemy, 1);
    EXPECT_EQ(view.viewRow, -5);
    EXPECT_EQ(view.viewColumn, 0);

    AreaModel empty = horizontalArea();
    empty.selectedEnemy = 0;
    followSelectedEnemy(empty, view);
    EXPECT_EQ(empty.selectedEnemy, 1);
}

} // namespace
} // namespace quorled
