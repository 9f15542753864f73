#include "renderer.h"

#include "catalogue.h"
#include "graphics.h"
#include "groundtables.h"
#include "tilemaps.h"
#include "viewstate.h"

#include "romdata/areamodel.h"
#include "romdata/coordinates.h"
#include "romdata/palettetables.h"

#include <algorithm>

namespace quorled {

namespace {

// Types whose cells below their top row are left out where the ground is
// solid, in horizontal areas: they stand on the ground and reach down to it.
bool extendsToGround(int type)
{
    switch (type) {
    case 0x06: case 0x07: case 0x08: case 0x0C: case 0x0D: case 0x0F: case 0x12:
    case 0x15: case 0x16: case 0x18: case 0x19: case 0x1F:
        return true;
    default:
        return type >= 0xC0 && type <= 0xCF;
    }
}

constexpr int kVineToTop = 0x12;

} // namespace

bool objectInDrawWindow(int x, int y, const ViewState& view)
{
    return x >= view.viewColumn - 16 && x <= view.viewColumn + 18 && y >= view.viewRow - 16 &&
           y <= view.viewRow + 30;
}

bool enemyInDrawWindow(int x, int y, const ViewState& view)
{
    return x >= view.viewColumn - 16 && x <= view.viewColumn + 16 && y >= view.viewRow - 16 &&
           y <= view.viewRow + 16;
}

Renderer::Renderer(const GraphicsModel& graphics, const PaletteTables& palettes)
    : graphics_(graphics), palettes_(palettes)
{
}

void Renderer::drawArea(AreaModel& area, ViewState& view, const std::array<int, 9>& worldFirstArea)
{
    log_.clear();
    const bool vertical = area.isVertical != 0;
    if (!vertical && view.viewRow >= 1)
        view.viewRow = 0;
    if (vertical && view.viewColumn >= 1)
        view.viewColumn = 0;
    // Drawing the ground needs a position inside the area; the drawing is
    // that of the corrected position.
    if (view.groundView == 1 || view.groundView == 2) {
        view.viewRow = std::max(view.viewRow, 0);
        view.viewColumn = std::max(view.viewColumn, 0);
    }

    paletteWorld_ = worldOfCurrentArea(area.area, worldFirstArea);
    const int objectSet = area.header.objectSet();
    const auto& palette =
        palettes_.levelPalettes[static_cast<std::size_t>(8 * paletteWorld_ + area.header.levelPalette())];
    picture_.clear(graphics_.nesColourRgb[static_cast<std::size_t>(palette[0] & 0x3F)]);

    normalizeObjectCoordinates(area);
    // The ground of the area as it stands now; objects reaching the ground
    // are cut by it whether or not it is shown.
    computeGroundColumns(area, ground_);

    if (view.groundView == 2)
        drawGround(area, view);
    for (int i = 1; i <= area.objCount(); ++i) {
        const LevelObject& object = area.object(i);
        if (objectInDrawWindow(object.x, object.y, view))
            drawObject(area, view, i, objectSet);
    }
    if (view.groundView == 1)
        drawGround(area, view);
    if (vertical && view.screenLineView == 1)
        drawScreenLines(view);
    if (view.pageView == 1)
        drawPageSeparators(area, view);
    if (view.objectMarks == 1)
        drawMarks(area, view);
    drawObjectSelection(area, view, objectSet);
    drawEnemies(area, view);
    drawGroupOutlines(area, view, objectSet);
    if (view.grid)
        drawGrid();
}

bool Renderer::hasGround(int column, int row) const
{
    const int setting = ground_.settingAt(column);
    return setting >= 0 && groundCellH(setting, row) != 0;
}

void Renderer::drawObject(const AreaModel& area, const ViewState& view, int i, int objectSet)
{
    const Catalogue& catalogue = Catalogue::instance();
    const ObjectTileMap& tiles = ObjectTileMap::instance();
    const LevelObject& object = area.object(i);
    const int type = object.type;
    const bool pointer = isDoorPointer(area.objects, i, view.showPointersAsObjects);
    const int drawn = object.special || pointer ? 0 : type;
    const int width = catalogue.objWidth(objectSet, drawn);
    const int height = catalogue.objHeight(objectSet, drawn);

    if (width < 1) {
        // Extends to the left.
        for (int yy = 1; yy <= catalogue.objHeight(objectSet, type); ++yy)
            for (int xx = 1; xx >= catalogue.objWidth(objectSet, type); --xx)
                copyCell(tiles.tile(objectSet, type, xx, yy), GraphicsModel::kWorkingSheet, object.x + xx - 1,
                         object.y + yy - 1, view, BlitOp::Copy);
        return;
    }
    if (height < 1) {
        // Extends upwards; a vine to the top leaves out cells on solid ground.
        for (int yy = 1; yy >= catalogue.objHeight(objectSet, type); --yy) {
            for (int xx = 1; xx <= catalogue.objWidth(objectSet, type); ++xx) {
                const int column = object.x + xx - 1;
                const int testRow = std::max(object.y + yy - 1, 0);
                if (type == kVineToTop && hasGround(column, testRow))
                    continue;
                copyCell(tiles.tile(objectSet, type, xx, yy), GraphicsModel::kWorkingSheet, column,
                         object.y + yy - 1, view, BlitOp::Copy);
            }
        }
        return;
    }
    const bool horizontal = area.isVertical == 0;
    for (int yy = 1; yy <= height; ++yy) {
        for (int xx = 1; xx <= width; ++xx) {
            const int column = object.x + xx - 1;
            const int row = object.y + yy - 1;
            int tile;
            if (object.special) {
                tile = kFirstSpecialLabel + (object.x & 15);
            } else if (pointer) {
                tile = kDoorPointerLabel;
            } else {
                if (yy >= 2 && horizontal && extendsToGround(type) && hasGround(column, std::min(row, 14)))
                    continue;
                tile = tiles.tile(objectSet, drawn, xx, yy);
            }
            copyCell(tile, GraphicsModel::kWorkingSheet, column, row, view, BlitOp::Copy);
        }
    }
}

void Renderer::drawGround(const AreaModel& area, const ViewState& view)
{
    const bool vertical = area.isVertical != 0;
    for (int x = 0; x < 16; ++x) {
        for (int y = 0; y < 15; ++y) {
            const int position = vertical ? view.viewRow + y : view.viewColumn + x;
            const int setting = ground_.settingAt(position);
            if (setting < 0)
                continue; // no ground outside the area's 256 positions
            const int kind = vertical ? groundCellV(setting, x) : groundCellH(setting, y);
            if (kind == 0)
                continue;
            const int type = ground_.typeAt(position) & 7;
            const int tile = vertical ? groundTileV(paletteWorld_, type, kind) : groundTileH(paletteWorld_, type, kind);
            copyTileAt(tile, GraphicsModel::kWorkingSheet, kCell * x, kCell * y, BlitOp::Copy);
        }
    }
}

void Renderer::copyCell(int tile, int sheet, int column, int row, const ViewState& view, BlitOp op)
{
    copyTileAt(tile, sheet, kCell * (column - view.viewColumn), kCell * (row - view.viewRow), op);
}

void Renderer::copyTileAt(int tile, int sheet, int x, int y, BlitOp op)
{
    if (logging_)
        log_.push_back({tile, sheet, x, y, op});
    const Picture* source = &graphics_.working;
    if (sheet == GraphicsModel::kEnemyMask)
        source = &graphics_.enemyMask;
    else if (sheet >= GraphicsModel::kFirstEnemySheet && sheet < GraphicsModel::kFirstEnemySheet + 4)
        source = &graphics_.enemySheets[static_cast<std::size_t>(sheet - GraphicsModel::kFirstEnemySheet)];
    picture_.copyTile(*source, tile, x, y, op);
}

} // namespace quorled
