#include "typepictures.h"

#include "catalogue.h"
#include "groundtables.h"
#include "viewstate.h"

namespace quorled {

namespace {

// A ground setting that leaves every row empty, so no type is cut by ground;
// the area's own setting when there is none.
int emptyGroundSetting(int fallback)
{
    for (int setting = 0; setting < 32; ++setting) {
        bool empty = true;
        for (int row = 0; row < 15 && empty; ++row)
            empty = groundCellH(setting, row) == 0;
        if (empty)
            return setting;
    }
    return fallback;
}

constexpr int kGroundSettingBit = 12;
constexpr int kGroundSettingWidth = 5;

} // namespace

TypePictures::TypePictures(const GraphicsSources& sources)
{
    initGraphics(graphics_, sources);
    renderer_ = std::make_unique<Renderer>(graphics_, palettes_);
}

bool TypePictures::follow(const AreaModel& area, const std::array<int, 9>& worldFirstArea,
                          const PaletteTables& palettes)
{
    const HeaderBits& now = area.header;
    const HeaderBits& was = base_.header;
    const bool same = followed_ && worldFirstArea == worldFirstArea_ &&
                      worldOfCurrentArea(area.area, worldFirstArea) == worldOfCurrentArea(base_.area, worldFirstArea_) &&
                      now.objectSet() == was.objectSet() && now.levelPalette() == was.levelPalette() &&
                      now.enemyPalette() == was.enemyPalette() &&
                      palettes.levelPalettes == palettes_.levelPalettes &&
                      palettes.enemyPalettes == palettes_.enemyPalettes;
    if (same)
        return false;
    followed_ = true;
    palettes_ = palettes;
    worldFirstArea_ = worldFirstArea;
    base_ = AreaModel{};
    base_.area = area.area;
    base_.header = area.header;
    base_.header.setBit(1, 1); // drawn as a horizontal area
    base_.header.setField(kGroundSettingBit, kGroundSettingWidth,
                          emptyGroundSetting(area.header.groundSetting()));
    base_.isVertical = 0;
    base_.selectedObject = 0; // no selection box
    base_.selectedEnemy = 0;
    applyLevelPalette(graphics_, base_, worldFirstArea_, palettes_);
    return true;
}

Picture TypePictures::picture(TypeKind kind, int type)
{
    const Catalogue& catalogue = Catalogue::instance();
    AreaModel model = base_;
    const int objectSet = model.header.objectSet();
    const int width = kind == TypeKind::Object ? catalogue.objWidth(objectSet, type) : catalogue.enemyWidth(type);
    const int height = kind == TypeKind::Object ? catalogue.objHeight(objectSet, type) : catalogue.enemyHeight(type);
    const int x = width < 1 ? kCells - 1 : 0;
    const int y = height < 1 ? kCells - 1 : 0;
    if (kind == TypeKind::Object) {
        LevelObject object;
        object.type = type & 0xFF;
        object.x = x;
        object.y = y;
        model.objects.push_back(object);
    } else {
        model.enemies.push_back(Enemy{type & 0xFF, x, y});
    }
    ViewState view;
    view.groundView = 0;
    renderer_->drawArea(model, view, worldFirstArea_);
    Picture out(kSize, kSize);
    out.blit(renderer_->picture(), 0, 0, kSize, kSize, 0, 0, BlitOp::Copy);
    return out;
}

} // namespace quorled
