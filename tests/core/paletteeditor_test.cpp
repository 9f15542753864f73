#include "core/forms/paletteeditor.h"

#include "romdata/palettetables.h"
#include "romdata/romimage.h"
#include "support/testimage.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quorled {
namespace {

using Picture = PaletteEditor::Picture;

TEST(PaletteEditorTest, PointerPositionsAreCutToWholePixelsAndOutsideIsIgnored)
{
    struct Case {
        Picture picture;
        double x, y;
        std::optional<int> cell;
    };
    const Case cases[] = {
        {Picture::Master, 0, 0, 0},          {Picture::Master, 255.9, 63.5, 63},
        {Picture::Master, 63.5, 63.5, 51},   {Picture::Master, 16, 16, 17},
        {Picture::Master, 256, 0, {}},       {Picture::Master, 0, 64, {}},
        {Picture::Master, -0.5, 3, {}},      {Picture::Master, 3, -0.01, {}},
        {Picture::Level, 63.5, 63.5, 15},    {Picture::Level, 64, 10, {}},
        {Picture::Level, 17, 33, 9},         {Picture::Enemy, 63.5, 47.9, 11},
        {Picture::Enemy, 10, 48, {}},        {Picture::Enemy, 10, 63.5, {}},
        {Picture::Master, std::nan(""), 0, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PaletteEditor::cellAt(c.picture, c.x, c.y), c.cell)
            << static_cast<int>(c.picture) << " at " << c.x << ", " << c.y;
}

TEST(PaletteEditorTest, PickOnTheMasterPaletteAndPaintOnThePreviews)
{
    PaletteTables tables;
    PaletteEditor editor(tables, 2, 5, 1);
    EXPECT_EQ(editor.pickedColour(), 0);
    EXPECT_TRUE(editor.press(Picture::Master, 16 * 7 + 3, 16 * 2 + 8)); // colour 0x27
    EXPECT_EQ(editor.pickedColour(), 0x27);
    EXPECT_TRUE(editor.press(Picture::Level, 16 * 2, 16 * 3));          // slot 14
    EXPECT_EQ(editor.tables().levelPalettes[8 * 2 + 5][14], 0x27);
    EXPECT_EQ(editor.levelColours()[14], 0x27);
    EXPECT_TRUE(editor.press(Picture::Enemy, 16 * 3, 16 * 2 + 15));     // slot 11
    EXPECT_EQ(editor.tables().enemyPalettes[4 * 2 + 1][11], 0x27);
    EXPECT_EQ(editor.enemyColours()[11], 0x27);
    // A press outside the grid changes nothing.
    EXPECT_FALSE(editor.press(Picture::Master, 63.5, 64));
    EXPECT_EQ(editor.pickedColour(), 0x27);
    EXPECT_FALSE(editor.press(Picture::Level, 64, 64));
    // Dragging picks with the left button alone and only on the master palette.
    EXPECT_FALSE(editor.drag(Picture::Master, 2, 0, 0));
    EXPECT_FALSE(editor.drag(Picture::Master, 3, 0, 0));
    EXPECT_FALSE(editor.drag(Picture::Level, 1, 0, 0));
    EXPECT_EQ(editor.tables().levelPalettes[8 * 2 + 5][0], 0);
    EXPECT_TRUE(editor.drag(Picture::Master, 1, 16 * 15, 16 * 3));
    EXPECT_EQ(editor.pickedColour(), 0x3F);
}

TEST(PaletteEditorTest, WorldSevenOpensAtWorldSixAndTheCaptionCountsFromOne)
{
    PaletteTables tables;
    tables.levelPalettes[8 * 6 + 7][3] = 0x15;
    PaletteEditor editor(tables, 7, 9, -1);
    EXPECT_EQ(editor.world(), 6);
    EXPECT_EQ(editor.worldCaption(), "7");
    EXPECT_EQ(editor.levelPalette(), 7);
    EXPECT_EQ(editor.enemyPalette(), 0);
    EXPECT_EQ(editor.levelColours()[3], 0x15);
    editor.setWorld(0);
    EXPECT_EQ(editor.worldCaption(), "1");
}

TEST(PaletteEditorTest, ThePickedCellHasTwoRingsInTheirColours)
{
    PaletteEditor editor(PaletteTables{}, 0, 0, 0);
    editor.press(Picture::Master, 16 * 3, 16 * 1); // colour 0x13
    const auto rings = editor.pickedOutline();
    EXPECT_EQ(rings[0].x1, 47);
    EXPECT_EQ(rings[0].y1, 15);
    EXPECT_EQ(rings[0].x2, 64);
    EXPECT_EQ(rings[0].y2, 32);
    EXPECT_EQ(rings[0].colour, 0xFFF000u);
    EXPECT_EQ(rings[1].x1, 46);
    EXPECT_EQ(rings[1].y2, 33);
    EXPECT_EQ(rings[1].colour, 0xFF7800u);
}

TEST(PaletteEditorTest, PaintingSharedSlotsStoresOnlyWhatTheTableKeeps)
{
    test::TestImage file;
    for (long offset = kPaletteTableStart; offset <= kPaletteTableEnd; ++offset)
        file.put(offset, {static_cast<int>(offset % 60)});
    RomImage image = file.image();
    PaletteEditor editor(readPaletteTable(image), 1, 7, 3);
    editor.press(Picture::Master, 16 * 2, 16 * 3); // colour 0x32
    editor.press(Picture::Level, 0, 0);            // level palette 7 slot 0: enemy palette 0 slot 0
    editor.press(Picture::Enemy, 0, 0);            // enemy palette 3 slot 0: world 2 level palette 0 slot 0
    EXPECT_EQ(editor.levelColours()[0], 0x32);     // shown while the dialog is open
    const std::vector<std::uint8_t> before = image.bytes();
    writePaletteTable(editor.tables(), image);
    EXPECT_EQ(image.bytes(), before);
    EXPECT_FALSE(PaletteEditor::sharedBytesNote().empty());
}

} // namespace
} // namespace quorled
