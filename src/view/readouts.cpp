#include "readouts.h"

#include "catalogue.h"
#include "viewstate.h"

#include "romdata/areamodel.h"
#include "romdata/bytes.h"
#include "romdata/headerbits.h"
#include "romdata/levelformat.h"

#include <algorithm>

namespace quorled {

namespace {

const char* const kNothing = "Nothing";
const char* const kGroupGap = "   ";

void describeObject(const AreaModel& area, const ViewState& view, int s, ReadoutTexts& t)
{
    t.objectNumber = "Object #" + dec3(s);
    if (s < 1 || s > area.objCount()) {
        t.objectPosition = "X:00" + std::string(kGroupGap) + "Y:00" + kGroupGap + "Z:00";
        t.objectType = "Object type: 00";
        t.objectName = kNothing;
        return;
    }
    const Catalogue& catalogue = Catalogue::instance();
    const LevelObject& object = area.object(s);
    t.objectPosition = "X:" + hex2(object.x) + kGroupGap + "Y:" + hex2(object.y) + kGroupGap + "Z:" + hex2(object.layer);
    if (object.special) {
        const int kind = object.x & 15;
        std::string first = hex2(object.param[0]);
        std::string second = hex2(object.param[1]);
        if (specialObjExtraBytes[static_cast<std::size_t>(kind)] < 2)
            second.clear();
        if (specialObjExtraBytes[static_cast<std::size_t>(kind)] == 0) {
            first = "none";
            second.clear();
        }
        t.objectType = "Parameters: " + first + " " + second;
        t.objectName = catalogue.specialObjectName(kind);
    } else if (isDoorPointer(area.objects, s, view.showPointersAsObjects)) {
        t.objectType = "Parameter: " + hex2(object.type);
        t.objectName = "Pointer for door, entrance, etc. (previous object)";
    } else {
        t.objectType = "Object type: " + hex2(object.type);
        t.objectName = catalogue.objectTypeName(area.header.objectSet(), std::min(object.type, kSpecialObjectType));
    }
}

void describeEnemy(AreaModel& area, ReadoutTexts& t)
{
    t.enemyNumber = "Enemy #" + dec3(area.selectedEnemy);
    if (area.selectedEnemy < 0)
        area.selectedEnemy = 0;
    const int e = area.selectedEnemy;
    if (e < 1 || e > area.enemyCount()) {
        t.enemyPosition = "X:00" + std::string(kGroupGap) + "Y:00";
        t.enemyType = "Enemy type: 00";
        t.enemyName = kNothing;
        return;
    }
    const Enemy& enemy = area.enemy(e);
    t.enemyPosition = "X:" + hex2(enemy.x) + kGroupGap + "Y:" + hex2(enemy.y);
    t.enemyType = "Enemy type: " + hex2(enemy.type);
    t.enemyName = Catalogue::instance().enemyTypeName(enemy.type);
}

// Clamps the object selection; false when there is no object.
bool clampObjectSelection(AreaModel& area)
{
    if (area.objCount() < 1)
        return false;
    area.selectedObject = std::clamp(area.selectedObject, 1, area.objCount());
    return true;
}

// Negative scroll positions become 0; then a door's pointer follows it.
void finishObjectMove(AreaModel& area, ViewState& view)
{
    view.viewColumn = std::max(view.viewColumn, 0);
    view.viewRow = std::max(view.viewRow, 0);
    const int s = area.selectedObject;
    if (s + 1 > area.objCount() || !view.pointersFollowDoors)
        return;
    const LevelObject& door = area.object(s);
    LevelObject& pointer = area.object(s + 1);
    if (!Catalogue::instance().isDoorType(door.type % 256) || pointer.special)
        return;
    pointer.y = door.y;
    pointer.x = pointer.x % 16 + 16 * (door.x / 16);
}

} // namespace

ReadoutTexts updateReadouts(AreaModel& area, const ViewState& view)
{
    ReadoutTexts t;
    describeObject(area, view, area.selectedObject, t);
    describeEnemy(area, t);
    return t;
}

HeaderBitsDisplay showHeaderBits(const HeaderBits& header, const std::array<std::uint32_t, 3>& bitBoxColours)
{
    HeaderBitsDisplay display;
    for (int k = 1; k <= 32; ++k)
        display.boxColours[static_cast<std::size_t>(k - 1)] = bitBoxColours[static_cast<std::size_t>(header.bit(k))];
    for (int b = 1; b <= 4; ++b) {
        for (int j = 1; j <= 8; ++j) {
            display.text += ' ';
            display.text += static_cast<char>('0' + header.bit(8 * (b - 1) + j));
        }
        display.text += ' ';
    }
    return display;
}

void followSelectedObject(AreaModel& area, ViewState& view)
{
    if (!clampObjectSelection(area))
        return;
    const LevelObject& object = area.object(area.selectedObject);
    if (object.x < view.viewColumn || object.x > view.viewColumn + 15)
        view.viewColumn = object.x - 8;
    if (object.y < view.viewRow || object.y > view.viewRow + 14)
        view.viewRow = object.y - 8;
    finishObjectMove(area, view);
}

void trackDraggedObject(AreaModel& area, ViewState& view)
{
    if (!clampObjectSelection(area))
        return;
    const LevelObject& object = area.object(area.selectedObject);
    if (object.x < view.viewColumn)
        view.viewColumn = object.x;
    if (object.x > view.viewColumn + 15)
        view.viewColumn = object.x - 15;
    if (object.y < view.viewRow)
        view.viewRow = object.y;
    if (object.y > view.viewRow + 14)
        view.viewRow = object.y - 14;
    finishObjectMove(area, view);
}

void followSelectedEnemy(AreaModel& area, ViewState& view)
{
    area.selectedEnemy = std::max(std::min(area.selectedEnemy, area.enemyCount()), 1);
    if (area.enemyCount() < 1)
        return;
    Enemy& enemy = area.enemy(area.selectedEnemy);
    if (enemy.x < view.viewColumn || enemy.x > view.viewColumn + 15)
        view.viewColumn = enemy.x - 8;
    if (enemy.y < view.viewRow || enemy.y > view.viewRow + 14)
        view.viewRow = enemy.y - 8;
    view.viewColumn = std::max(view.viewColumn, 0);
    if (enemy.x > 16 * area.enemyLastPage + 15) {
        // A new page costs one spare byte; book it so a save still fits.
        if (area.enemySpareBytes > 0) {
            ++area.enemyLastPage;
            --area.enemySpareBytes;
        }
        enemy.x = 16 * area.enemyLastPage + 15;
    }
}

} // namespace quorled
