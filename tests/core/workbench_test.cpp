// The widget-free rules of the docks and the window: type galleries,
// selection properties, wheel scrolling and the window's placement.
#include "core/corefixture.h"
#include "core/editing/selectionproperties.h"
#include "core/settings/settingsfile.h"
#include "core/forms/typegallery.h"
#include "core/editing/wheelscroll.h"
#include "core/settings/windowplacement.h"

#include "support/syntheticgraphics.h"
#include "view/catalogue.h"

#include <gtest/gtest.h>

namespace quorled {
namespace {

using Field = SelectionProperties::Field;
using testing::CoreFolder;
using testing::horizontalArea;
using testing::normalObject;
using testing::specialObject;
using testing::verticalArea;

class DockRulesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder.writeImage("quorl.nes", testing::editorTestImage().bytes());
        folder.writeFile("Quorled.ini", "[Options]\nStartArea= 10\n");
        core.readSettings(folder.settingsPath());
        ASSERT_EQ(core.openImage(folder.path("quorl.nes")), std::nullopt);
    }
    int objectAt(bool special) const
    {
        for (int i = 1; i <= core.area().objCount(); ++i)
            if (core.area().object(i).special == special)
                return i;
        return 0;
    }
    CoreFolder folder;
    EditorCore core{testing::syntheticCarriedPictures()};
};

TEST(TypeGalleryFilter, MatchesNamesWithoutRegardToCaseOrBlanks)
{
    EXPECT_EQ(TypeGallery::matchingTypes(TypeKind::Object, 0, "").size(), 256u);
    EXPECT_EQ(TypeGallery::matchingTypes(TypeKind::Enemy, 0, "   ").size(), 256u);
    EXPECT_TRUE(TypeGallery::matchingTypes(TypeKind::Enemy, 0, "no such name at all").empty());
    for (TypeKind kind : {TypeKind::Object, TypeKind::Enemy}) {
        const std::string name = TypeGallery::typeName(kind, 3, 0x31);
        ASSERT_FALSE(name.empty());
        std::string shouted;
        for (char c : name)
            shouted += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        const std::vector<int> found = TypeGallery::matchingTypes(kind, 3, "  " + shouted + " ");
        EXPECT_NE(std::find(found.begin(), found.end(), 0x31), found.end()) << name;
        for (int type : found)
            EXPECT_NE(TypeGallery::typeName(kind, 3, type).size(), 0u);
        EXPECT_LT(found.size(), 256u);
    }
}

TEST(TypeGallerySelection, OnlyNormalObjectsAndEnemiesHaveAType)
{
    AreaModel area = horizontalArea({normalObject(0x31, 2, 3), specialObject(5, 1, 0)}, {Enemy{0x12, 4, 5}});
    area.selectedObject = 1;
    EXPECT_EQ(TypeGallery::selectedType(area, TypeKind::Object, false), 0x31);
    EXPECT_EQ(TypeGallery::selectedType(area, TypeKind::Enemy, false), 0x12);
    area.selectedObject = 2;
    EXPECT_EQ(TypeGallery::selectedType(area, TypeKind::Object, false), std::nullopt);
    area.selectedObject = 3;
    area.selectedEnemy = 0;
    EXPECT_EQ(TypeGallery::selectedType(area, TypeKind::Object, false), std::nullopt);
    EXPECT_EQ(TypeGallery::selectedType(area, TypeKind::Enemy, false), std::nullopt);
}

