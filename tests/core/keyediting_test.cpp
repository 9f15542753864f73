#include "core/editing/keyediting.h"

#include "support/syntheticgraphics.h"
#include "view/viewstate.h"

#include <gtest/gtest.h>

namespace quorled {
namespace {

using testing::horizontalArea;
using testing::normalObject;
using testing::specialObject;
using testing::verticalArea;

KeyEdit press(AreaModel& area, ViewState& view, int key, int shift = 0)
{
    return editWithKey(area, view, key, shift);
}

TEST(KeyScrolling, HorizontalAreasScrollWithLeftAndRight)
{
    AreaModel area = horizontalArea();
    ViewState view;
    EXPECT_FALSE(press(area, view, vk::Left).redraw);
    EXPECT_EQ(view.viewColumn, 0);
    press(area, view, vk::Right);
    EXPECT_EQ(view.viewColumn, 1);
    view.viewColumn = 240;
    EXPECT_FALSE(press(area, view, vk::Right).redraw);
    EXPECT_EQ(view.viewColumn, 240);
    view.viewColumn = 16;
    press(area, view, vk::Left, kShift);
    EXPECT_EQ(view.viewColumn, 0);
    // Up and Down select; they never scroll a horizontal area.
    press(area, view, vk::Down);
    EXPECT_EQ(view.viewRow, 0);
}

TEST(KeyScrolling, PageStepsStayInTheScrollRange)
{
    AreaModel area = horizontalArea();
    ViewState view;
    view.viewColumn = 230;
    press(area, view, vk::Right, kShift);
    EXPECT_EQ(view.viewColumn, 240);
    view.viewColumn = 5;
    press(area, view, vk::Left, kShift);
    EXPECT_EQ(view.viewColumn, 0);
    // Shift with another modifier scrolls by one.
    view.viewColumn = 5;
    press(area, view, vk::Right, kShift | kCtrl);
    EXPECT_EQ(view.viewColumn, 6);
}

TEST(KeyScrolling, VerticalAreasScrollWithUpAndDownByFifteen)
{
    AreaModel area = verticalArea();
    ViewState view;
    press(area, view, vk::Left);
    press(area, view, vk::Right);
    EXPECT_EQ(view.viewColumn, 0);
    press(area, view, vk::Down, kShift);
    EXPECT_EQ(view.viewRow, 15);
    view.viewRow = 235;
    press(area, view, vk::Down, kShift);
    EXPECT_EQ(view.viewRow, 241);
    EXPECT_FALSE(press(area, view, vk::Down).redraw);
    press(area, view, vk::Up);
    EXPECT_EQ(view.viewRow, 240);
}

TEST(KeySelection, PreviousAndNextStopAtTheEnds)
{
    AreaModel area = horizontalArea({normalObject(1, 2, 3), normalObject(2, 4, 3)});
    ViewState view;
    press(area, view, vk::Up);
    EXPECT_EQ(area.selectedObject, 1);
    press(area, view, vk::Down);
    EXPECT_EQ(area.selectedObject, 2);
    press(area, view, vk::Down);
    EXPECT_EQ(area.selectedObject, 2);
    // In a vertical area Left and Right select.
    AreaModel vertical = verticalArea({normalObject(1, 2, 3), normalObject(2, 4, 3)});
    press(vertical, view, vk::Right);
    EXPECT_EQ(vertical.selectedObject, 2);
    press(vertical, view, vk::Left);
    EXPECT_EQ(vertical.selectedObject, 1);
}

TEST(KeySelection, SpaceSwitchesBetweenObjectsAndEnemies)
{
    AreaModel area = horizontalArea({normalObject(1, 2, 3)}, {{5, 1, 1}, {6, 2, 2}});
    ViewState view;
    EXPECT_TRUE(press(area, view, vk::Space).modeChanged);
    EXPECT_EQ(view.editMode, 1);
    press(area, view, vk::Down);
    EXPECT_EQ(area.selectedEnemy, 2);
    EXPECT_EQ(area.selectedObject, 1);
    press(area, view, vk::Space);
    EXPECT_EQ(view.editMode, 0);
}

TEST(KeyMoving, NormalObjectsInHorizontalAreas)
{
    AreaModel area = horizontalArea({normalObject(1, 0, 14)});
    ViewState view;
    press(area, view, vk::Numpad2);
    press(area, view, vk::Numpad4);
    EXPECT_EQ(area.object(1).y, 14);
    EXPECT_EQ(area.object(1).x, 0);
    press(area, view, vk::Numpad6);
    press(area, view, vk::Numpad8);
    EXPECT_EQ(area.object(1).x, 1);
    EXPECT_EQ(area.object(1).y, 13);
    area.object(1).x = 255;
    press(area, view, vk::Numpad6);
    EXPECT_EQ(area.object(1).x, 255);
}

TEST(KeyMoving, ObjectsInVerticalAreas)
{
    AreaModel area = verticalArea({normalObject(1, 15, 254)});
    ViewState view;
    press(area, view, vk::Numpad6);
    EXPECT_EQ(area.object(1).x, 15);
    press(area, view, vk::Numpad2);
    press(area, view, vk::Numpad2);
    EXPECT_EQ(area.object(1).y, 255);
}

TEST(KeyMoving, SpecialObjectsMoveByPagesAndSwapKindsZeroAndOne)
{
    AreaModel area = horizontalArea({specialObject(0, 2, 5)});
    ViewState view;
    press(area, view, vk::Numpad8);
    EXPECT_EQ(area.object(1).x, 33);
    press(area, view, vk::Numpad8);
    EXPECT_EQ(area.object(1).x, 32);
    press(area, view, vk::Numpad2);
    EXPECT_EQ(area.object(1).x, 33);
    EXPECT_EQ(area.object(1).y, 5);
    press(area, view, vk::Numpad4);
    EXPECT_EQ(area.object(1).x, 17);
    press(area, view, vk::Numpad4);
    press(area, view, vk::Numpad4);
    EXPECT_EQ(area.object(1).x, 1);

    AreaModel rows = horizontalArea({specialObject(6, 14, 14)});
    press(rows, view, vk::Numpad6);
    EXPECT_EQ(rows.object(1).x, 16 * 15 + 6);
    press(rows, view, vk::Numpad6);
    EXPECT_EQ(rows.object(1).x, 16 * 15 + 6);
    press(rows, view, vk::Numpad2);
    EXPECT_EQ(rows.object(1).y, 14);
    press(rows, view, vk::Numpad8);
    EXPECT_EQ(rows.object(1).y, 13);
}

TEST(KeyTypes, NormalObjectTypesWrapAroundAByte)
{
    AreaModel area = horizontalArea({normalObject(0xFF, 1, 1)});
    ViewState view;
    press(area, view, vk::Add);
    EXPECT_EQ(area.object(1).type, 0x00);
    area.object(1).type = 0x05;
    press(area, view, vk::Divide);
    EXPECT_EQ(area.object(1).type, 0xF5);
    press(area, view, vk::Multiply);
    press(area, view, vk::Subtract);
    EXPECT_EQ(area.object(1).type, 0x04);
}

TEST(KeyTypes, SpecialObjectsChangeTheirParameters)
{
    AreaModel area = horizontalArea({specialObject(5, 0, 0, 0x0A, 0xFF)});
    ViewState view;
    press(area, view, vk::Add);
    EXPECT_EQ(area.object(1).param[0], 0x0B);
    press(area, view, vk::Add, kShift);
    EXPECT_EQ(area.object(1).param[1], 0x00);
    press(area, view, vk::Multiply, kCtrl);
    EXPECT_EQ(area.object(1).param[1], 0x10);
    EXPECT_EQ(area.object(1).param[0], 0x0B);
    EXPECT_EQ(area.object(1).type, 256);
}

TEST(KeyEnemies, MovingAndTypes)
{
    AreaModel area = horizontalArea({}, {{0x10, 0, 0}});
    area.enemyLastPage = 9;
    ViewState view;
    view.editMode = 1;
    press(area, view, vk::Numpad4);
    press(area, view, vk::Numpad8);
    EXPECT_EQ(area.enemy(1).x, 0);
    EXPECT_EQ(area.enemy(1).y, 0);
    for (int i = 0; i < 20; ++i)
        press(area, view, vk::Numpad2);
    EXPECT_EQ(area.enemy(1).y, 14);
    press(area, view, vk::Numpad6);
    EXPECT_EQ(area.enemy(1).x, 1);
    press(area, view, vk::Divide);
    EXPECT_EQ(area.enemy(1).type, 0x00);
    press(area, view, vk::Subtract);
    EXPECT_EQ(area.enemy(1).type, 0xFF);
}

TEST(KeyEnemies, VerticalAreasMoveDownToTheLastRowFromAnyRow)
{
    // Ten pages of sixteen enemy rows.
    AreaModel area = verticalArea({}, {{0x10, 3, 0}});
    area.enemyLastPage = 9;
    ViewState view;
    view.editMode = 1;
    press(area, view, vk::Numpad2);
    EXPECT_EQ(area.enemy(1).y, 1);
    area.enemy(1).y = 158;
    press(area, view, vk::Numpad2);
    press(area, view, vk::Numpad2);
    EXPECT_EQ(area.enemy(1).y, 159);
}

TEST(KeyEnemies, PreviousKeepsTheSelectionAtOne)
{
    AreaModel area = horizontalArea({}, {{1, 0, 0}, {2, 1, 0}});
    ViewState view;
    view.editMode = 1;
    press(area, view, vk::Up);
    EXPECT_EQ(area.selectedEnemy, 1);
    press(area, view, vk::Down);
    press(area, view, vk::Down);
    EXPECT_EQ(area.selectedEnemy, 2);
}

TEST(KeyEdits, AnEmptyAreaIgnoresMovesAndTypes)
{
    AreaModel area = horizontalArea();
    ViewState view;
    EXPECT_FALSE(press(area, view, vk::Numpad6).redraw);
    EXPECT_FALSE(press(area, view, vk::Add).redraw);
    view.editMode = 1;
    EXPECT_FALSE(press(area, view, vk::Numpad6).redraw);
}

} // namespace
} // namespace quorled
