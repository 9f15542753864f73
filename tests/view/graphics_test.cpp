#include "view/graphics.h"

#include "romdata/imageerror.h"
#include "support/syntheticgraphics.h"

#include <gtest/gtest.h>

namespace quorled {
namespace {

TEST(GraphicsTest, PaletteSlotOfGreyLevels)
{
    EXPECT_EQ(paletteSlot(0x525252), 5);
    EXPECT_EQ(paletteSlot(0xF7F7F7), 15);
    EXPECT_EQ(paletteSlot(0x000000), 0);
    EXPECT_EQ(paletteSlot(0x101010), 1);
    EXPECT_EQ(paletteSlot(0x0F0F0F), 0);
}

TEST(GraphicsTest, PaletteSlotReadsBlueAsTheHighByte)
{
    EXPECT_EQ(paletteSlot(0x0000FF), 15); // pure blue: 0xFF0000 in the platform form
    EXPECT_EQ(paletteSlot(0xFF0000), 0);  // pure red: 0x0000FF
    EXPECT_EQ(paletteSlot(0x00FF00), 0);  // 0x00FF00 / 0x101010
    EXPECT_EQ(paletteSlot(0x2020FF), 15);
}

TEST(GraphicsTest, WorldOfAreaWithUsualLevelsPerWorld)
{
    const auto& starts = testing::kUsualWorldFirstArea;
    EXPECT_EQ(worldOfCurrentArea(0, starts), 0);
    EXPECT_EQ(worldOfCurrentArea(29, starts), 0);
    EXPECT_EQ(worldOfCurrentArea(30, starts), 1);
    EXPECT_EQ(worldOfCurrentArea(65, starts), 2);
    EXPECT_EQ(worldOfCurrentArea(199, starts), 6);
    EXPECT_EQ(worldOfCurrentArea(200, starts), 7);
    EXPECT_EQ(worldOfCurrentArea(209, starts), 7);
}

TEST(GraphicsTest, WorldOfAreaTakesTheLastWorldReached)
{
    // Out-of-order starts: the last world whose start is reached wins.
    const std::array<int, 9> starts{0, 0, 50, 10, 250, 250, 250, 250, 250};
    EXPECT_EQ(worldOfCurrentArea(60, starts), 2);
    EXPECT_EQ(worldOfCurrentArea(20, starts), 2);
    EXPECT_EQ(worldOfCurrentArea(5, starts), 0);
}

TEST(GraphicsTest, SheetPerWorld)
{
    const int expected[8] = {0, 1, 0, 3, 0, 1, 6, 0};
    for (int w = 0; w < 8; ++w)
        EXPECT_EQ(scenerySheetForWorld(w), expected[w]) << w;
}

// Scenery sheets whose pixel (x, y) is grey level 16 * slot, slot = (x + y) mod 16;
// sheet k adds k to the slot, so the recoloured result tells the sheet apart.
Picture greySheet(int k)
{
    Picture sheet(256, 256);
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x) {
            const std::uint32_t v = static_cast<std::uint32_t>(16 * ((x + y + k) % 16) + 3);
            sheet.setPixel(x, y, (v << 16) | (v << 8) | v);
        }
    return sheet;
}

struct Fixture {
    Picture sheets[4] = {greySheet(0), greySheet(1), greySheet(3), greySheet(6)};
    Picture labels{256, 256, 0xABCDEF};
    Picture enemies[4] = {Picture(256, 256), Picture(256, 256), Picture(256, 256), Picture(256, 256)};
    Picture mask{256, 256, 0xFFFFFF};
    Picture master{32, 8};
    GraphicsSources sources;