TEST_F(DockRulesTest, GalleryClickIsOneUndoableStepAndSwitchesTheTarget)
{
    core.area().selectedObject = objectAt(false);
    const AreaModel before = core.area();
    core.view().editMode = 1;
    ASSERT_TRUE(TypeGallery::applyType(core, TypeKind::Object, 0x42));
    EXPECT_EQ(core.area().object(before.selectedObject).type, 0x42);
    EXPECT_EQ(core.editMode(), 0);
    EXPECT_EQ(core.document().undoName(), "Change object");
    EXPECT_TRUE(core.document().differs());
    core.undo();
    EXPECT_TRUE(AreaDocument::sameContent(core.area(), before));

    const int oldEnemy = core.area().enemy(1).type;
    core.area().selectedEnemy = 1;
    ASSERT_TRUE(TypeGallery::applyType(core, TypeKind::Enemy, (oldEnemy + 1) % 256));
    EXPECT_EQ(core.document().undoName(), "Change enemy");
    EXPECT_EQ(core.editMode(), 1);

    // A special object has no type, and types are bytes: nothing changes.
    const std::size_t steps = core.document().undoSteps();
    core.area().selectedObject = objectAt(true);
    EXPECT_FALSE(TypeGallery::applyType(core, TypeKind::Object, 1));
    core.area().selectedObject = objectAt(false);
    EXPECT_FALSE(TypeGallery::applyType(core, TypeKind::Object, 256));
    EXPECT_FALSE(TypeGallery::applyType(core, TypeKind::Object, -1));
    EXPECT_EQ(core.document().undoSteps(), steps);
}

struct LimitCase {
    const char* what;
    AreaModel area;
    int editMode;
    Field field;
    std::optional<std::pair<int, int>> range; // none: the field does not apply
};

TEST(SelectionLimits, FollowTheKeys)
{
    const AreaModel flat = horizontalArea({normalObject(0x31, 2, 3)}, {Enemy{1, 4, 5}});
    const AreaModel tall = verticalArea({normalObject(0x31, 2, 3)}, {Enemy{1, 4, 5}});
    auto special = [](int kind) { return horizontalArea({specialObject(kind, 1, 0)}); };
    AreaModel pages = flat;
    pages.enemyLastPage = 2;
    pages.enemySpareBytes = 0;
    AreaModel spare = pages;
    spare.enemySpareBytes = 1;
    AreaModel empty = horizontalArea();
    const LimitCase cases[] = {
        {"type of a normal object", flat, 0, Field::Type, std::pair{0, 255}},
        {"column, horizontal", flat, 0, Field::X, std::pair{0, 255}},
        {"row, horizontal", flat, 0, Field::Y, std::pair{0, 14}},
        {"column, vertical", tall, 0, Field::X, std::pair{0, 15}},
        {"row, vertical", tall, 0, Field::Y, std::pair{0, 255}},
        {"no parameters on a normal object", flat, 0, Field::FirstParameter, std::nullopt},
        {"no type on a special object", special(5), 0, Field::Type, std::nullopt},
        {"special X keeps its kind", special(5), 0, Field::X, std::pair{5, 245}},
        {"kinds 0 and 1 swap", special(1), 0, Field::X, std::pair{0, 241}},
        {"a vertical special object's X is its kind", verticalArea({specialObject(6, 0, 3)}), 0, Field::X, std::nullopt},
        {"row keys swap kind 0", special(0), 0, Field::Y, std::nullopt},
        {"kind 5 has two parameters", special(5), 0, Field::SecondParameter, std::pair{0, 255}},
        {"kind 6 has one", special(6), 0, Field::SecondParameter, std::nullopt},
        {"kind 2 has none", special(2), 0, Field::FirstParameter, std::nullopt},
        {"no layer move for special objects", special(6), 0, Field::Layer, std::nullopt},
        {"enemy within its pages", pages, 1, Field::X, std::pair{0, 47}},
        {"one more page on a spare byte", spare, 1, Field::X, std::pair{0, 63}},
        {"enemy row, horizontal", flat, 1, Field::Y, std::pair{0, 14}},
        {"enemy column, vertical", tall, 1, Field::X, std::pair{0, 15}},
        {"enemy row, vertical: its pages", tall, 1, Field::Y, std::pair{0, 16 * (tall.header.levelLength() + 1) - 1}},
        {"enemies have no layer", flat, 1, Field::Layer, std::nullopt},
        {"no selection", empty, 0, Field::X, std::nullopt},
        {"no enemy", empty, 1, Field::Type, std::nullopt},
    };
    for (const LimitCase& c : cases) {
        const auto limits = SelectionProperties::limits(c.area, c.editMode, c.field);
        ASSERT_EQ(limits.has_value(), c.range.has_value()) << c.what;
        EXPECT_EQ(SelectionProperties::value(c.area, c.editMode, c.field).has_value(), c.range.has_value()) << c.what;
        if (limits) {
            EXPECT_EQ(std::pair(limits->lowest, limits->highest), *c.range) << c.what;
        }
    }
}

