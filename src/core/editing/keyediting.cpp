#include "core/editing/keyediting.h"

#include "romdata/areamodel.h"
#include "view/readouts.h"
#include "view/viewstate.h"

#include <algorithm>

namespace quorled {

namespace {

int wrapByte(int value) { return ((value % 256) + 256) % 256; }

// Type step of the keypad's *, +, - and / keys; 0 for any other key.
int typeStep(int keyCode)
{
    switch (keyCode) {
    case vk::Multiply: return 16;
    case vk::Add: return 1;
    case vk::Subtract: return -1;
    case vk::Divide: return -16;
    default: return 0;
    }
}

// After * and / the item is followed; after + and - it is only drawn.
bool typeStepFollows(int keyCode) { return keyCode == vk::Multiply || keyCode == vk::Divide; }

void scroll(const AreaModel& area, ViewState& view, int keyCode, int step, KeyEdit& edit)
{
    if (area.isVertical == 0) {
        if (keyCode == vk::Left && view.viewColumn > 0) {
            view.viewColumn = std::max(0, view.viewColumn - step);
            edit.redraw = true;
        }
        if (keyCode == vk::Right && view.viewColumn < kLastViewColumn) {
            view.viewColumn = std::min(kLastViewColumn, view.viewColumn + step);
            edit.redraw = true;
        }
    } else {
        if (keyCode == vk::Up && view.viewRow > 0) {
            view.viewRow = std::max(0, view.viewRow - step);
            edit.redraw = true;
        }
        if (keyCode == vk::Down && view.viewRow < kLastViewRow) {
            view.viewRow = std::min(kLastViewRow, view.viewRow + step);
            edit.redraw = true;
        }
    }
}

// Moves a special object of a horizontal area: keypad 4 and 6 by a page,
// keypad 2 and 8 by a row, or for kinds 0 and 1 swapping the kind.
bool moveSpecialObject(LevelObject& o, int keyCode)
{
    if (keyCode == vk::Numpad4 && o.x >= 16) {
        o.x -= 16;
        return true;
    }
    if (keyCode == vk::Numpad6 && o.x < 240) {
        o.x += 16;
        return true;
    }
    const int kind = o.x % 16;
    if (kind >= 2) {
        if (keyCode == vk::Numpad2 && o.y < 14) {
            ++o.y;
            return true;
        }
        if (keyCode == vk::Numpad8 && o.y > 0) {
            --o.y;
            return true;
        }
        return false;
    }
    if (keyCode == vk::Numpad2 || keyCode == vk::Numpad8) {
        o.x = 16 * (o.x / 16) + (1 - kind);
        return true;
    }
    return false;
}

// Moves a normal object, or any object of a vertical area, by one cell.
bool moveObject(LevelObject& o, int keyCode, int lastColumn, int lastRow)
{
    if (keyCode == vk::Numpad2 && o.y < lastRow) {
        ++o.y;
        return true;
    }
    if (keyCode == vk::Numpad4 && o.x > 0) {
        --o.x;
        return true;
    }
    if (keyCode == vk::Numpad6 && o.x < lastColumn) {
        ++o.x;
        return true;
    }
    if (keyCode == vk::Numpad8 && o.y > 0) {
        --o.y;
        return true;
    }
    return false;
}

void editObjects(AreaModel& area, ViewState& view, int keyCode, int shift, KeyEdit& edit)
{
    bool follow = false;
    if (keyCode == vk::Up - area.isVertical && area.selectedObject >= 2) {
        --area.selectedObject;
        follow = true;
    }
    if (keyCode == vk::Down - area.isVertical) {
        ++area.selectedObject;
        follow = true;
    }
    const int s = area.selectedObject;
    if (s >= 1 && s <= area.objCount()) {
        LevelObject& o = area.object(s);
        if (area.isVertical != 0)
            follow = moveObject(o, keyCode, 15, 255) || follow;
        else if (o.special)
            follow = moveSpecialObject(o, keyCode) || follow;
        else
            follow = moveObject(o, keyCode, 255, 14) || follow;

        if (const int step = typeStep(keyCode); step != 0) {
            if (!o.special)
                o.type = wrapByte(o.type + step);
            else {
                int& param = o.param[shift != 0 ? 1 : 0];
                param = wrapByte(param + step);
            }
            follow = typeStepFollows(keyCode) || follow;
            edit.redraw = true;
        }
    }
    if (follow) {
        followSelectedObject(area, view);
        edit.redraw = true;
    }
}

void editEnemies(AreaModel& area, ViewState& view, int keyCode, KeyEdit& edit)
{
    bool follow = false;
    if (keyCode == vk::Up - area.isVertical && area.selectedEnemy > 0) {
        --area.selectedEnemy;
        follow = true;
    }
    if (keyCode == vk::Down - area.isVertical) {
        ++area.selectedEnemy;
        follow = true;
    }
    const int e = area.selectedEnemy;
    if (e >= 1 && e <= area.enemyCount()) {
        Enemy& enemy = area.enemy(e);
        // In a vertical area enemy rows run 16 to a page over the area's
        // pages; the last one is the area's last row.
        const int lastRow = area.isVertical != 0 ? 16 * (area.header.levelLength() + 1) - 1 : 14;
        if (keyCode == vk::Numpad4 && enemy.x > 0) {
            --enemy.x;
            follow = true;
        }
        if (keyCode == vk::Numpad8 && enemy.y > 0) {
            --enemy.y;
            follow = true;
        }
        if (keyCode == vk::Numpad2 && enemy.y < lastRow) {
            ++enemy.y;
            follow = true;
        }
        if (keyCode == vk::Numpad6) {
            ++enemy.x;
            follow = true;
        }
        if (const int step = typeStep(keyCode); step != 0) {
            enemy.type = wrapByte(enemy.type + step);
            follow = typeStepFollows(keyCode) || follow;
            edit.redraw = true;
        }
    }
    if (follow) {
        followSelectedEnemy(area, view);
        edit.redraw = true;
    }
}

} // namespace

KeyEdit editWithKey(AreaModel& area, ViewState& view, int keyCode, int shift)
{
    KeyEdit edit;
    const int step = shift == kShift ? (area.isVertical != 0 ? 15 : 16) : 1;
    if (keyCode == vk::Space) {
        view.editMode = 1 - view.editMode;
        edit.modeChanged = true;
    }
    scroll(area, view, keyCode, step, edit);
    if (view.editMode == 0)
        editObjects(area, view, keyCode, shift, edit);
    else
        editEnemies(area, view, keyCode, edit);
    return edit;
}

} // namespace quorled