    Fixture()
    {
        for (int n = 0; n < 64; ++n)
            master.setPixel(n % 16, n / 16, 0x400000u + static_cast<std::uint32_t>(n));
        sources.scenery0 = &sheets[0];
        sources.scenery1 = &sheets[1];
        sources.scenery3 = &sheets[2];
        sources.scenery6 = &sheets[3];
        sources.labels = &labels;
        sources.enemies = {&enemies[0], &enemies[1], &enemies[2], &enemies[3]};
        sources.enemyMask = &mask;
        sources.masterPalette = &master;
    }
};

TEST(GraphicsTest, InitGraphicsReadsColoursAndLabelRows)
{
    Fixture fixture;
    GraphicsModel model;
    initGraphics(model, fixture.sources);
    EXPECT_TRUE(model.ready);
    EXPECT_EQ(model.nesColourRgb[0x21], 0x400021u);
    EXPECT_EQ(model.working.pixel(5, 80), 0xABCDEFu);
    EXPECT_EQ(model.working.pixel(255, 255), 0xABCDEFu);
    EXPECT_EQ(model.working.pixel(5, 79), 0u);
    EXPECT_EQ(model.sheetPixels[3].size(), 256u * 80u);
    EXPECT_TRUE(model.sheetPixels[2].empty());
}

TEST(GraphicsTest, EnemySheetsLoseThePixelsSetInTheMask)
{
    Fixture fixture;
    fixture.enemies[2] = Picture(256, 256, 0x8844CC);
    fixture.mask.setPixel(3, 3, 0x000000);
    fixture.mask.setPixel(4, 3, 0x0F00F0);
    GraphicsModel model;
    initGraphics(model, fixture.sources);
    EXPECT_EQ(model.enemySheets[2].pixel(3, 3), 0x8844CCu);
    EXPECT_EQ(model.enemySheets[2].pixel(4, 3), 0x80440Cu);
    EXPECT_EQ(model.enemySheets[2].pixel(5, 3), 0u);
}

TEST(GraphicsTest, InitGraphicsRefusesAMissingOrSmallPicture)
{
    Fixture fixture;
    GraphicsModel model;
    Picture small(16, 16);
    fixture.sources.scenery3 = &small;
    EXPECT_THROW(initGraphics(model, fixture.sources), ImageError);
    fixture.sources.scenery3 = &fixture.sheets[2];
    fixture.sources.enemyMask = nullptr;
    EXPECT_THROW(initGraphics(model, fixture.sources), ImageError);
}

TEST(GraphicsTest, RecolouringUsesTheWorldsSheetAndOwnPalette)
{
    Fixture fixture;
    GraphicsModel model;
    initGraphics(model, fixture.sources);
    PaletteTables palettes;
    // Palette 8 * world + number maps slot s to colour number 4 * world + s / 4 + number.
    for (int world = 0; world < 8; ++world)
        for (int number = 0; number < 8; ++number)
            for (int slot = 0; slot < 16; ++slot)
                palettes.levelPalettes[static_cast<std::size_t>(8 * world + number)][static_cast<std::size_t>(slot)] =
                    (4 * world + slot / 4 + number) & 0x3F;

    AreaModel area = testing::horizontalArea();
    area.area = 65; // world index 2: sheet 0, palettes 16..23
    area.header.setField(3, 3, 2);
    applyLevelPalette(model, area, testing::kUsualWorldFirstArea, palettes);
    EXPECT_EQ(model.paletteWorld, 2);
    EXPECT_EQ(model.levelPaletteNumber, 2);
    // Pixel (5, 2) of sheet 0 holds slot 7: colour number 8 + 1 + 2.
    EXPECT_EQ(model.working.pixel(5, 2), 0x400000u + 11);
    EXPECT_EQ(model.working.pixel(5, 80), 0xABCDEFu);

    area.area = 100; // world index 3: sheet 3, slot (5 + 2 + 3) mod 16 = 10
    applyLevelPalette(model, area, testing::kUsualWorldFirstArea, palettes);
    EXPECT_EQ(model.working.pixel(5, 2), 0x400000u + ((12 + 2 + 2) & 0x3F));
    EXPECT_EQ(model.working.pixel(200, 200), 0xABCDEFu);
}

} // namespace
} // namespace quorled