TEST(SelectionParsing, TakesHexadecimalWithinTheLimitsAndSaysWhyNot)
{
    const SelectionProperties::Limits row{0, 14, {}};
    const SelectionProperties::Limits kindFive{5, 245, 5};
    const SelectionProperties::Limits kindZero{0, 241, 0};
    struct Case {
        const char* text;
        SelectionProperties::Limits limits;
        std::optional<int> value;
        const char* message; // a part of it
    } cases[] = {
        {"0e", row, 14, ""},
        {" $0A ", row, 10, ""},
        {"0x3", row, 3, ""},
        {"0F", row, std::nullopt, "out of range; for Y type a hexadecimal number from 00 to 0E."},
        {"", row, std::nullopt, "Y is empty"},
        {"  ", row, std::nullopt, "Y is empty"},
        {"$", row, std::nullopt, "Y is empty"},
        {"1 2", row, std::nullopt, "is not a hexadecimal number"},
        {"zz", row, std::nullopt, "\"zz\" is not a hexadecimal number"},
        {"-1", row, std::nullopt, "not a hexadecimal number"},
        {"FFFFFFFFFFFFFFFFFFFF", row, std::nullopt, "out of range"},
        {"25", kindFive, 0x25, ""},
        {"24", kindFive, std::nullopt, "must stay 5"},
        {"11", kindZero, 0x11, ""},
        {"12", kindZero, std::nullopt, "must stay 0 or 1"},
    };
    for (const Case& c : cases) {
        const auto parsed = SelectionProperties::parse(c.text, Field::Y, c.limits);
        EXPECT_EQ(parsed.value, c.value) << c.text;
        EXPECT_NE(parsed.message.find(c.message), std::string::npos) << c.text << ": " << parsed.message;
        EXPECT_EQ(parsed.message.empty(), c.value.has_value()) << c.text;
    }
    EXPECT_EQ(SelectionProperties::text(0x0A), "0A");
}

TEST_F(DockRulesTest, PropertyChangesAreStepsWithinTheLimits)
{
    const int s = objectAt(false);
    core.area().selectedObject = s;
    const AreaModel before = core.area();
    ASSERT_TRUE(SelectionProperties::apply(core, 0, Field::Y, 9));
    EXPECT_EQ(core.area().object(s).y, 9);
    EXPECT_EQ(core.document().undoName(), "Move object");
    ASSERT_TRUE(SelectionProperties::apply(core, 0, Field::Type, 0x10));
    EXPECT_EQ(core.document().undoName(), "Change object");
    const std::size_t steps = core.document().undoSteps();
    EXPECT_FALSE(SelectionProperties::apply(core, 0, Field::Y, 15));
    EXPECT_FALSE(SelectionProperties::apply(core, 0, Field::FirstParameter, 1));
    EXPECT_EQ(core.document().undoSteps(), steps);
    core.undo();
    core.undo();
    EXPECT_TRUE(AreaDocument::sameContent(core.area(), before));

    // A far column scrolls the view to the object, as the keys do.
    ASSERT_TRUE(SelectionProperties::apply(core, 0, Field::X, 0x90));
    EXPECT_LE(core.view().viewColumn, 0x90);
    EXPECT_GE(core.view().viewColumn + 15, 0x90);

    const int p = objectAt(true);
    core.area().selectedObject = p;
    const int kind = core.area().object(p).kind();
    if (SelectionProperties::limits(core.area(), 0, Field::FirstParameter)) {
        ASSERT_TRUE(SelectionProperties::apply(core, 0, Field::FirstParameter, 0x77));
        EXPECT_EQ(core.area().object(core.area().selectedObject).param[0], 0x77);
    }
    EXPECT_FALSE(SelectionProperties::apply(core, 0, Field::X, kind <= 1 ? 0x12 : 16 + (kind + 1) % 16));

    core.area().selectedEnemy = 1;
    ASSERT_TRUE(SelectionProperties::apply(core, 1, Field::Y, 3));
    EXPECT_EQ(core.area().enemy(1).y, 3);
    EXPECT_EQ(core.document().undoName(), "Move enemy");
}

