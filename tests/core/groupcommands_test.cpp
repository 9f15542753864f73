#include "core/session/clipboardcommands.h"
#include "core/corefixture.h"
#include "core/editing/groupcommands.h"
#include "core/editing/groupselection.h"
#include "core/editing/keyediting.h"

#include "romdata/arealoader.h"
#include "romdata/romimage.h"

#include <gtest/gtest.h>

namespace quorled {
namespace {

using testing::CoreFolder;
using testing::editorTestImage;
using testing::syntheticCarriedPictures;

constexpr int kDelete = 0x2E;
constexpr int kEscape = 0x1B;
constexpr int kCloseBracket = 0xDD;

// The editor on area 10 of the test image with every item selected.
class GroupCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder.writeImage("quorl.nes", editorTestImage().bytes());
        folder.writeFile("Quorled.ini", "[Options]\nStartArea= 10\n");
        core.readSettings(folder.settingsPath());
        ASSERT_EQ(core.openImage(folder.path("quorl.nes")), std::nullopt);
        original = core.area();
        GroupCommands::selectAll(core);
    }
    int selected() const { return GroupSelection::selectedItems(core.area(), core.editMode()).size(); }

    CoreFolder folder;
    EditorCore core{syntheticCarriedPictures()};
    AreaModel original;
};

TEST_F(GroupCommandsTest, LaptopKeysMoveAndRetypeTheGroupOneStepEach)
{
    const int items = original.objCount() + original.enemyCount();
    ASSERT_EQ(selected(), items);
    EXPECT_FALSE(core.document().canUndo()); // selecting is no edit

    core.keyDown(vk::Down, kAlt);
    EXPECT_EQ(core.document().undoName(), "Move items");
    EXPECT_EQ(core.document().undoSteps(), 1u);
    for (int i = 1; i <= original.enemyCount(); ++i)
        EXPECT_EQ(core.area().enemy(i).y, original.enemy(i).y + 1);

    core.keyDown(kCloseBracket, kAlt | kShift);
    EXPECT_EQ(core.document().undoName(), "Change objects");
    for (int i = 1; i <= original.objCount(); ++i) {
        if (!original.object(i).special) {
            EXPECT_EQ(core.area().object(i).type, (original.object(i).type + 16) % 256);
        }
    }

    core.undo();
    core.undo();
    EXPECT_TRUE(AreaDocument::sameContent(core.area(), original));
    EXPECT_EQ(selected(), items); // the selection comes back with the step

    core.keyDown(kEscape, 0);
    EXPECT_EQ(selected(), 1);
    // Alone, an Alt+arrow is the keypad key.
    const AreaModel before = core.area();
    core.keyDown(vk::Left, kAlt);
    EXPECT_EQ(core.document().undoName(), "Move object");
    EXPECT_EQ(core.area().object(core.area().selectedObject).x, before.object(before.selectedObject).x - 1);
}

TEST_F(GroupCommandsTest, DeleteCutAndPasteIntoAnotherAreaAreOneStepEach)
{
    const auto text = ClipboardCommands::copy(core);
    ASSERT_TRUE(text);
    core.keyDown(kDelete, 0);
    EXPECT_EQ(core.area().objCount() + core.area().enemyCount(), 0);
    EXPECT_EQ(core.document().undoSteps(), 1u);
    core.undo();
    EXPECT_TRUE(AreaDocument::sameContent(core.area(), original));

    core.keyDown(vk::PageDown, 0);
    ASSERT_EQ(core.currentArea(), 11);
    const AreaModel there = core.area();
    const bool pasted = ClipboardCommands::paste(core, *text, AreaCell{1, 2});
    if (!pasted) {
        // Too little room there: refused as a whole, with the bytes named.
        EXPECT_NE(core.notice().text.find("bytes"), std::string::npos) << core.notice().text;
        EXPECT_EQ(core.area(), there);
        return;
    }
    EXPECT_EQ(core.area().objCount(), there.objCount() + original.objCount());
    EXPECT_EQ(core.area().enemyCount(), there.enemyCount() + original.enemyCount());
    EXPECT_EQ(selected(), original.objCount() + original.enemyCount());
    EXPECT_EQ(core.document().undoSteps(), 1u);
}

TEST_F(GroupCommandsTest, DuplicateAndPlacingATypeAreRefusedWithoutRoom)
{
    core.area().levelSpareFF = 0;
    core.area().enemySpareBytes = 0;
    const AreaModel before = core.area();
    GroupCommands::duplicate(core);
    EXPECT_EQ(core.notice().title, "Can't duplicate!");
    EXPECT_EQ(core.area(), before);
    EXPECT_FALSE(GroupCommands::placeType(core, true, 5, AreaCell{3, 3}));
    EXPECT_EQ(core.area(), before);

    core.area().enemySpareBytes = 2;
    ASSERT_TRUE(GroupCommands::placeType(core, true, 5, AreaCell{3, 3}));
    EXPECT_EQ(core.area().enemy(core.area().enemyCount()), (Enemy{5, 3, 3}));
    EXPECT_EQ(core.editMode(), 1);
    EXPECT_EQ(selected(), 1);
    EXPECT_EQ(core.document().undoName(), "Place enemy");
}

TEST_F(GroupCommandsTest, MoveAndSaveMakesAnAdditionRefusedForRoomAndSavesIt)
{
    AreaModel before;
    const auto refuseDuplicate = [&] {
        core.area().levelSpareFF = 0;
        core.area().enemySpareBytes = 0;
        before = core.area();
        GroupCommands::duplicate(core);
        EXPECT_EQ(core.area(), before);
        EXPECT_TRUE(core.notice().offersMove);
        EXPECT_NE(core.notice().text.find("\"Move and save\""), std::string::npos) << core.notice().text;
        return core.notice().moveEdit;
    };
    // A save that fails takes the addition back and writes nothing.
    const auto failing = refuseDuplicate();
    ASSERT_TRUE(failing);
    const std::vector<std::uint8_t> damaged(0x100, 0x00);
    folder.writeImage("quorl.nes", damaged);
    (*failing)(core);
    EXPECT_FALSE(core.message().empty());
    EXPECT_TRUE(AreaDocument::sameContent(core.area(), before));
    EXPECT_EQ(folder.readFile("quorl.nes"), std::string(damaged.begin(), damaged.end()));

    folder.writeImage("quorl.nes", editorTestImage().bytes());
    const auto moving = refuseDuplicate();
    ASSERT_TRUE(moving);
    (*moving)(core);
    EXPECT_FALSE(core.document().differs()) << core.message() << core.notice().text;
    // The addition and the save that moved the data are two steps of the history.
    EXPECT_EQ(core.document().undoName(), "Move and save");
    ASSERT_TRUE(core.document().undo());
    EXPECT_EQ(core.document().undoName(), "Duplicate items");
    ASSERT_TRUE(core.document().redo());
    const RomImage image = RomImage::open(folder.path("quorl.nes"));
    const AreaModel saved = loadArea(image, buildAreaDirectory(image, ImageKind::Ines), ImageKind::Ines, 10);
    EXPECT_EQ(saved.objCount(), 2 * original.objCount());
    EXPECT_EQ(saved.enemyCount(), 2 * original.enemyCount());
}

} // namespace
} // namespace quorled
