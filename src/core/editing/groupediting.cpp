#include "core/editing/groupediting.h"

#include "core/editing/areaediting.h"

#include "romdata/levelformat.h"
#include "view/catalogue.h"

#include <algorithm>
#include <climits>

namespace quorled::GroupEditing {

namespace {

constexpr int kLastColumn = 255;
constexpr int kLastVerticalColumn = 15;
constexpr int kLastVerticalRow = 255;
// Limits of a coordinate an item does not move along.
constexpr CellLimits kAnyCell{INT_MIN / 4, INT_MAX / 4, INT_MIN / 4, INT_MAX / 4};

int floorDiv(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }
int wrapByte(int value) { return ((value % 256) + 256) % 256; }

bool horizontalSpecial(const AreaModel& area, const LevelObject& object)
{
    return area.isVertical == 0 && object.special;
}

// Narrows [low, high] to the moves along one axis that keep `position`
// (already moved by nothing) inside [first, last]; outside, only moves
// towards the range are allowed.
void narrow(int position, int first, int last, int& low, int& high)
{
    low = std::max(low, std::min(0, first - position));
    high = std::min(high, std::max(0, last - position));
}

int enemyPage(const AreaModel& area, const Enemy& enemy) { return (area.isVertical != 0 ? enemy.y : enemy.x) / 16; }

bool within(int value, int first, int last) { return first <= value && value <= last; }

bool objectInside(const AreaModel& area, const LevelObject& object)
{
    const CellLimits l = objectLimits(area, object);
    const int x = horizontalSpecial(area, object) ? (object.x & ~15) : object.x;
    return within(x, l.left, l.right) && within(object.y, l.top, l.bottom);
}

bool enemyInside(const AreaModel& area, const Enemy& enemy)
{
    const CellLimits l = enemyLimits(area, enemy);
    return within(enemy.x, l.left, l.right) && within(enemy.y, l.top, l.bottom);
}

std::string byteCount(long n) { return std::to_string(n) + (n == 1 ? " byte" : " bytes"); }

} // namespace

CellLimits objectLimits(const AreaModel& area, const LevelObject& object)
{
    if (area.isVertical != 0) {
        // A special object's column holds its kind: it does not move across,
        // so it sets no column limit.
        if (object.special)
            return {kAnyCell.left, kAnyCell.right, 0, kLastVerticalRow};
        return {0, kLastVerticalColumn, 0, kLastVerticalRow};
    }
    if (object.special) {
        // The page start moves; kinds 0 and 1 have no row to limit.
        const bool rowless = object.kind() < 2;
        return {0, kLastColumn, rowless ? kAnyCell.top : 0, rowless ? kAnyCell.bottom : kRowsPerPage - 1};
    }
    return {0, kLastColumn, 0, kRowsPerPage - 1};
}

CellLimits enemyLimits(const AreaModel& area, const Enemy& enemy)
{
    // Enemies stay on the pages whose bytes are booked.
    const int lastPage = std::max(area.enemyLastPage, enemyPage(area, enemy));
    if (area.isVertical != 0) {
        const int lastRow = std::min(16 * (area.header.levelLength() + 1) - 1, 16 * lastPage + 15);
        return {0, kLastVerticalColumn, 0, std::max(lastRow, 0)};
    }
    return {0, std::min(kLastColumn, 16 * lastPage + 15), 0, kRowsPerPage - 1};
}

LevelObject shiftedObject(const AreaModel& area, const LevelObject& object, CellShift shift)
{
    LevelObject moved = object;
    if (horizontalSpecial(area, object)) {
        moved.x = 16 * floorDiv((object.x & ~15) + shift.dx, 16) + object.kind();
        if (object.kind() >= 2)
            moved.y += shift.dy;
        return moved;
    }
    if (area.isVertical == 0 || !object.special)
        moved.x += shift.dx;
    moved.y += shift.dy;
    return moved;
}

CellShift limitShift(const AreaModel& area, const ItemSelection& items, CellShift wanted)
{
    int lowX = INT_MIN / 2, highX = INT_MAX / 2, lowY = INT_MIN / 2, highY = INT_MAX / 2;
    for (int i : items.objects) {
        const LevelObject& o = area.object(i);
        const CellLimits l = objectLimits(area, o);
        narrow(horizontalSpecial(area, o) ? (o.x & ~15) : o.x, l.left, l.right, lowX, highX);
        narrow(o.y, l.top, l.bottom, lowY, highY);
    }
    for (int i : items.enemies) {
        const Enemy& e = area.enemy(i);
        const CellLimits l = enemyLimits(area, e);
        narrow(e.x, l.left, l.right, lowX, highX);
        narrow(e.y, l.top, l.bottom, lowY, highY);
    }
    return {std::clamp(wanted.dx, lowX, highX), std::clamp(wanted.dy, lowY, highY)};
}

CellShift moveItems(AreaModel& area, const ItemSelection& items, CellShift wanted)
{
    const CellShift shift = limitShift(area, items, wanted);
    if (shift == CellShift{})
        return shift;
    for (int i : items.objects)
        area.object(i) = shiftedObject(area, area.object(i), shift);
    for (int i : items.enemies) {
        area.enemy(i).x += shift.dx;
        area.enemy(i).y += shift.dy;
    }
    return shift;
}

void deleteItems(AreaModel& area, const ItemSelection& items)
{
    for (auto i = items.objects.rbegin(); i != items.objects.rend(); ++i) {
        area.levelSpareFF += AreaEditing::objectBytes(area.object(*i));
        area.objects.erase(area.objects.begin() + (*i - 1));
    }
    for (auto i = items.enemies.rbegin(); i != items.enemies.rend(); ++i) {
        area.enemies.erase(area.enemies.begin() + (*i - 1));
        area.enemySpareBytes += 2;
    }
    if (!items.objects.empty())
        area.selectedObject = std::min(items.objects.front(), area.objCount());
    if (!items.enemies.empty())
        area.selectedEnemy = std::min(items.enemies.front(), area.enemyCount());
    area.group = {};
}

bool stepTypes(AreaModel& area, const ItemSelection& items, bool enemies, int step, bool secondParam)
{
    bool changed = false;
    if (enemies) {
        for (int i : items.enemies) {
            area.enemy(i).type = wrapByte(area.enemy(i).type + step);
            changed = true;
        }
        return changed;
    }
    for (int i : items.objects) {
        LevelObject& o = area.object(i);
        // A door's pointer holds where the door leads, not a type.
        if (isDoorPointer(area.objects, i, false))
            continue;
        if (o.special) {
            int& param = o.param[secondParam ? 1 : 0];
            param = wrapByte(param + step);
        } else {
            o.type = wrapByte(o.type + step);
        }
        changed = true;
    }
    return changed;
}

bool setTypes(AreaModel& area, const ItemSelection& items, bool enemies, int type)
{
    bool changed = false;
    if (enemies) {
        for (int i : items.enemies) {
            changed = changed || area.enemy(i).type != type;
            area.enemy(i).type = type;
        }
        return changed;
    }
    for (int i : items.objects) {
        LevelObject& o = area.object(i);
        if (o.special || isDoorPointer(area.objects, i, false))
            continue;
        changed = changed || o.type != type;
        o.type = type;
    }
    return changed;
}

CellShift origin(const NewItems& items)
{
    CellShift top{INT_MAX, INT_MAX};
    for (const LevelObject& o : items.objects) {
        top.dx = std::min(top.dx, o.x);
        top.dy = std::min(top.dy, o.y);
    }
    for (const Enemy& e : items.enemies) {
        top.dx = std::min(top.dx, e.x);
        top.dy = std::min(top.dy, e.y);
    }
    return items.empty() ? CellShift{} : top;
}

std::optional<Notice> addItems(AreaModel& area, ViewState& view, const NewItems& items, int column, int row,
                               const std::string& title, Room room)
{
    if (items.empty())
        return std::nullopt;
    AreaModel trial = area;
    ItemSelection added;

    // Objects: each in front of its layer's objects, after those added
    // before it in the same layer, so the group keeps its drawing order.
    int lastLayer = 0;
    for (const LevelObject& o : area.objects)
        lastLayer = std::max(lastLayer, o.layer);
    std::vector<std::pair<int, int>> layerEnds; // layer, index after its last added object
    for (LevelObject object : items.objects) {
        object.layer = std::min(object.layer, lastLayer);
        auto end = std::find_if(layerEnds.begin(), layerEnds.end(),
                                [&](const auto& entry) { return entry.first == object.layer; });
        int at = 0;
        if (end != layerEnds.end()) {
            at = end->second;
        } else {
            const auto first = std::find_if(trial.objects.begin(), trial.objects.end(),
                                            [&](const LevelObject& o) { return o.layer == object.layer; });
            at = static_cast<int>(first - trial.objects.begin());
        }
        trial.objects.insert(trial.objects.begin() + at, object);
        // Numbers from the insertion on move one down.
        ItemSelection renumbered;
        for (int i : added.objects)
            renumbered.addObject(i > at ? i + 1 : i);
        added.objects = renumbered.objects;
        added.addObject(at + 1);
        for (auto& entry : layerEnds)
            if (entry.second > at && entry.first != object.layer)
                ++entry.second;
        if (end != layerEnds.end())
            end->second = at + 1;
        else
            layerEnds.emplace_back(object.layer, at + 1);
    }
    for (const Enemy& e : items.enemies) {
        trial.enemies.push_back(e);
        added.addEnemy(trial.enemyCount());
    }

    // Pasted enemies may open new enemy pages (booked below), so the move
    // into place is limited by the area's pages only.
    trial.enemyLastPage = std::max(area.enemyLastPage, area.header.levelLength());
    const CellShift from = origin(items);
    const CellShift wanted{column - from.dx, row - from.dy};
    moveItems(trial, added, wanted);
    const bool inside =
        std::all_of(added.objects.begin(), added.objects.end(),
                    [&](int i) { return objectInside(trial, trial.object(i)); }) &&
        std::all_of(added.enemies.begin(), added.enemies.end(), [&](int i) { return enemyInside(trial, trial.enemy(i)); });
    if (!inside)
        return Notice{"The items don't fit in this area: they reach beyond its columns or rows.", title,
                      NoticeIcon::Information};

    long levelNeed = 0;
    for (int i : added.objects)
        levelNeed += AreaEditing::objectBytes(trial.object(i));
    long enemyNeed = 2L * static_cast<long>(added.enemies.size());
    int lastEnemyPage = area.enemyLastPage;
    for (int i : added.enemies)
        lastEnemyPage = std::max(lastEnemyPage, enemyPage(trial, trial.enemy(i)));
    if (!added.enemies.empty())
        enemyNeed += std::max(0, lastEnemyPage - std::max(area.enemyLastPage, -1));
    if (room == Room::Count && (levelNeed > area.levelSpareFF || enemyNeed > area.enemySpareBytes)) {
        std::string text = "Not enough free space in this area: ";
        if (levelNeed > area.levelSpareFF)
            text += "the objects need " + byteCount(levelNeed) + " of level data and " +
                    byteCount(area.levelSpareFF) + " are free";
        if (enemyNeed > area.enemySpareBytes) {
            if (levelNeed > area.levelSpareFF)
                text += "; ";
            text += "the enemies need " + byteCount(enemyNeed) + " of enemy data and " +
                    byteCount(area.enemySpareBytes) + " are free";
        }
        text += ". Delete items to make room first.";
        return Notice{text, title, NoticeIcon::Information};
    }
    trial.levelSpareFF = static_cast<int>(std::max(0L, trial.levelSpareFF - levelNeed));
    trial.enemySpareBytes = static_cast<int>(std::max(0L, trial.enemySpareBytes - enemyNeed));
    trial.enemyLastPage = added.enemies.empty() ? area.enemyLastPage : std::max(area.enemyLastPage, lastEnemyPage);
    GroupSelection::setSelection(trial, view, added);
    area = std::move(trial);
    return std::nullopt;
}

NewItems copyItems(const AreaModel& area, const ItemSelection& items)
{
    NewItems copy;
    for (int i : items.objects)
        copy.objects.push_back(area.object(i));
    for (int i : items.enemies)
        copy.enemies.push_back(area.enemy(i));
    return copy;
}

std::optional<Notice> duplicate(AreaModel& area, ViewState& view, Room room)
{
    const ItemSelection items = GroupSelection::selectedItems(area, view.editMode);
    if (items.empty())
        return std::nullopt;
    const NewItems copy = copyItems(area, items);
    const CellShift step = limitShift(area, items, {1, 1});
    const CellShift from = origin(copy);
    return addItems(area, view, copy, from.dx + step.dx, from.dy + step.dy, "Can't duplicate!", room);
}

} // namespace quorled::GroupEditing
