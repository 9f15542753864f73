#include "core/exchange/areajson.h"
#include "core/session/clipboardcommands.h"
#include "core/exchange/groupclipboard.h"
#include "core/corefixture.h"

#include "romdata/imageerror.h"
#include "romdata/levelformat.h"

#include <gtest/gtest.h>

namespace quorled {
namespace {

using testing::CoreFolder;
using testing::editorTestImage;
using testing::syntheticCarriedPictures;

// Clipboard text that is not items of an area is refused whole, with a
// message that says what is wrong.
TEST(GroupClipboard, RefusesTextThatIsNotItemsInRange)
{
    const std::string head = R"({"header": [128, 3, 0, 0], "isVertical": 0, )";
    const struct {
        std::string text;
        const char* says;
    } cases[] = {
        {"", "is not items copied from an area: line 1, column 1"},
        {"hello", "is not items copied from an area"},
        {"[1, 2]", "the document is an array, not an object"},
        {head + R"("objects": [], "enemies": []})", "holds no object and no enemy"},
        {head + R"("enemies": []})", "has no \"objects\""},
        {head + R"("objects": [{"type": 300, "x": 5, "y": 2, "special": false, "layer": 0}], "enemies": []})",
         "objects[0].type is 300"},
        {head + R"("objects": [{"type": 1, "x": -1, "y": 2, "special": false, "layer": 0}], "enemies": []})",
         "objects[0].x is -1"},
        {head + R"("objects": [], "enemies": [{"type": 1, "x": 2, "y": 16}]})", "enemies[0].y is 16"},
        {head + R"("objects": [], "enemies": [{"type": 1, "x": 2, "y": 3, "hp": 9}]})", "unknown key \"hp\""},
        {head + R"("objects": [{"type": 256, "x": 15, "y": 2, "special": true, "layer": 0}], "enemies": []})",
         "holds an end marker"},
        // More entries than an area's data can hold are refused as the text is read.
        {head + R"("objects": [)" + [] {
             std::string list = "0";
             for (int i = 1; i < 40000; ++i)
                 list += ",0";
             return list;
         }() + "]}",
         "is not items copied from an area"},
        {std::string(GroupClipboard::kMaxTextLength + 1, ' '), "is too long"},
    };
    for (const auto& c : cases) {
        try {
            GroupClipboard::readText(c.text);
            ADD_FAILURE() << "accepted: " << c.text.substr(0, 200);
        } catch (const ImageError& error) {
            const std::string message = error.what();
            EXPECT_EQ(message.rfind("The clipboard text ", 0), 0u) << message;
            EXPECT_NE(message.find(c.says), std::string::npos) << message;
            EXPECT_NE(message.find("Nothing was pasted."), std::string::npos) << message;
        }
    }
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
    core.undo();
    core.undo();
    core.undo();
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
