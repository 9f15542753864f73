#include "core/corefixture.h"

#include "core/document/stepfocus.h"
#include "core/editing/keyediting.h"
#include "romdata/bytetables.h"
#include "romdata/datamove.h"
#include "romdata/demo/demoimage.h"
#include "romdata/imageerror.h"
#include "romdata/romimage.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

namespace quorled {
namespace {

using testing::CoreFolder;
using testing::syntheticCarriedPictures;

// The iNES demo image open in an editor core at area 00.
class ImageDocumentTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        original = buildDemoImage(ImageKind::Ines);
        folder.writeImage("quorl.nes", original);
        folder.writeFile("Quorled.ini", "[Options]\nStartArea= 0\nBackup= 0\n");
        core.readSettings(folder.settingsPath());
        ASSERT_EQ(core.openImage(image()), std::nullopt);
    }
    std::string image() const { return folder.path("quorl.nes"); }
    std::vector<std::uint8_t> onDisk() const { return RomImage::open(image()).bytes(); }
    void editObject() { core.keyDown(vk::Add, 0); } // the selected object's type, one up
    long livesOffset() const { return byteTable(ByteTableId::Nlives).rows[0].offset; }
    bool setLives(int value)
    {
        return core.writeImage([&](RomImage& rom) { rom.write(livesOffset(), value); }, "Change lives");
    }

    CoreFolder folder;
    std::vector<std::uint8_t> original;
    EditorCore core{syntheticCarriedPictures()};
};

TEST_F(ImageDocumentTest, EditsInSeveralAreasAndATableChangeUndoAndRedoToIdenticalImages)
{
    editObject();
    const AreaModel area0 = core.area();
    core.keyDown(vk::PageDown, 0); // no question: the edit of 00 stays
    ASSERT_EQ(core.currentArea(), 1);
    editObject();
    ASSERT_TRUE(setLives(7));
    const std::vector<std::uint8_t> withLives = onDisk();
    EXPECT_EQ(withLives[static_cast<std::size_t>(livesOffset())], 7);
    EXPECT_EQ(core.document().changedAreas(), (std::vector<int>{0, 1}));
    EXPECT_EQ(core.status(), "2 areas changed: 00, 01");
    EXPECT_EQ(core.document().undoTitle(), "Change lives") << "a game-wide table names no area";

    core.undo(); // writes the lives byte back
    EXPECT_EQ(onDisk(), original);
    core.undo();
    EXPECT_EQ(core.document().undoTitle(), "Change object in area 00");
    core.undo(); // opens area 00 first
    EXPECT_EQ(core.currentArea(), 0);
    EXPECT_TRUE(core.document().changedAreas().empty());
    EXPECT_FALSE(core.commandEnabled(Command::editUndo));

    for (int i = 0; i < 3; ++i)
        core.redo();
    EXPECT_EQ(onDisk(), withLives);
    EXPECT_EQ(core.currentArea(), 1);
    EXPECT_EQ(core.document().touched(0)->model(), area0);

    // Save all writes both areas at once; undoing every step afterwards
    // leaves the file as saved and the areas changed against it.
    core.saveAllAreas();
    EXPECT_TRUE(core.document().changedAreas().empty());
    EXPECT_NE(onDisk(), withLives);
    EditorCore fresh{syntheticCarriedPictures()};
    fresh.readSettings(folder.settingsPath());
    ASSERT_EQ(fresh.openImage(image()), std::nullopt);
    EXPECT_TRUE(AreaDocument::sameContent(fresh.area(), area0));
}

