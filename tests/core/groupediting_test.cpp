#include "core/exchange/groupclipboard.h"
#include "core/editing/groupediting.h"
#include "core/editing/groupselection.h"
#include "core/editing/selectiongesture.h"

#include "core/exchange/areajson.h"

#include "romdata/imageerror.h"
#include "romdata/levelformat.h"
#include "support/syntheticgraphics.h"
#include "view/catalogue.h"

#include <gtest/gtest.h>

#include <sstream>

namespace quorled {
namespace {

using testing::horizontalArea;
using testing::normalObject;
using testing::specialObject;
using testing::verticalArea;

int singleCellType()
{
    const Catalogue& c = Catalogue::instance();
    for (int type = 0; type < 256; ++type)
        if (!c.isDoorType(type) && c.objWidth(0, type) == 1 && c.objHeight(0, type) == 1)
            return type;
    ADD_FAILURE() << "no single-cell object type";
    return 0;
}

int doorType()
{
    for (int type = 0; type < 256; ++type)
        if (Catalogue::instance().isDoorType(type))
            return type;
    return 0;
}

double at(int cell) { return 16.0 * cell + 8.0; }

// Three single-cell objects in a row and one enemy, with room to spare.
AreaModel sampleArea()
{
    const int t = singleCellType();
    AreaModel area = horizontalArea({normalObject(t, 2, 3), normalObject(t, 4, 3), normalObject(t, 10, 10)},
                                    {{0x01, 6, 3}});
    area.levelSpareFF = 20;
    area.enemySpareBytes = 10;
    area.enemyLastPage = 0;
    return area;
}

ItemSelection selection(std::vector<int> objects, std::vector<int> enemies)
{
    return ItemSelection{std::move(objects), std::move(enemies)};
}

TEST(GroupGestures, ClickShiftClickAndEscape)
{
    AreaModel area = sampleArea();
    ViewState view;
    SelectionGesture mouse;
    auto click = [&](int c, int r, int shift) {
        mouse.press(area, view, at(c), at(r), shift);
        mouse.release(area, view);
    };
    click(2, 3, 0);
    EXPECT_EQ(GroupSelection::selectedItems(area, view.editMode), selection({1}, {}));
    click(6, 3, 1); // Shift+click adds the enemy, which becomes current
    EXPECT_EQ(view.editMode, 1);
    EXPECT_EQ(GroupSelection::selectedItems(area, view.editMode), selection({1}, {1}));
    click(4, 3, 1);
    EXPECT_EQ(GroupSelection::summary(area, view.editMode), "3 selected (2 objects, 1 enemy)");
    click(4, 3, 1); // again: taken out, the current item moves to one left
    EXPECT_EQ(GroupSelection::selectedItems(area, view.editMode), selection({1}, {1}));
    EXPECT_EQ(area.selectedObject, 1);
    click(1, 12, 0); // a click on empty space changes nothing
    EXPECT_EQ(GroupSelection::selectedItems(area, view.editMode).size(), 2);
    GroupSelection::selectCurrentOnly(area); // Escape
    EXPECT_EQ(GroupSelection::selectedItems(area, view.editMode).size(), 1);
    EXPECT_EQ(GroupSelection::summary(area, view.editMode), "");
}

TEST(GroupGestures, BoxSelectsWhatItTouchesAndShiftBoxAdds)
{
    AreaModel area = sampleArea();
    ViewState view;
    SelectionGesture mouse;
    const AreaModel before = area;
    mouse.press(area, view, at(1), at(2), 0); // empty cell: a box, not a move
    mouse.move(area, view, 1, at(4), at(4));
    ASSERT_TRUE(mouse.box());
    EXPECT_EQ(*mouse.box(), (CellBox{1, 2, 4, 4}));
    mouse.release(area, view);
    EXPECT_FALSE(mouse.box());
    EXPECT_EQ(area.objects, before.objects);
    EXPECT_EQ(GroupSelection::selectedItems(area, view.editMode), selection({1, 2}, {}));

    mouse.press(area, view, at(2), at(3), 1); // Shift+drag from an item still draws a box
    mouse.move(area, view, 1, at(6), at(3));
    mouse.release(area, view);
    EXPECT_EQ(GroupSelection::selectedItems(area, view.editMode), selection({1, 2}, {1}));
    EXPECT_EQ(area.objects, before.objects);

    mouse.press(area, view, at(9), at(9), 0); // a new box replaces the selection
    mouse.move(area, view, 1, at(11), at(11));
    mouse.release(area, view);
    EXPECT_EQ(GroupSelection::selectedItems(area, view.editMode), selection({3}, {}));
}

TEST(GroupGestures, DragMovesTheGroupAndStopsAsAWholeAtALimit)
{
    AreaModel area = sampleArea();
    ViewState view;
    GroupSelection::setSelection(area, view, selection({1, 2}, {1}));
    SelectionGesture mouse;
    mouse.press(area, view, at(4), at(3), 0);
    EXPECT_EQ(area.selectedObject, 2); // the item clicked becomes current
    mouse.move(area, view, 1, at(5), at(5));
    EXPECT_EQ(area.object(1).x, 3);
    EXPECT_EQ(area.object(2).y, 5);
    EXPECT_EQ(area.enemy(1).x, 7);
    // Far left and down: the first object stops at column 0 and the row at
    // 14, and the others keep their distance to it.
    mouse.move(area, view, 1, at(0), at(40));
    EXPECT_EQ(area.object(1).x, 0);
    EXPECT_EQ(area.object(2).x, 2);
    EXPECT_EQ(area.enemy(1).x, 4);
    EXPECT_EQ(area.object(1).y, 14);
    mouse.release(area, view);
    EXPECT_EQ(area.object(3), sampleArea().object(3));
}

TEST(GroupSelectionRules, DoorPointersGoWithTheirDoorAndStaleGroupsLapse)
{
    const int t = singleCellType();
    AreaModel area = horizontalArea({normalObject(doorType(), 3, 4), normalObject(0x12, 0, 0), normalObject(t, 8, 8)});
    ViewState view;
    GroupSelection::selectOnly(area, view, {false, 1});
    EXPECT_EQ(GroupSelection::selectedItems(area, 0), selection({1, 2}, {}));
    GroupSelection::toggle(area, view, {false, 3});
    EXPECT_EQ(GroupSelection::selectedItems(area, 0), selection({1, 2, 3}, {}));
    // A key that picks another object leaves the group behind.
    area.selectedObject = 2;
    EXPECT_TRUE(GroupSelection::isGroup(area, 0));
    area.objects.pop_back();
    EXPECT_FALSE(GroupSelection::isGroup(area, 0)); // a number out of range
    GroupSelection::selectAll(area, view);
    EXPECT_EQ(GroupSelection::selectedItems(area, 0), selection({1, 2}, {}));
}

struct ShiftCase {
    const char* name;
    AreaModel area;
    ItemSelection items;
    CellShift wanted;
    CellShift expected;
};

TEST(GroupMoves, EachAxisIsCutToTheItemsLimits)
{
    const int t = singleCellType();
    AreaModel enemies = horizontalArea({}, {{1, 20, 3}, {1, 5, 14}});
    enemies.enemyLastPage = 1;
    const std::vector<ShiftCase> cases{
        {"bottom row", horizontalArea({normalObject(t, 5, 13)}), selection({1}, {}), {2, 3}, {2, 1}},
        {"right edge", horizontalArea({normalObject(t, 250, 0)}), selection({1}, {}), {9, 0}, {5, 0}},
        {"vertical columns", verticalArea({normalObject(t, 14, 100)}), selection({1}, {}), {3, 200}, {1, 155}},
        {"booked enemy pages", enemies, selection({}, {1, 2}), {20, 1}, {11, 0}},
        {"row-less special", horizontalArea({specialObject(0, 1, 0), normalObject(t, 1, 3)}), selection({1, 2}, {}),
         {-5, 4}, {-1, 4}},
    };
    for (const ShiftCase& c : cases)
        EXPECT_EQ(GroupEditing::limitShift(c.area, c.items, c.wanted), c.expected) << c.name;
}

TEST(GroupMoves, SpecialObjectsKeepTheirKindAndMoveByPages)
{
    AreaModel area = horizontalArea({specialObject(3, 2, 4)});
    EXPECT_EQ(GroupEditing::shiftedObject(area, area.object(1), {5, 1}).x, 16 * 2 + 3);
    EXPECT_EQ(GroupEditing::shiftedObject(area, area.object(1), {16, 1}).x, 16 * 3 + 3);
    EXPECT_EQ(GroupEditing::shiftedObject(area, area.object(1), {-1, 0}).x, 16 * 1 + 3);
    EXPECT_EQ(GroupEditing::shiftedObject(area, area.object(1), {0, 1}).y, 5);
}

TEST(GroupEdits, DeleteGivesBytesBackAndTypesChangeOnTheTabsKind)
{
    AreaModel area = sampleArea();
    area.object(1).type = 5;
    const ItemSelection items = selection({1, 3}, {1});
    EXPECT_TRUE(GroupEditing::stepTypes(area, items, false, -16, false));
    EXPECT_EQ(area.object(1).type, 0xF5);
    EXPECT_EQ(area.enemy(1).type, 1);
    EXPECT_TRUE(GroupEditing::setTypes(area, items, true, 0x20));
    EXPECT_EQ(area.enemy(1).type, 0x20);
    EXPECT_FALSE(GroupEditing::setTypes(area, items, true, 0x20));

    GroupEditing::deleteItems(area, items);
    EXPECT_EQ(area.objCount(), 1);
    EXPECT_EQ(area.object(1).x, 4);
    EXPECT_EQ(area.enemyCount(), 0);
    EXPECT_EQ(area.levelSpareFF, 24);
    EXPECT_EQ(area.enemySpareBytes, 12);
    EXPECT_TRUE(area.group.empty());
}

TEST(GroupEdits, AddedItemsKeepShapeAndOrderAndBecomeTheSelection)
{
    AreaModel area = sampleArea();
    for (auto& o : area.objects)
        o.layer = 1;
    ViewState view;
    const int t = singleCellType();
    GroupEditing::NewItems items{{normalObject(t, 7, 1), normalObject(t + 1, 9, 2)}, {{2, 8, 4}}};
    for (auto& o : items.objects)
        o.layer = 5; // higher than the area has: its last layer, 1
    ASSERT_EQ(GroupEditing::addItems(area, view, items, 20, 5, "Can't paste!"), std::nullopt);
    ASSERT_EQ(area.objCount(), 5);
    // Layer 1 is the area's last: in front of its first object, in order.
    EXPECT_EQ(area.object(1), (LevelObject{t, 20, 5, false, 1}));
    EXPECT_EQ(area.object(2), (LevelObject{t + 1, 22, 6, false, 1}));
    EXPECT_EQ(area.enemy(2), (Enemy{2, 21, 8}));
    EXPECT_EQ(GroupSelection::selectedItems(area, view.editMode), selection({1, 2}, {2}));
    EXPECT_EQ(area.levelSpareFF, 16);
    EXPECT_EQ(area.enemySpareBytes, 7); // two bytes and one for the new enemy page
    EXPECT_EQ(area.enemyLastPage, 1);

    // At the bottom edge the group is pulled up as a whole.
    ASSERT_EQ(GroupEditing::addItems(area, view, items, 0, 14, "Can't paste!"), std::nullopt);
    EXPECT_EQ(area.object(1).y, 11);
    EXPECT_EQ(area.enemy(3).y, 14);
}

TEST(GroupEdits, RefusalsNameTheBytesAndChangeNothing)
{
    AreaModel area = sampleArea();
    area.levelSpareFF = 3;
    ViewState view;
    const AreaModel before = area;
    const int t = singleCellType();
    const auto refusal =
        GroupEditing::addItems(area, view, {{normalObject(t, 0, 0), normalObject(t, 1, 0)}, {}}, 0, 0, "Can't paste!");
    ASSERT_TRUE(refusal);
    EXPECT_NE(refusal->text.find("need 4 bytes of level data and 3 bytes are free"), std::string::npos)
        << refusal->text;
    EXPECT_EQ(refusal->title, "Can't paste!");
    EXPECT_EQ(area, before);
    // Twenty rows tall cannot fit a horizontal area at all.
    area.levelSpareFF = 20;
    EXPECT_TRUE(GroupEditing::addItems(area, view, {{normalObject(t, 0, 0), normalObject(t, 0, 20)}, {}}, 0, 0, "x"));
    EXPECT_EQ(area.objects, before.objects);
}

TEST(GroupEdits, DuplicateIsOneCellRightAndDown)
{
    AreaModel area = sampleArea();
    ViewState view;
    GroupSelection::setSelection(area, view, selection({1, 2}, {}));
    ASSERT_EQ(GroupEditing::duplicate(area, view), std::nullopt);
    ASSERT_EQ(area.objCount(), 5);
    const ItemSelection copies = GroupSelection::selectedItems(area, view.editMode);
    ASSERT_EQ(copies.objects.size(), 2u);
    EXPECT_EQ(area.object(copies.objects[0]).x, 3);
    EXPECT_EQ(area.object(copies.objects[1]).x, 5);
    EXPECT_EQ(area.object(copies.objects[1]).y, 4);
}

TEST(GroupClipboardText, RoundTripsAndPastesIntoAnotherArea)
{
    AreaModel area = sampleArea();
    ViewState view;
    GroupSelection::selectAll(area, view);
    const std::string text = GroupClipboard::copyText(area, view.editMode, ImageKind::Ines, AreaDirectory{});
    const GroupEditing::NewItems items = GroupClipboard::readText(text);
    EXPECT_EQ(items.objects, area.objects);
    EXPECT_EQ(items.enemies, area.enemies);

    AreaModel other = verticalArea({}, {});
    other.levelSpareFF = 20;
    other.enemySpareBytes = 10;
    other.enemyLastPage = 3;
    ViewState otherView;
    // Nine columns wide: it fits the vertical area's sixteen columns.
    ASSERT_EQ(GroupEditing::addItems(other, otherView, items, 0, 40, "Can't paste!"), std::nullopt);
    EXPECT_EQ(other.object(1).x, 0);
    EXPECT_EQ(other.object(1).y, 40);
    EXPECT_EQ(other.object(3).x, 8);
    EXPECT_EQ(other.object(3).y, 47);
    EXPECT_EQ(other.enemy(1), (Enemy{1, 4, 40}));
    EXPECT_EQ(GroupSelection::selectedItems(other, otherView.editMode).size(), 4);
}

TEST(GroupClipboardText, RefusesTextWithoutItemsOrWithAnEndMarker)
{
    AreaModel area = horizontalArea({specialObject(kKindEnd, 0, 0)});
    ViewState view;
    const std::string marker = GroupClipboard::copyText(area, 0, ImageKind::Ines, AreaDirectory{});
    for (const std::string& text : {marker, std::string("{"), std::string("[]")})
        EXPECT_THROW(GroupClipboard::readText(text), ImageError) << text;
    area.objects.clear();
    std::ostringstream empty;
    writeAreaJson(area, ImageKind::Ines, AreaDirectory{}, empty);
    EXPECT_THROW(GroupClipboard::readText(empty.str()), ImageError);
}

} // namespace
} // namespace quorled