TEST_F(DockRulesTest, LayerChangeMovesTheObjectAndKeepsItSelected)
{
    AreaModel& area = core.area();
    area.objects = {normalObject(0x20, 0, 1), normalObject(0x21, 1, 1), normalObject(0x22, 2, 1)};
    area.objects[2].layer = 1;
    area.selectedObject = 1;
    ASSERT_TRUE(SelectionProperties::apply(core, 0, Field::Layer, 1));
    ASSERT_EQ(core.area().objCount(), 3);
    EXPECT_EQ(core.area().selectedObject, 2);
    EXPECT_EQ(core.area().object(2).type, 0x20);
    EXPECT_EQ(core.area().object(2).layer, 1);
    EXPECT_EQ(core.area().object(3).type, 0x22);
    EXPECT_FALSE(SelectionProperties::apply(core, 0, Field::Layer, 2));
}

TEST(WheelScrolling, OneCellPerNotchWithinTheKeysRange)
{
    WheelScroll wheel;
    EXPECT_EQ(wheel.notches(60), 0);
    EXPECT_EQ(wheel.notches(60), 1);
    EXPECT_EQ(wheel.notches(-240), -2);
    EXPECT_EQ(wheel.notches(-100), 0);
    EXPECT_EQ(wheel.notches(100), 0);

    AreaModel flat = horizontalArea();
    ViewState view;
    EXPECT_FALSE(WheelScroll::scroll(flat, view, -1, 0));
    EXPECT_TRUE(WheelScroll::scroll(flat, view, 1, 0));
    EXPECT_TRUE(WheelScroll::scroll(flat, view, 0, 2));
    EXPECT_EQ(view.viewColumn, 3);
    EXPECT_EQ(view.viewRow, 0);
    view.viewColumn = 239;
    EXPECT_TRUE(WheelScroll::scroll(flat, view, 3, 0));
    EXPECT_EQ(view.viewColumn, 240);
    EXPECT_FALSE(WheelScroll::scroll(flat, view, 1, 0));

    AreaModel tall = verticalArea();
    view = ViewState{};
    EXPECT_FALSE(WheelScroll::scroll(tall, view, 0, 5));
    EXPECT_TRUE(WheelScroll::scroll(tall, view, 2, 0));
    EXPECT_EQ(view.viewRow, 2);
    EXPECT_EQ(view.viewColumn, 0);
    view.viewRow = 241;
    EXPECT_FALSE(WheelScroll::scroll(tall, view, 1, 0));
}

TEST(WindowPlacementFile, RoundTripsAndIgnoresWhatItCannotUse)
{
    WindowPlacement placement{-5, 40, 900, 700, true, std::string(450, 'Q') + "+/="};
    SettingsFile file = SettingsFile::fromText("[Options]\nZoom= 3\n");
    placement.write(file);
    EXPECT_EQ(file.read("Window", "DockParts"), "3");
    EXPECT_EQ(file.read("Options", "Zoom"), "3");
    const auto back = WindowPlacement::read(SettingsFile::fromText(file.text()));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->x, -5);
    EXPECT_EQ(back->width, 900);
    EXPECT_TRUE(back->maximized);
    EXPECT_EQ(back->dockLayout, placement.dockLayout);

    const char* bad[] = {
        "[Window]\nX=1\nY=1\nWidth=800\nMaximized=0\n",               // no height
        "[Window]\nX=1\nY=1\nWidth=20\nHeight=600\nMaximized=0\n",    // too small
        "[Window]\nX=1\nY=1\nWidth=800\nHeight=9e9\nMaximized=0\n",   // nonsense
        "",
    };
    for (const char* text : bad)
        EXPECT_FALSE(WindowPlacement::read(SettingsFile::fromText(text))) << text;

    const auto damaged = WindowPlacement::read(
        SettingsFile::fromText("[Window]\nX=1\nY=2\nWidth=800\nHeight=600\nMaximized=0\nDockParts=2\nDocks1=AAAA\n"));
    ASSERT_TRUE(damaged);
    EXPECT_EQ(damaged->dockLayout, "");
}

