#include "core/editing/groupselection.h"
#include "core/editing/objectfootprint.h"

#include "view/catalogue.h"

#include <algorithm>

namespace quorled::GroupSelection {

namespace {

ItemRef currentItem(const AreaModel& area, int editMode)
{
    return editMode == 1 ? ItemRef{true, area.selectedEnemy} : ItemRef{false, area.selectedObject};
}

bool validItem(const AreaModel& area, ItemRef item)
{
    return item.index >= 1 && item.index <= (item.enemy ? area.enemyCount() : area.objCount());
}

bool contains(const ItemSelection& items, ItemRef item)
{
    return item.enemy ? items.hasEnemy(item.index) : items.hasObject(item.index);
}

void makeCurrent(AreaModel& area, ViewState& view, ItemRef item)
{
    if (item.enemy) {
        area.selectedEnemy = item.index;
        view.editMode = 1;
    } else {
        area.selectedObject = item.index;
        view.editMode = 0;
    }
}

void addItem(const AreaModel& area, ItemSelection& items, ItemRef item)
{
    if (item.enemy) {
        items.addEnemy(item.index);
        return;
    }
    items.addObject(item.index);
    addDoorPointers(area, items);
}

} // namespace

ItemSelection selectedItems(const AreaModel& area, int editMode)
{
    const ItemRef current = currentItem(area, editMode);
    if (area.groupActive(editMode))
        return area.group;
    ItemSelection one;
    if (validItem(area, current))
        addItem(area, one, current);
    return one;
}

bool isGroup(const AreaModel& area, int editMode) { return selectedItems(area, editMode).size() > 1; }

CellBox itemCells(const AreaModel& area, const ViewState& view, ItemRef item)
{
    const Catalogue& catalogue = Catalogue::instance();
    if (item.enemy) {
        const Enemy& e = area.enemy(item.index);
        return {e.x, e.y, e.x + std::max(1, catalogue.enemyWidth(e.type)) - 1,
                e.y + std::max(1, catalogue.enemyHeight(e.type)) - 1};
    }
    const ObjectFootprint box = objectFootprint(area, item.index, view.showPointersAsObjects);
    return {box.left, box.top, box.left + std::max(box.width, 1) - 1, box.top + std::max(box.height, 1) - 1};
}

std::optional<ItemRef> itemAt(const AreaModel& area, const ViewState& view, int column, int row)
{
    const CellBox cell{column, row, column, row};
    for (int i = 1; i <= area.enemyCount(); ++i) {
        const Catalogue& catalogue = Catalogue::instance();
        const Enemy& e = area.enemy(i);
        // Enemies pick only by their own drawn size, as a click does.
        if (catalogue.enemyWidth(e.type) >= 1 && catalogue.enemyHeight(e.type) >= 1 &&
            itemCells(area, view, {true, i}).touches(cell))
            return ItemRef{true, i};
    }
    for (int i = area.objCount(); i >= 1; --i)
        if (itemCells(area, view, {false, i}).touches(cell))
            return ItemRef{false, i};
    return std::nullopt;
}

void selectOnly(AreaModel& area, ViewState& view, ItemRef item)
{
    if (!validItem(area, item))
        return;
    makeCurrent(area, view, item);
    area.group = {};
    addItem(area, area.group, item);
}

void toggle(AreaModel& area, ViewState& view, ItemRef item)
{
    if (!validItem(area, item))
        return;
    ItemSelection items = selectedItems(area, view.editMode);
    if (!contains(items, item)) {
        addItem(area, items, item);
        area.group = std::move(items);
        makeCurrent(area, view, item);
        return;
    }
    if (item.enemy)
        items.removeEnemy(item.index);
    else
        items.removeObject(item.index);
    if (items.empty())
        return; // the last selected item stays selected
    area.group = std::move(items);
    if (contains(area.group, currentItem(area, view.editMode)))
        return;
    makeCurrent(area, view,
                area.group.objects.empty() ? ItemRef{true, area.group.enemies.back()}
                                           : ItemRef{false, area.group.objects.back()});
}

void setSelection(AreaModel& area, ViewState& view, ItemSelection items)
{
    addDoorPointers(area, items);
    if (items.empty())
        return;
    area.group = std::move(items);
    if (contains(area.group, currentItem(area, view.editMode)))
        return;
    makeCurrent(area, view,
                area.group.objects.empty() ? ItemRef{true, area.group.enemies.front()}
                                           : ItemRef{false, area.group.objects.front()});
}

void selectInBox(AreaModel& area, ViewState& view, const CellBox& box, bool add, const ItemSelection& before)
{
    ItemSelection items = add ? before : ItemSelection{};
    for (int i = 1; i <= area.objCount(); ++i)
        if (itemCells(area, view, {false, i}).touches(box))
            items.addObject(i);
    for (int i = 1; i <= area.enemyCount(); ++i)
        if (itemCells(area, view, {true, i}).touches(box))
            items.addEnemy(i);
    if (items.empty()) {
        selectCurrentOnly(area);
        return;
    }
    setSelection(area, view, std::move(items));
}

void selectAll(AreaModel& area, ViewState& view)
{
    ItemSelection items;
    for (int i = 1; i <= area.objCount(); ++i)
        items.objects.push_back(i);
    for (int i = 1; i <= area.enemyCount(); ++i)
        items.enemies.push_back(i);
    setSelection(area, view, std::move(items));
}

void selectCurrentOnly(AreaModel& area) { area.group = {}; }

void addDoorPointers(const AreaModel& area, ItemSelection& items)
{
    const std::vector<int> objects = items.objects;
    for (int i : objects)
        if (i + 1 <= area.objCount() && isDoorPointer(area.objects, i + 1, false))
            items.addObject(i + 1);
}

std::string summary(const AreaModel& area, int editMode)
{
    const ItemSelection items = selectedItems(area, editMode);
    if (items.size() < 2)
        return {};
    auto count = [](std::size_t n, const char* one, const char* many) {
        return std::to_string(n) + " " + (n == 1 ? one : many);
    };
    return std::to_string(items.size()) + " selected (" + count(items.objects.size(), "object", "objects") + ", " +
           count(items.enemies.size(), "enemy", "enemies") + ")";
}

} // namespace quorled::GroupSelection