TEST(StepTitleTest, AreaStepsAndSavesNameTheirAreaGameWideWritesDoNot)
{
    const struct {
        HistoryStep step;
        const char* title;
    } cases[] = {
        {{"Move object", 0x0A, AreaModel{}, {}}, "Move object in area 0A"},
        {{"Move and save", 0x14, std::nullopt, {WrittenRun{}}, 0, 0, true}, "Move and save in area 14"},
        {{"Number of lives at start", 0x01, std::nullopt, {WrittenRun{}}}, "Number of lives at start"},
        {{"Move level data", 0x01, std::nullopt, {WrittenRun{}}}, "Move level data"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(stepTitle(c.step), c.title);
}

// A command's document: the lock held from before the read until the
// write, which therefore takes no second lock; a disk image read without
// offsets has no directory, so only an area cannot be opened.
TEST(CommandDocumentTest, AHeldLockSpansReadAndWriteAndADiskImageNeedsOffsetsOnlyForAnArea)
{
    CoreFolder folder;
    const std::string disk = folder.path("quorl.fds");
    const std::vector<std::uint8_t> original = buildDemoImage(ImageKind::Fds);
    folder.writeImage("quorl.fds", original);
    const auto noOffsets = [](const RomImage&) { return std::optional<DiskImageOffsets>(); };

    ImageDocument areaDocument;
    EXPECT_THROW(areaDocument.open(disk, ImageKind::Fds, noOffsets, 0), ImageError);
    EXPECT_FALSE(areaDocument.isOpen());

    ImageDocument document;
    document.writeGuard().setBackupEnabled(false);
    document.holdLock(disk);
    document.open(disk, ImageKind::Fds, noOffsets, ImageDocument::kNoArea);
    EXPECT_FALSE(document.differs());
    EXPECT_EQ(document.bytes(), original);
    document.write([](RomImage& image) { image.write(0x20, image.read(0x20) ^ 0xFF); });
    std::vector<std::uint8_t> changed = original;
    changed[0x20] ^= 0xFF;
    EXPECT_EQ(RomImage::open(disk).bytes(), changed);
    EXPECT_EQ(document.bytes(), changed);
}

TEST_F(ImageDocumentTest, SaveAllWritesNothingWhenOneAreaDoesNotFit)
{
    editObject();
    core.keyDown(vk::PageDown, 0);
    // Area 01 outgrows its room.
    while (core.document().roomUse()->levelFits()) {
        AddObjectRequest request;
        request.x = "3";
        request.y = "4";
        request.z = "49";
        ASSERT_TRUE(core.addObject(request));
    }
    core.saveAllAreas();
    EXPECT_EQ(onDisk(), original);
    EXPECT_NE(core.notice().text.find("area 01 can't be saved"), std::string::npos) << core.notice().text;
    EXPECT_EQ(core.document().changedAreas(), (std::vector<int>{0, 1}));
}

TEST_F(ImageDocumentTest, HistoryMergesRepeatedPressesAndStaysBounded)
{
    // Three steps up stay short of the door type, which selects a pointer too.
    for (int i = 0; i < 3; ++i)
        editObject();
    EXPECT_EQ(core.document().undoSteps(), 1u) << "one item, one kind of change: one step";
    core.keyDown(vk::Right, 0); // another object
    editObject();
    EXPECT_EQ(core.document().undoSteps(), 2u);

    ImageHistory history;
    for (std::size_t i = 0; i < ImageHistory::kMaxSteps + 5; ++i)
        history.push(HistoryStep{"Move object", 0, core.area(), {}, static_cast<int>(i), 0, false}, true);
    EXPECT_EQ(history.undoSteps(), ImageHistory::kMaxSteps);
    EXPECT_LT(history.memory(), ImageHistory::kMaxBytes);
    HistoryStep big{"Change", 0, std::nullopt, {WrittenRun{0, std::vector<std::uint8_t>(ImageHistory::kMaxBytes / 2), {}}}};
    history.push(big, false);
    history.push(big, false);
    EXPECT_LE(history.memory(), ImageHistory::kMaxBytes);
    EXPECT_EQ(history.undoSteps(), 1u);
}

TEST_F(ImageDocumentTest, ASaveAtOffsetsAnotherProgramMovedIsRefused)
{
    editObject();
    {
        RomImage rom = RomImage::open(image());
        const std::optional<long> target = findMoveTarget(rom, MoveData::Level, 64);
        ASSERT_TRUE(target);
        ASSERT_FALSE(moveData(rom, {0, MoveData::Level, *target, MoveOption::CopyErase}).refusal);
        rom.commit();
    }
    const std::vector<std::uint8_t> moved = onDisk();
    core.saveArea();
    EXPECT_EQ(onDisk(), moved);
    EXPECT_NE(core.message().find("The data of area 00"), std::string::npos) << core.message();
    EXPECT_TRUE(core.document().differs());
}

TEST_F(ImageDocumentTest, AChangeByAnotherProgramIsKeptAndNeverSilentlyOverwritten)
{
    editObject();
    // A real second process changes the lives byte while the edit is held.
    const std::string command = std::string(QUORLED_CLI_PATH) + " set '" + image() + "' lives 0 9 --no-backup >/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_TRUE(core.document().changedOnDisk());
    core.saveArea(); // other bytes: written, the lives kept
    EXPECT_FALSE(core.document().differs()) << core.message();
    EXPECT_EQ(onDisk()[static_cast<std::size_t>(livesOffset())], 9);

    // Our own write over the byte the other program changed asks first.
    bool asked = false;
    core.document().setOverwriteQuestion([&](const std::string&) { return asked = true, false; });
    const std::vector<std::uint8_t> before = onDisk();
    EXPECT_FALSE(setLives(4));
    EXPECT_TRUE(asked);
    EXPECT_EQ(onDisk(), before);
    core.document().setOverwriteQuestion([](const std::string&) { return true; });
    EXPECT_TRUE(setLives(4));
    EXPECT_EQ(onDisk()[static_cast<std::size_t>(livesOffset())], 4);
}

TEST_F(ImageDocumentTest, EachChangeOnDiskIsToldOnceAndOwnWritesNever)
{
    ImageDocument& document = core.document();
    EXPECT_FALSE(document.takeChangeOnDisk());
    ASSERT_TRUE(setLives(7)); // our own write
    EXPECT_FALSE(document.takeChangeOnDisk());
    const std::string command = std::string(QUORLED_CLI_PATH) + " set '" + image() + "' lives 0 9 --no-backup >/dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_TRUE(document.takeChangeOnDisk());
    EXPECT_FALSE(document.takeChangeOnDisk()) << "told once";
    // A save that keeps the other program's byte is no change by another program.
    editObject();
    core.saveArea();
    ASSERT_FALSE(document.differs()) << core.message();
    EXPECT_FALSE(document.takeChangeOnDisk());
    EXPECT_TRUE(document.changedOnDisk()) << "the byte is still one the editor did not write";
}

// The item an undone or redone step changed, selected and put on screen.
TEST(StepFocus, SelectsAndShowsTheChangedItem)
{
    AreaModel before;
    before.objects = {{1, 2, 3}, {2, 40, 5}, {3, 60, 7}};
    before.enemies = {{4, 30, 9}, {5, 70, 2}};
    struct Case {
        const char* what;
        std::function<void(AreaModel&)> step;
        int editMode;
        bool found;
        int mode, object, enemy, column;
    };
    const Case cases[] = {
        {"object moved", [](AreaModel& a) { a.objects[1].x = 41; }, 1, true, 0, 2, 1, 33},
        {"enemy retyped", [](AreaModel& a) { a.enemies[1].type = 6; }, 0, true, 1, 1, 2, 62},
        {"object on screen", [](AreaModel& a) { a.objects[0].type = 9; }, 0, true, 0, 1, 1, 0},
        {"object taken away", [](AreaModel& a) { a.objects.pop_back(); }, 0, true, 0, 1, 1, 52},
        {"both kinds, enemy mode", [](AreaModel& a) { a.objects[2].y = 1, a.enemies[0].y = 1; }, 1, true, 1, 1, 1, 22},
        {"both kinds, object mode", [](AreaModel& a) { a.objects[2].y = 1, a.enemies[0].y = 1; }, 0, true, 0, 3, 1, 52},
        {"header only", [](AreaModel& a) { a.header.setBit(3, 1); }, 1, false, 1, 1, 1, 0},
    };
    for (const Case& c : cases) {
        AreaModel after = before;
        c.step(after);
        ViewState view;
        view.editMode = c.editMode;
        EXPECT_EQ(focusChangedItem(before, after, view), c.found) << c.what;
        EXPECT_EQ(view.editMode, c.mode) << c.what;
        EXPECT_EQ(after.selectedObject, c.object) << c.what;
        EXPECT_EQ(after.selectedEnemy, c.enemy) << c.what;
        EXPECT_EQ(view.viewColumn, c.column) << c.what;
    }
}

} // namespace
} // namespace quorled
