// Outlines of the items selected together, and the box a selection drag
// draws.
#include "renderer.h"

#include "catalogue.h"
#include "viewstate.h"

#include "romdata/areamodel.h"

#include <algorithm>

namespace quorled {

void Renderer::drawGroupOutlines(const AreaModel& area, const ViewState& view, int objectSet)
{
    if (area.group.size() < 2 || !area.groupActive(view.editMode))
        return;
    const Catalogue& catalogue = Catalogue::instance();
    auto outline = [&](int x, int y, int width, int height) {
        if (x + width < view.viewColumn - 1 || x > view.viewColumn + 17 || y + height < view.viewRow - 1 ||
            y > view.viewRow + 16)
            return;
        const int x1 = kCell * (x - view.viewColumn);
        const int y1 = kCell * (y - view.viewRow);
        const int x2 = x1 + kCell * std::max(width, 1) - 1;
        const int y2 = y1 + kCell * std::max(height, 1) - 1;
        picture_.boxOutline(x1 + 1, y1 + 1, x2 - 1, y2 - 1, kGroupSelection);
        picture_.boxOutline(x1, y1, x2, y2, kGroupSelection);
    };
    for (int i : area.group.objects) {
        const LevelObject& object = area.object(i);
        const int drawn = object.special ? 0 : std::min(object.type, kSpecialObjectType);
        const bool pointer = isDoorPointer(area.objects, i, view.showPointersAsObjects);
        outline(object.x, object.y, pointer ? 1 : catalogue.objWidth(objectSet, drawn),
                pointer ? 1 : catalogue.objHeight(objectSet, drawn));
    }
    for (int i : area.group.enemies) {
        const Enemy& enemy = area.enemy(i);
        outline(enemy.x, enemy.y, catalogue.enemyWidth(enemy.type), catalogue.enemyHeight(enemy.type));
    }
}

void Renderer::drawGrid()
{
    // Every other pixel, so the scenery shows through.
    for (int k = kCell; k < kViewWidth; k += kCell)
        for (int y = 0; y < kViewHeight; y += 2)
            picture_.fillBox(k, y, k, y, kGrid);
    for (int k = kCell; k < kViewHeight; k += kCell)
        for (int x = 0; x < kViewWidth; x += 2)
            picture_.fillBox(x, k, x, k, kGrid);
}

void Renderer::drawCellBox(int left, int top, int right, int bottom, const ViewState& view)
{
    const int x1 = kCell * (std::min(left, right) - view.viewColumn);
    const int y1 = kCell * (std::min(top, bottom) - view.viewRow);
    const int x2 = kCell * (std::max(left, right) + 1 - view.viewColumn) - 1;
    const int y2 = kCell * (std::max(top, bottom) + 1 - view.viewRow) - 1;
    picture_.boxOutline(x1, y1, x2, y2, kSelectionBox);
}

} // namespace quorled
