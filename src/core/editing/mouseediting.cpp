#include "core/editing/mouseediting.h"

#include "core/settings/editorsettings.h"
#include "core/editing/objectfootprint.h"

#include "romdata/areamodel.h"
#include "view/catalogue.h"
#include "view/readouts.h"
#include "view/viewstate.h"

#include <algorithm>

namespace quorled {

namespace {

constexpr int kCell = 16;

// Column or row of the tile under a pointer coordinate (truncating division).
int tileAt(double pixel, int viewStart) { return static_cast<int>(roundHalfEven(pixel)) / kCell + viewStart; }

bool inside(int c, int r, int x0, int y0, int w, int h) { return x0 <= c && c < x0 + w && y0 <= r && r < y0 + h; }

} // namespace

bool MouseEditing::press(AreaModel& area, ViewState& view, double x, double y)
{
    const int c = tileAt(x, view.viewColumn);
    const int r = tileAt(y, view.viewRow);
    const Catalogue& catalogue = Catalogue::instance();

    for (int i = 1; i <= area.enemyCount(); ++i) {
        const Enemy& e = area.enemy(i);
        if (inside(c, r, e.x, e.y, catalogue.enemyWidth(e.type), catalogue.enemyHeight(e.type))) {
            area.selectedEnemy = i;
            view.editMode = 1;
            dragDX_ = c - e.x;
            dragDY_ = r - e.y;
            return true;
        }
    }

    int hit = 0;
    for (int i = 1; i <= area.objCount(); ++i) {
        const ObjectFootprint box = objectFootprint(area, i, view.showPointersAsObjects);
        if (inside(c, r, box.left, box.top, box.width, box.height))
            hit = i;
    }
    if (hit == 0)
        return false;
    const LevelObject& o = area.object(hit);
    area.selectedObject = hit;
    view.editMode = 0;
    dragDX_ = c - o.x;
    dragDY_ = r - o.y;
    return true;
}

bool MouseEditing::move(AreaModel& area, ViewState& view, int button, double x, double y)
{
    const int nx = std::max(0, tileAt(x, view.viewColumn) - dragDX_);
    const int ny = std::max(0, tileAt(y, view.viewRow) - dragDY_);
    if (button != 1)
        return false;
    if (view.editMode == 1) {
        if (area.selectedEnemy < 1 || area.selectedEnemy > area.enemyCount())
            return false;
        Enemy& e = area.enemy(area.selectedEnemy);
        e.x = nx;
        e.y = ny;
        return true;
    }
    if (area.selectedObject < 1 || area.selectedObject > area.objCount())
        return false;
    LevelObject& o = area.object(area.selectedObject);
    o.x = nx;
    o.y = ny;
    trackDraggedObject(area, view);
    return true;
}

} // namespace quorled
