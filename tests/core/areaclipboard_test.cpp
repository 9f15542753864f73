#include "core/areaclipboard.h"
#include "core/areajson.h"
#include "core/clipboardcommands.h"
#include "core/corefixture.h"

#include "romdata/imageerror.h"
#include "romdata/levelformat.h"

#include <gtest/gtest.h>

namespace quorled {
namespace {

using testing::CoreFolder;
using testing::editorTestImage;
using testing::syntheticCarriedPictures;

LevelObject normal(int type, int x, int y, int layer = 0)
{
    LevelObject o;
    o.type = type;
    o.x = x;
    o.y = y;
    o.layer = layer;
    return o;
}

LevelObject special(int kind, int x, int y, int layer, int p0, int p1)
{
    LevelObject o;
    o.special = true;
    o.type = kSpecialObjectType;
    o.x = x - (x & 15) + kind;
    o.y = y;
    o.layer = layer;
    o.param = {p0, p1};
    return o;
}

// A horizontal area of four pages with two layers and room to spare.
AreaModel horizontalArea()
{
    AreaModel area;
    area.header = HeaderBits::fromBytes({0x80, 0x03, 0x00, 0x00});
    area.isVertical = 0;
    area.objects = {normal(0x31, 5, 2), special(kKindNextLayer, 0, 14, 0, 0, 0), normal(0x12, 20, 7, 1)};
    area.enemies = {Enemy{3, 60, 4}, Enemy{0x45, 17, 5}};
    area.enemyLastPage = 3;
    area.levelSpareFF = 10;
    area.enemySpareBytes = 10;
    return area;
}

ClipItem copied(const AreaModel& area, int editMode, int selected)
{
    AreaModel a = area;
    (editMode == 0 ? a.selectedObject : a.selectedEnemy) = selected;
    const auto text = AreaClipboard::copyText(a, editMode, ImageKind::Ines, AreaDirectory{});
    EXPECT_TRUE(text);
    return AreaClipboard::readText(text.value_or(""));
}

TEST(AreaClipboard, CopiedTextReadsBackAsTheSameItem)
{
    AreaModel area = horizontalArea();
    area.objects.push_back(special(kKindPointer, 32, 3, 1, 0x21, 0x07));
    for (int i = 1; i <= area.objCount(); ++i) {
        const ClipItem item = copied(area, 0, i);
        EXPECT_FALSE(item.isEnemy);
        EXPECT_EQ(item.object, area.object(i)) << i;
        EXPECT_EQ(item.isVertical, 0);
    }
    const ClipItem enemy = copied(area, 1, 2);
    EXPECT_TRUE(enemy.isEnemy);
    EXPECT_EQ(enemy.enemy, area.enemy(2));
    // Nothing selected: nothing to copy.
    area.selectedEnemy = 3;
    EXPECT_EQ(AreaClipboard::copyText(area, 1, ImageKind::Ines, AreaDirectory{}), std::nullopt);
    area.selectedObject = 0;
    EXPECT_EQ(AreaClipboard::copyText(area, 0, ImageKind::Ines, AreaDirectory{}), std::nullopt);
}

TEST(AreaClipboard, RefusesTextThatIsNotOneItemInRange)
{
    const std::string head = R"({"header": [128, 3, 0, 0], "isVertical": 0, )";
    const std::string obj = R"({"type": 49, "x": 5, "y": 2, "special": false, "layer": 0, "param": [0, 0]})";
    const struct {
        std::string text;
        const char* says;
    } cases[] = {
        {"", "is not an object or an enemy copied from an area: line 1, column 1"},
        {"hello", "is not an object or an enemy copied from an area"},
        {"[1, 2]", "the document is an array, not an object"},
        {head + R"("objects": [], "enemies": []})", "holds 0 objects and 0 enemies"},
        {head + R"("objects": [)" + obj + ", " + obj + R"(], "enemies": []})", "holds 2 objects and 0 enemies"},
        {head + R"("objects": [)" + obj + R"(], "enemies": [{"type": 1, "x": 2, "y": 3}]})",
         "holds 1 objects and 1 enemies"},
        {head + R"("enemies": []})", "has no \"objects\""},
        {head + R"("objects": [{"type": 300, "x": 5, "y": 2, "special": false, "layer": 0}], "enemies": []})",
         "objects[0].type is 300"},
        {head + R"("objects": [{"type": 1, "x": -1, "y": 2, "special": false, "layer": 0}], "enemies": []})",
         "objects[0].x is -1"},
        {head + R"("objects": [{"type": 1, "x": 1, "y": 2, "special": false, "layer": -2}], "enemies": []})",
         "objects[0].layer is -2"},
        {head + R"("objects": [], "enemies": [{"type": 1, "x": 2, "y": 16}]})", "enemies[0].y is 16"},
        {head + R"("objects": [], "enemies": [{"type": 1, "x": 2, "y": 3, "hp": 9}]})", "unknown key \"hp\""},
        {head + R"("objects": [{"type": 256, "x": 15, "y": 2, "special": true, "layer": 0}], "enemies": []})",
         "holds an end marker"},
        {std::string(AreaClipboard::kMaxTextLength + 1, ' '), "is too long"},
    };
    for (const auto& c : cases) {
        try {
            AreaClipboard::readText(c.text);
            ADD_FAILURE() << "accepted: " << c.text.substr(0, 200);
        } catch (const ImageError& error) {
            const std::string message = error.what();
            EXPECT_EQ(message.rfind("The clipboard text ", 0), 0u) << message;
            EXPECT_NE(message.find(c.says), std::string::npos) << message;
            EXPECT_NE(message.find("Nothing was pasted."), std::string::npos) << message;
        }
    }
}

TEST(AreaClipboard, PastedItemsStayOnScreenOrGoToTheViewsTopLeft)
{
    const AreaModel horizontal = horizontalArea();
    AreaModel vertical = horizontalArea();
    vertical.isVertical = 1;
    ViewState view;
    view.viewColumn = 16;
    ViewState down;
    down.viewRow = 30;
    const auto object = [](int x, int y) { return ClipItem{false, normal(1, x, y), {}, 0}; };
    const auto enemy = [](int x, int y) { return ClipItem{true, {}, Enemy{1, x, y}, 0}; };
    const struct {
        ClipItem item;
        const AreaModel& area;
        const ViewState& view;
        PastePlace place;
    } cases[] = {
        {object(20, 7), horizontal, view, {20, 7, false}},
        {object(31, 14), horizontal, view, {31, 14, false}},
        {object(32, 7), horizontal, view, {16, 0, true}},   // right of the screen
        {object(15, 7), horizontal, view, {16, 0, true}},   // left of it
        {enemy(20, 15), horizontal, view, {16, 0, true}},   // below it
        {enemy(18, 3), horizontal, view, {18, 3, false}},
        {object(5, 40), vertical, down, {5, 40, false}},
        {object(5, 29), vertical, down, {0, 30, true}},
        {enemy(20, 40), vertical, down, {0, 30, true}},     // no such column in a vertical area
        {ClipItem{false, special(kKindPointer, 48, 3, 0, 1, 2), {}, 0}, horizontal, view, {21, 0, true}},
        {ClipItem{false, special(kKindPointer, 16, 3, 0, 1, 2), {}, 0}, horizontal, view, {21, 3, false}},
        {ClipItem{false, special(kKindGroundType, 48, 3, 0, 1, 2), {}, 0}, vertical, down, {6, 30, true}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AreaClipboard::place(c.item, c.area, c.view), c.place)
            << c.item.object.x << "," << c.item.object.y << " enemy " << c.item.isEnemy;
}

TEST(AreaClipboard, PasteBooksBytesKeepsLayersAndSelects)
{
    AreaModel area = horizontalArea();
    ViewState view;
    // A layer-1 object goes in front of the area's first layer-1 object.
    ASSERT_EQ(AreaClipboard::paste(ClipItem{false, normal(7, 3, 4, 1), {}, 0}, area, view), std::nullopt);
    EXPECT_EQ(area.objCount(), 4);
    EXPECT_EQ(area.object(3), normal(7, 3, 4, 1));
    EXPECT_EQ(area.selectedObject, 3);
    EXPECT_EQ(area.levelSpareFF, 8);
    // A layer the area does not have becomes its last one.
    ASSERT_EQ(AreaClipboard::paste(ClipItem{false, normal(8, 4, 4, 6), {}, 0}, area, view), std::nullopt);
    EXPECT_EQ(area.object(3).layer, 1);
    // A three-byte pointer.
    ASSERT_EQ(AreaClipboard::paste(ClipItem{false, special(kKindPointer, 0, 2, 0, 9, 8), {}, 0}, area, view),
              std::nullopt);
    EXPECT_EQ(area.levelSpareFF, 3);
    EXPECT_EQ(area.object(1).param, (std::array<int, 2>{9, 8}));
    // An enemy in the view's page books 2 bytes; it switches to enemy mode.
    EXPECT_EQ(view.editMode, 0);
    ASSERT_EQ(AreaClipboard::paste(ClipItem{true, {}, Enemy{9, 2, 3}, 0}, area, view), std::nullopt);
    EXPECT_EQ(area.enemies.back(), (Enemy{9, 2, 3}));
    EXPECT_EQ(area.selectedEnemy, 3);
    EXPECT_EQ(area.enemySpareBytes, 8);
    EXPECT_EQ(view.editMode, 1);
    // Two pages past the last enemy page: 2 more bytes.
    view.viewColumn = 80;
    ASSERT_EQ(AreaClipboard::paste(ClipItem{true, {}, Enemy{9, 82, 3}, 0}, area, view), std::nullopt);
    EXPECT_EQ(area.enemySpareBytes, 4);

    // Too little room: refused, the model as it was.
    area.levelSpareFF = 2;
    const AreaModel before = area;
    const auto refusal = AreaClipboard::paste(ClipItem{false, special(kKindPointer, 80, 2, 0, 1, 1), {}, 0}, area, view);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->text, "Not enough free space to paste the object!");
    EXPECT_EQ(refusal->title, "Can't paste!");
    EXPECT_EQ(area, before);
    area.enemySpareBytes = 3; // the enemy two pages on needs 4
    const AreaModel fewer = area;
    EXPECT_TRUE(AreaClipboard::paste(ClipItem{true, {}, Enemy{9, 82, 3}, 0}, area, view));
    EXPECT_EQ(area, fewer);
}

// The commands on a running core: each is one undo step, and text from the
// clipboard that is refused changes nothing.
class ClipboardCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder.writeImage("quorl.nes", editorTestImage().bytes());
        folder.writeFile("Quorled.ini", "[Options]\nStartArea= 10\n");
        core.setObserver([this](ChangeSet c) { changes |= c; });
        core.readSettings(folder.settingsPath());
        ASSERT_EQ(core.openImage(folder.path("quorl.nes")), std::nullopt);
    }
    CoreFolder folder;
    EditorCore core{syntheticCarriedPictures()};
    ChangeSet changes;
};

