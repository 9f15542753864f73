#include "core/editing/mouseediting.h"

#include "core/editing/groupselection.h"
#include "core/editing/objectfootprint.h"

#include "support/syntheticgraphics.h"
#include "view/catalogue.h"
#include "view/viewstate.h"

#include <gtest/gtest.h>

namespace quorled {
namespace {

using testing::horizontalArea;
using testing::normalObject;

// The first type of object set 0 whose size passes the test.
template <typename Test> int objectTypeWhere(Test test)
{
    const Catalogue& c = Catalogue::instance();
    for (int type = 0; type < 256; ++type)
        if (!c.isDoorType(type) && test(c.objWidth(0, type), c.objHeight(0, type)))
            return type;
    ADD_FAILURE() << "no object type of that size";
    return 0;
}

int single() { return objectTypeWhere([](int w, int h) { return w == 1 && h == 1; }); }

int firstDoorType()
{
    for (int type = 0; type < 256; ++type)
        if (Catalogue::instance().isDoorType(type))
            return type;
    return 0;
}

// Pixel in the middle of a tile.
double at(int tile) { return 16.0 * tile + 8.0; }

TEST(MousePicking, AnEnemyOnAnObjectIsPickedFirst)
{
    AreaModel area = horizontalArea({normalObject(single(), 4, 5)}, {{0x01, 4, 5}});
    ViewState view;
    MouseEditing mouse;
    EXPECT_TRUE(mouse.press(area, view, at(4), at(5)));
    EXPECT_EQ(view.editMode, 1);
    EXPECT_EQ(area.selectedEnemy, 1);
}

TEST(MousePicking, TheLaterOfTwoOverlappingObjectsWins)
{
    const int wide = objectTypeWhere([](int w, int h) { return w >= 3 && h == 1; });
    AreaModel area = horizontalArea({normalObject(wide, 2, 5), normalObject(single(), 9, 9), normalObject(wide, 3, 5)});
    ViewState view;
    view.editMode = 1;
    MouseEditing mouse;
    EXPECT_TRUE(mouse.press(area, view, at(4), at(5)));
    EXPECT_EQ(area.selectedObject, 3);
    EXPECT_EQ(view.editMode, 0);
    EXPECT_EQ(mouse.dragDX(), 1);
    EXPECT_TRUE(mouse.press(area, view, at(2), at(5)));
    EXPECT_EQ(area.selectedObject, 1);
}

TEST(MousePicking, ANegativeHeightReachesUpToTheObjectsOwnRow)
{
    const int tall = objectTypeWhere([](int w, int h) { return w > 0 && h < 0 && h >= -14; });
    const int h = Catalogue::instance().objHeight(0, tall);
    // The box covers rows 0 .. -h, ending at the object's own row.
    AreaModel area = horizontalArea({normalObject(tall, 3, -h)});
    ViewState view;
    MouseEditing mouse;
    EXPECT_TRUE(mouse.press(area, view, at(3), at(0)));
    EXPECT_EQ(mouse.dragDY(), h);
    EXPECT_TRUE(mouse.press(area, view, at(3), at(-h)));
    EXPECT_EQ(mouse.dragDY(), 0);
    EXPECT_FALSE(mouse.press(area, view, at(3), at(-h + 1)));
}

TEST(MousePicking, ADoorPointerIsPickedOnlyOnItsOwnTile)
{
    const int wide = objectTypeWhere([](int w, int h) { return w >= 3 && h == 1; });
    AreaModel area = horizontalArea({normalObject(firstDoorType(), 0, 2), normalObject(wide, 6, 8)});
    ViewState view;
    MouseEditing mouse;
    EXPECT_FALSE(mouse.press(area, view, at(7), at(8)));
    EXPECT_TRUE(mouse.press(area, view, at(6), at(8)));
    EXPECT_EQ(area.selectedObject, 2);
    area.selectedObject = 1;
    view.showPointersAsObjects = true;
    EXPECT_TRUE(mouse.press(area, view, at(7), at(8)));
    EXPECT_EQ(area.selectedObject, 2);
}

TEST(MousePicking, AMissChangesNothing)
{
    AreaModel area = horizontalArea({normalObject(single(), 4, 5)}, {{0x01, 8, 5}});
    area.selectedObject = 1;
    ViewState view;
    view.editMode = 1;
    MouseEditing mouse;
    EXPECT_FALSE(mouse.press(area, view, at(12), at(12)));
    EXPECT_EQ(view.editMode, 1);
}

TEST(MousePicking, TheViewPositionIsAdded)
{
    AreaModel area = horizontalArea({normalObject(single(), 40, 5)});
    ViewState view;
    view.viewColumn = 32;
    MouseEditing mouse;
    EXPECT_TRUE(mouse.press(area, view, at(8), at(5)));
    // Pixels are rounded before the division.
    EXPECT_TRUE(mouse.press(area, view, 127.5, at(5)));
    EXPECT_FALSE(mouse.press(area, view, 127.4, at(5)));
}

TEST(MouseDragging, TheItemKeepsItsOffsetToThePointer)
{
    const int wide = objectTypeWhere([](int w, int h) { return w >= 3 && h == 1; });
    AreaModel area = horizontalArea({normalObject(wide, 4, 5)});
    ViewState view;
    MouseEditing mouse;
    ASSERT_TRUE(mouse.press(area, view, at(6), at(5)));
    EXPECT_TRUE(mouse.move(area, view, 1, at(6), at(5)));
    EXPECT_EQ(area.object(1).x, 4);
    EXPECT_TRUE(mouse.move(area, view, 1, at(9), at(5)));
    EXPECT_EQ(area.object(1).x, 7);
    EXPECT_TRUE(mouse.move(area, view, 1, at(0), at(0)));
    EXPECT_EQ(area.object(1).x, 0);
    EXPECT_EQ(area.object(1).y, 0);
}

TEST(MouseDragging, OnlyTheLeftButtonAloneMoves)
{
    AreaModel area = horizontalArea({}, {{0x01, 4, 5}});
    ViewState view;
    MouseEditing mouse;
    ASSERT_TRUE(mouse.press(area, view, at(4), at(5)));
    EXPECT_FALSE(mouse.move(area, view, 2, at(9), at(9)));
    EXPECT_FALSE(mouse.move(area, view, 3, at(9), at(9)));
    EXPECT_FALSE(mouse.move(area, view, 0, at(9), at(9)));
    EXPECT_EQ(area.enemy(1).x, 4);
    EXPECT_TRUE(mouse.move(area, view, 1, at(9), at(2)));
    EXPECT_EQ(area.enemy(1).x, 9);
    EXPECT_EQ(area.enemy(1).y, 2);
}

TEST(MouseDragging, DraggingAnObjectScrollsJustEnough)
{
    AreaModel area = horizontalArea({normalObject(single(), 20, 5)});
    ViewState view;
    view.viewColumn = 16;
    MouseEditing mouse;
    ASSERT_TRUE(mouse.press(area, view, at(4), at(5)));
    mouse.move(area, view, 1, 16.0 * 24, at(5)); // tile 24 -> column 40
    EXPECT_EQ(area.object(1).x, 40);
    EXPECT_EQ(view.viewColumn, 25);
}

TEST(MouseDragging, AMoveWithoutAPickMovesTheSelectedItem)
{
    AreaModel area = horizontalArea({normalObject(single(), 20, 5), normalObject(single(), 2, 2)});
    area.selectedObject = 2;
    ViewState view;
    MouseEditing mouse;
    EXPECT_TRUE(mouse.move(area, view, 1, at(3), at(3)));
    EXPECT_EQ(area.object(2).x, 3);
    EXPECT_EQ(area.object(1).x, 20);
}

// The cells a click and a selection box pick an object by, for each shape
// of catalogue size and for a door's pointer.
TEST(ObjectFootprint, SizesReachRightDownOrBackToTheObjectsCell)
{
    const Catalogue& c = Catalogue::instance();
    const int wide = objectTypeWhere([](int w, int h) { return w >= 3 && h == 1; });
    const int tall = objectTypeWhere([](int w, int h) { return w > 0 && h < 0; });
    // The one type that reaches left is an entrance (a door type).
    int left = 0;
    while (left < 255 && c.objWidth(0, left) >= 0)
        ++left;
    struct Case {
        std::vector<LevelObject> objects;
        int index;
        bool pointersAsObjects;
        ObjectFootprint want;
    };
    const Case cases[] = {
        {{normalObject(wide, 6, 8)}, 1, false, {6, 8, c.objWidth(0, wide), 1}},
        {{normalObject(tall, 3, 9)}, 1, false, {3, 9 + c.objHeight(0, tall), c.objWidth(0, tall), 1 - c.objHeight(0, tall)}},
        {{normalObject(left, 9, 4)}, 1, false, {9 + c.objWidth(0, left), 4, 1 - c.objWidth(0, left), c.objHeight(0, left)}},
        // A door's pointer is one cell unless pointers are shown as objects.
        {{normalObject(firstDoorType(), 0, 2), normalObject(wide, 6, 8)}, 2, false, {6, 8, 1, 1}},
        {{normalObject(firstDoorType(), 0, 2), normalObject(wide, 6, 8)}, 2, true, {6, 8, c.objWidth(0, wide), 1}},
    };
    for (const Case& test : cases) {
        const AreaModel area = horizontalArea(test.objects);
        const ObjectFootprint box = objectFootprint(area, test.index, test.pointersAsObjects);
        EXPECT_EQ(box, test.want) << "object " << test.objects[static_cast<std::size_t>(test.index - 1)].type;
        ViewState view;
        view.showPointersAsObjects = test.pointersAsObjects;
        const CellBox cells = GroupSelection::itemCells(area, view, {false, test.index});
        EXPECT_EQ(cells, (CellBox{box.left, box.top, box.left + std::max(box.width, 1) - 1,
                                  box.top + std::max(box.height, 1) - 1}));
    }
}

} // namespace
} // namespace quorled
