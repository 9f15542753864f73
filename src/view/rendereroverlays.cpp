// The parts of the view drawn over the scenery: screen lines, page
// separators, marks, selection boxes and the enemies.
#include "renderer.h"

#include "catalogue.h"
#include "enemytiles.h"
#include "graphics.h"
#include "viewstate.h"

#include "romdata/areamodel.h"

namespace quorled {

namespace {

// Two filled boxes forming a corner at a cell's top-left pixel.
void drawMark(Picture& picture, int x, int y, std::uint32_t colour)
{
    picture.fillBox(x, y, x + 6, y + 1, colour);
    picture.fillBox(x, y, x + 1, y + 6, colour);
}

} // namespace

void Renderer::drawScreenLines(const ViewState& view)
{
    for (int k = 6; k <= 249; k += 9) {
        const int y = kCell * (k - view.viewRow);
        picture_.line(0, y - 1, kViewWidth, y - 1, kScreenLineUpper);
        picture_.line(0, y, kViewWidth, y, kScreenLineLower);
    }
}

void Renderer::drawPageSeparators(const AreaModel& area, const ViewState& view)
{
    const bool vertical = area.isVertical != 0;
    const int pageSize = vertical ? 15 : 16;
    const int first = (vertical ? view.viewRow : view.viewColumn) / pageSize;
    const int lastPage = area.header.levelLength();
    for (int p = first; p <= first + 2; ++p) {
        if (vertical) {
            const int y = kCell * (15 * p - view.viewRow);
            picture_.line(0, y - 1, kViewWidth, y - 1, kPageLineFirst);
            picture_.line(0, y, kViewWidth, y, kPageLineSecond);
            if (p > lastPage)
                for (int k = 0; k <= 254; k += 2)
                    picture_.line(0, y + k, kViewWidth, y + k, kHatching);
        } else {
            const int x = kCell * (16 * p - view.viewColumn);
            picture_.line(x - 1, 0, x - 1, kViewHeight, kPageLineFirst);
            picture_.line(x, 0, x, kViewHeight, kPageLineSecond);
            if (p > lastPage)
                for (int k = 0; k <= 254; k += 2)
                    picture_.line(x + k, 0, x + k, kViewHeight, kHatching);
        }
    }
}

void Renderer::drawMarks(const AreaModel& area, const ViewState& view)
{
    for (const LevelObject& object : area.objects) {
        if (!objectInDrawWindow(object.x, object.y, view))
            continue;
        drawMark(picture_, kCell * (object.x - view.viewColumn), kCell * (object.y - view.viewRow),
                 object.special ? kSpecialObjectMark : kObjectMark);
    }
}

void Renderer::drawObjectSelection(AreaModel& area, const ViewState& view, int objectSet)
{
    if (area.selectedObject < 0)
        area.selectedObject = 0;
    const int selected = area.selectedObject;
    if (selected < 1 || selected > area.objCount())
        return; // nothing selected
    const Catalogue& catalogue = Catalogue::instance();
    const LevelObject& object = area.object(selected);
    const int drawn = object.special ? 0 : std::min(object.type, kSpecialObjectType);
    const bool pointer = isDoorPointer(area.objects, selected, view.showPointersAsObjects);
    const int width = pointer ? 1 : catalogue.objWidth(objectSet, drawn);
    const int height = pointer ? 1 : catalogue.objHeight(objectSet, drawn);
    const int x1 = kCell * (object.x - view.viewColumn);
    const int y1 = kCell * (object.y - view.viewRow);
    picture_.boxOutline(x1, y1, x1 + kCell * width - 1, y1 + kCell * height - 1, kObjectSelection);
}

void Renderer::drawEnemies(const AreaModel& area, const ViewState& view)
{
    const Catalogue& catalogue = Catalogue::instance();
    const EnemyTileMap& tiles = EnemyTileMap::instance();
    const int colourSheet = GraphicsModel::kFirstEnemySheet + area.header.enemyPalette();
    for (const Enemy& enemy : area.enemies) {
        if (!enemyInDrawWindow(enemy.x, enemy.y, view))
            continue;
        const int width = catalogue.enemyWidth(enemy.type);
        const int height = catalogue.enemyHeight(enemy.type);
        const int step = height < 1 ? -1 : 1;
        for (int yy = 1; step > 0 ? yy <= height : yy >= height; yy += step) {
            for (int xx = 1; xx <= width; ++xx) {
                const int tile = tiles.tile(enemy.type, xx, yy);
                copyCell(tile, GraphicsModel::kEnemyMask, enemy.x + xx - 1, enemy.y + yy - 1, view, BlitOp::And);
                copyCell(tile, colourSheet, enemy.x + xx - 1, enemy.y + yy - 1, view, BlitOp::Or);
            }
        }
    }
    if (view.objectMarks == 1)
        for (const Enemy& enemy : area.enemies)
            if (enemyInDrawWindow(enemy.x, enemy.y, view))
                drawMark(picture_, kCell * (enemy.x - view.viewColumn), kCell * (enemy.y - view.viewRow), kEnemyMark);

    const int selected = area.selectedEnemy;
    if (area.enemyCount() < 1 || selected < 1 || selected > area.enemyCount())
        return;
    const Enemy& enemy = area.enemy(selected);
    const int x1 = kCell * (enemy.x - view.viewColumn);
    const int y1 = kCell * (enemy.y - view.viewRow);
    picture_.boxOutline(x1, y1, x1 + kCell * catalogue.enemyWidth(enemy.type) - 1,
                        y1 + kCell * catalogue.enemyHeight(enemy.type) - 1, kEnemySelection);
}

void drawAreaMapPages(Renderer& renderer, AreaModel& area, const ViewState& view,
                      const std::array<int, 9>& worldFirstArea,
                      const std::function<void(const Picture& picture, int x, int y)>& page)
{
    const bool vertical = area.isVertical != 0;
    const int pages = area.header.levelLength() + 1;
    const int selectedObject = area.selectedObject;
    for (int p = 0; p < pages; ++p) {
        ViewState at = view;
        at.viewColumn = vertical ? 0 : 16 * p;
        at.viewRow = vertical ? 15 * p : 0;
        renderer.drawArea(area, at, worldFirstArea);
        page(renderer.picture(), vertical ? 0 : Renderer::kViewWidth * p, vertical ? Renderer::kViewHeight * p : 0);
    }
    area.selectedObject = selectedObject;
}

Picture drawAreaMap(Renderer& renderer, AreaModel& area, const ViewState& view,
                    const std::array<int, 9>& worldFirstArea)
{
    const bool vertical = area.isVertical != 0;
    const int pages = area.header.levelLength() + 1;
    Picture map(vertical ? Renderer::kViewWidth : Renderer::kViewWidth * pages,
                vertical ? Renderer::kViewHeight * pages : Renderer::kViewHeight);
    drawAreaMapPages(renderer, area, view, worldFirstArea, [&](const Picture& picture, int x, int y) {
        map.blit(picture, 0, 0, Renderer::kViewWidth, Renderer::kViewHeight, x, y, BlitOp::Copy);
    });
    return map;
}

} // namespace quorled
