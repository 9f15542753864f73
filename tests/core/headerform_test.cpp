#include "core/forms/headerform.h"

#include <gtest/gtest.h>

#include <set>

namespace quorled {
namespace {

constexpr std::array<std::uint32_t, 3> kColours{0xFFE0C0, 0x804000, 0xC09060};

TEST(HeaderForm, FieldsComeFromTheirBits)
{
    // 1 0 101 0 10 | 00000000 | 0110 0011 | 00 000 0 11
    const HeaderBits header = HeaderBits::fromBytes({0xAA, 0x00, 0x63, 0x03});
    const HeaderForm form(header);
    EXPECT_EQ(form.fields().scrolling, 1);
    EXPECT_EQ(form.fields().levelColours, 5);
    EXPECT_EQ(form.fields().enemyColours, 2);
    EXPECT_EQ(form.fields().length, 6);
    EXPECT_EQ(form.fields().music, 3);
    for (int k = 1; k <= 32; ++k)
        EXPECT_EQ(form.dialogBit(k), header.bit(k));
}

TEST(HeaderForm, TwentyBoxesForTheUncoveredBits)
{
    const std::set<int> coveredBits{1, 3, 4, 5, 7, 8, 17, 18, 19, 20, 31, 32};
    std::set<int> boxed;
    for (const HeaderBoxGroup& group : HeaderForm::boxGroups())
        for (int i = group.firstBox; i < group.firstBox + group.count; ++i)
            EXPECT_TRUE(boxed.insert(i + 1).second) << "bit " << i + 1 << " twice";
    EXPECT_EQ(boxed.size(), 20u);
    for (int k = 1; k <= 32; ++k) {
        EXPECT_EQ(HeaderForm::covered(k), coveredBits.count(k) == 1) << k;
        EXPECT_NE(HeaderForm::covered(k), boxed.count(k) == 1) << k;
    }
    EXPECT_STREQ(HeaderForm::boxGroups()[3].caption, "Ground (bottom and top)");
    EXPECT_STREQ(HeaderForm::boxGroups()[0].caption, "(off: wall for whole level) (?\?)");
}

TEST(HeaderForm, PageCaption)
{
    EXPECT_EQ(HeaderForm::pageCaption(0), "1 page");
    EXPECT_EQ(HeaderForm::pageCaption(1), "2 pages");
    EXPECT_EQ(HeaderForm::pageCaption(3), "4 pages");
    EXPECT_EQ(HeaderForm::pageCaption(15), "16 pages");
}

TEST(HeaderForm, BoxesFlashWhilePressedAndToggleOnClick)
{
    HeaderForm form(HeaderBits::fromBytes({0x00, 0x00, 0x00, 0x00}));
    EXPECT_EQ(form.boxColour(11, kColours), kColours[0]);
    form.pressBox(11);
    EXPECT_EQ(form.boxColour(11, kColours), kColours[2]);
    form.releaseBox();
    EXPECT_EQ(form.boxColour(11, kColours), kColours[0]);
    form.clickBox(11);
    EXPECT_EQ(form.dialogBit(12), 1);
    EXPECT_EQ(form.boxColour(11, kColours), kColours[1]);
    form.clickBox(11);
    EXPECT_EQ(form.dialogBit(12), 0);
    // Bits of the field controls have no box.
    form.clickBox(0);
    form.clickBox(16);
    EXPECT_EQ(form.dialogBit(1), 0);
    EXPECT_EQ(form.dialogBit(17), 0);
}

TEST(HeaderForm, ConfirmedTakesBoxesAndFields)
{
    const HeaderBits header = HeaderBits::fromBytes({0x80, 0x00, 0x30, 0x00});
    HeaderForm form(header);
    form.clickBox(1);  // bit 2
    form.clickBox(23); // bit 24
    form.clickBox(29); // bit 30
    form.fields().scrolling = 0;
    form.fields().levelColours = 7;
    form.fields().enemyColours = 1;
    form.fields().length = 15;
    form.fields().music = 2;
    EXPECT_EQ(form.confirmed(header).bytes(), (std::array<int, 4>{0x79, 0x00, 0xF1, 0x06}));
    // Untouched, the header comes back as it was.
    EXPECT_EQ(HeaderForm(header).confirmed(header), header);
}

TEST(HeaderForm, PreviewsReadTheWorldsRows)
{
    PaletteTables palettes;
    std::array<std::uint32_t, 64> screen{};
    for (int n = 0; n < 64; ++n)
        screen[static_cast<std::size_t>(n)] = 0x1000u + static_cast<std::uint32_t>(n);
    palettes.levelPalettes[56 + 3][5] = 0x21;
    palettes.enemyPalettes[28 + 2][11] = 0x16;
    EXPECT_EQ(HeaderForm::previewColours(palettes, screen, 7, 3, false)[5], 0x1021u);
    EXPECT_EQ(HeaderForm::previewColours(palettes, screen, 7, 2, true)[11], 0x1016u);
    EXPECT_EQ(HeaderForm::previewColours(palettes, screen, 7, 2, true)[0], 0x1000u);
}

TEST(HeaderForm, ListEntries)
{
    EXPECT_EQ(HeaderForm::scrollingEntries(), (std::vector<std::string>{"Vertical", "Horizontal"}));
    EXPECT_EQ(HeaderForm::musicEntries(), (std::vector<std::string>{"Normal", "Underground", "Boss", "Gorlump"}));
    EXPECT_EQ(HeaderForm::paletteEntries(4),
              (std::vector<std::string>{"Palette 0", "Palette 1", "Palette 2", "Palette 3"}));
}

} // namespace
} // namespace quorled
