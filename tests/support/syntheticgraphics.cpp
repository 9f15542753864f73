#include "support/syntheticgraphics.h"

namespace quorled::testing {

namespace {

void fillTiles(Picture& sheet, std::uint32_t (*colour)(int tile, int x))
{
    for (int y = 0; y < sheet.height(); ++y)
        for (int x = 0; x < sheet.width(); ++x)
            sheet.setPixel(x, y, colour(16 * (y / 16) + x / 16, x % 16));
}

} // namespace

GraphicsModel syntheticGraphics()
{
    GraphicsModel model;
    fillTiles(model.working, [](int tile, int) { return workingTileColour(tile); });
    for (int set = 0; set < 4; ++set) {
        Picture sheet(256, 256);
        for (int y = 0; y < 256; ++y)
            for (int x = 0; x < 256; ++x)
                sheet.setPixel(x, y, x % 16 < 8 ? enemyTileColour(set, 16 * (y / 16) + x / 16) : 0);
        model.enemySheets[static_cast<std::size_t>(set)] = sheet;
    }
    model.enemyMask = Picture(256, 256);
    fillTiles(model.enemyMask, [](int, int x) { return x < 8 ? 0u : 0xFFFFFFu; });
    for (int n = 0; n < 64; ++n)
        model.nesColourRgb[static_cast<std::size_t>(n)] = colourNumberRgb(n);
    model.ready = true;
    return model;
}

PaletteTables syntheticPalettes()
{
    PaletteTables tables;
    for (int palette = 0; palette < 64; ++palette)
        for (int slot = 0; slot < 16; ++slot)
            tables.levelPalettes[static_cast<std::size_t>(palette)][static_cast<std::size_t>(slot)] =
                slot == 0 ? (0x21 + palette) & 0x3F : slot;
    return tables;
}

LevelObject normalObject(int type, int x, int y)
{
    LevelObject object;
    object.type = type;
    object.x = x;
    object.y = y;
    return object;
}

LevelObject specialObject(int kind, int page, int y, int param1, int param2)
{
    LevelObject object;
    object.type = kSpecialObjectType;
    object.special = true;
    object.x = 16 * page + kind;
    object.y = y;
    object.param = {param1, param2};
    return object;
}

namespace {

AreaModel makeArea(bool vertical, std::vector<LevelObject> objects, std::vector<Enemy> enemies)
{
    AreaModel area;
    area.header.setBit(1, vertical ? 0 : 1);
    area.isVertical = vertical ? 1 : 0;
    area.header.setField(17, 4, 9); // ten pages
    area.header.setField(12, 5, vertical ? 19 : 8); // a setting without ground
    area.objects = std::move(objects);
    area.enemies = std::move(enemies);
    return area;
}

} // namespace

AreaModel horizontalArea(std::vector<LevelObject> objects, std::vector<Enemy> enemies)
{
    return makeArea(false, std::move(objects), std::move(enemies));
}

AreaModel verticalArea(std::vector<LevelObject> objects, std::vector<Enemy> enemies)
{
    return makeArea(true, std::move(objects), std::move(enemies));
}

} // namespace quorled::testing