TEST_F(ClipboardCommandsTest, CutThenPasteIsTwoUndoStepsAndBringsTheItemBack)
{
    core.area().selectedObject = 1;
    const AreaModel original = core.area();
    const LevelObject first = core.area().object(1);
    const auto text = ClipboardCommands::cut(core);
    ASSERT_TRUE(text);
    EXPECT_EQ(core.area().objCount(), original.objCount() - 1);
    EXPECT_EQ(core.document().undoName(), "Cut object");
    ASSERT_TRUE(ClipboardCommands::paste(core, *text));
    EXPECT_EQ(core.document().undoName(), "Paste object");
    // Without a cell under the pointer it lands at the view's top-left.
    LevelObject atTopLeft = first;
    atTopLeft.x = core.view().viewColumn;
    atTopLeft.y = 0;
    EXPECT_EQ(core.area().object(core.area().selectedObject), atTopLeft);
    ASSERT_TRUE(ClipboardCommands::paste(core, *text, AreaCell{9, 4}));
    EXPECT_EQ(core.area().object(core.area().selectedObject).x, 9);
    EXPECT_EQ(core.area().object(core.area().selectedObject).y, 4);
    core.runCommand(Command::editUndo);
    core.runCommand(Command::editUndo);
    core.runCommand(Command::editUndo);
    EXPECT_TRUE(AreaDocument::sameContent(core.area(), original));
    EXPECT_FALSE(core.document().differs());

    // Copy of an enemy changes nothing; its paste is one step.
    core.keyDown(0x20, 0); // Space: enemies
    ASSERT_EQ(core.editMode(), 1);
    const auto enemy = ClipboardCommands::copy(core);
    ASSERT_TRUE(enemy);
    EXPECT_FALSE(core.document().canUndo());
    ASSERT_TRUE(ClipboardCommands::paste(core, *enemy));
    EXPECT_EQ(core.area().enemyCount(), original.enemyCount() + 1);
    EXPECT_EQ(core.document().undoSteps(), 1u);
}

TEST_F(ClipboardCommandsTest, RefusedTextComesAsANoticeAndChangesNothing)
{
    const AreaModel before = core.area();
    changes = {};
    EXPECT_FALSE(ClipboardCommands::paste(core, "{\"objects\": 1}"));
    EXPECT_TRUE(changes.has(Change::Notice));
    EXPECT_EQ(core.notice().title, "Can't paste!");
    EXPECT_NE(core.notice().text.find("The clipboard text is not an area"), std::string::npos) << core.notice().text;
    EXPECT_EQ(core.area(), before);
    EXPECT_FALSE(core.document().canUndo());
    // Cut and Copy need a selection.
    EXPECT_TRUE(core.commandEnabled(Command::editCopy));
    core.area().selectedObject = core.area().objCount() + 1;
    EXPECT_FALSE(core.commandEnabled(Command::editCopy));
    EXPECT_FALSE(core.commandEnabled(Command::editCut));
    EXPECT_TRUE(core.commandEnabled(Command::editPaste));
}

} // namespace
} // namespace quorled