// The toolkit trusts a layout record, so one changed outside the editor
// (a byte, a piece, the version) is never handed to it: it reads as none,
// marked refused, and the rest of the placement still holds.
TEST(WindowPlacementFile, OnlyALayoutWithItsChecksumAndVersionIsRestored)
{
    const WindowPlacement placement{1, 2, 800, 600, false, std::string(300, 'A') + "BCD", false};
    SettingsFile written;
    placement.write(written);
    const std::string text = written.text();
    const auto edited = [&](const std::string& from, const std::string& to) {
        std::string changed = text;
        const std::size_t at = changed.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        return changed.replace(at, from.size(), to);
    };
    const struct {
        const char* what;
        std::string text;
        bool restored;
    } cases[] = {
        {"as written", text, true},
        {"a byte changed", edited("ABCD", "ABXD"), false},
        {"a byte added", edited("ABCD", "ABCDE"), false},
        {"another version", edited("DockVersion= 1", "DockVersion= 2"), false},
        {"no checksum", edited("DockCheck=", "Other="), false},
        {"no version", edited("DockVersion=", "Other="), false},
        {"a piece missing", edited("Docks2=", "Other="), false},
    };
    for (const auto& c : cases) {
        const auto back = WindowPlacement::read(SettingsFile::fromText(c.text));
        ASSERT_TRUE(back) << c.what;
        EXPECT_EQ(back->dockLayout, c.restored ? placement.dockLayout : "") << c.what;
        EXPECT_EQ(back->dockLayoutRefused, !c.restored) << c.what;
        EXPECT_EQ(back->width, 800) << c.what;
    }
    EXPECT_EQ(dockLayoutCheck(""), "CBF29CE484222325");
}

TEST(WindowPlacementFile, RestoredGeometryIsClampedToTheScreen)
{
    const PixelRect screen{0, 0, 1920, 1040};
    const struct {
        PixelRect kept, restored;
    } cases[] = {
        {{100, 50, 800, 600}, {100, 50, 800, 600}},
        {{-15000, -15000, 30000, 30000}, {0, 0, 1920, 1040}},
        {{1800, 900, 800, 600}, {1120, 440, 800, 600}},
        {{-300, 20, 800, 600}, {0, 20, 800, 600}},
        {{2500, 100, 3000, 500}, {0, 100, 1920, 500}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(clampedToArea(c.kept, screen), c.restored) << c.kept.x << "," << c.kept.y;
    // A second screen to the right keeps its own offsets.
    EXPECT_EQ(clampedToArea({1900, 10, 500, 400}, {1920, 0, 1280, 1024}), (PixelRect{1920, 10, 500, 400}));
}

TEST(WindowPlacementFile, StoreKeepsOtherKeysAndReportsAFailedWrite)
{
    CoreFolder folder;
    folder.writeFile("Quorled.ini", "[Load]\nFilename=a.nes\n");
    WindowPlacement placement{10, 20, 800, 600, false, "abc"};
    EXPECT_EQ(placement.store(folder.settingsPath()), std::nullopt);
    const SettingsFile file = SettingsFile::load(folder.settingsPath());
    EXPECT_EQ(file.read("Load", "Filename"), "a.nes");
    EXPECT_EQ(file.read("Window", "Docks1"), "abc");

    folder.writeFile("plain", "x");
    const auto failure = placement.store(folder.path("plain") + "/Quorled.ini");
    ASSERT_TRUE(failure);
    EXPECT_NE(failure->find("Quorled.ini"), std::string::npos) << *failure;
    EXPECT_EQ(placement.store(""), "There is no folder for the settings file.");
}

TEST(WindowFit, GrowsAndShrinksToTheContentWithinTheScreen)
{
    struct Case {
        PixelSize window, viewport, content, available, fitted;
    } cases[] = {
        {{800, 600}, {500, 480}, {1040, 976}, {1280, 1000}, {1280, 1000}}, // capped
        {{800, 600}, {500, 480}, {528, 496}, {1280, 1000}, {828, 616}},    // grows
        {{1300, 1000}, {1000, 880}, {272, 256}, {1280, 1000}, {572, 376}}, // shrinks
    };
    for (const Case& c : cases)
        EXPECT_EQ(fittedWindowSize(c.window, c.viewport, c.content, c.available), c.fitted);
}

} // namespace
} // namespace quorled
