#include "core/corefixture.h"
#include "core/forms/spacetools.h"

#include "romdata/filestore.h"
#include "romdata/romimage.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace quorled {
namespace {

using testing::CoreFolder;
using testing::editorTestImage;
using testing::syntheticCarriedPictures;

// The space tools on area 10 of the editor's test image: 11 bytes of level
// data at 0x11000, 10 bytes of enemy data at 0x12800.
class SpaceToolsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder.writeImage("quorl.nes", editorTestImage().bytes());
        image = folder.path("quorl.nes");
        original = readWholeFile(image);
        folder.writeFile("Quorled.ini", "[Options]\nStartArea= 10\n");
        core.readSettings(folder.settingsPath());
        ASSERT_EQ(core.openImage(image), std::nullopt);
        core.setObserver([this](ChangeSet c) { changes |= c; });
    }

    // A refusal: the warning with its title, the dialog stays open, no
    // byte of the image and no backup written, unsaved edits kept.
    void expectRefused(const SpaceOutcome& outcome, const std::string& text, const std::string& title)
    {
        EXPECT_FALSE(outcome.done);
        ASSERT_TRUE(outcome.notice) << text;
        EXPECT_EQ(outcome.notice->text, text);
        EXPECT_EQ(outcome.notice->title, title);
        EXPECT_EQ(outcome.notice->icon, NoticeIcon::Warning);
        expectUntouched();
    }
    void expectUntouched()
    {
        EXPECT_EQ(readWholeFile(image), original);
        EXPECT_FALSE(std::filesystem::exists(image + ".bak"));
        EXPECT_EQ(core.area().objCount(), editedObjects);
    }
    // An unsaved edit that a refusal must not lose.
    void editArea()
    {
        core.deleteAll();
        editedObjects = core.area().objCount();
        ASSERT_EQ(editedObjects, 0);
    }

    CoreFolder folder;
    EditorCore core{syntheticCarriedPictures()};
    SpaceTools tools{core};
    ChangeSet changes;
    std::string image;
    std::vector<std::uint8_t> original;
    int editedObjects = -1;
};

TEST_F(SpaceToolsTest, MoveFormsShowTheStoredBlocks)
{
    editArea();
    const MoveForm level = tools.moveForm(MoveData::Level);
    EXPECT_EQ(level.address, "11000");
    EXPECT_EQ(level.location, "11000");
    EXPECT_EQ(level.size, "11") << "measured from the image, not the edited model";
    const MoveForm enemy = tools.moveForm(MoveData::Enemy);
    EXPECT_EQ(enemy.address, "12800");
    EXPECT_EQ(enemy.size, "10");
}

TEST_F(SpaceToolsTest, RefusedMovesWriteNothing)
{
    editArea();
    const std::string level = "Can't move level data there!";
    const std::string enemy = "Can't move enemy data there!";
    const std::string range = "Address must be between $101C9 and $1400B.";
    const struct {
        MoveData what;
        const char* text;
        int option;
        std::string message;
        const std::string& title;
    } cases[] = {
        {MoveData::Level, "12G45", 0, range, level},
        {MoveData::Level, "", 1, range, level},
        {MoveData::Enemy, "1101C9", 0, range, enemy},
        {MoveData::Enemy, "12600", 0,
         "Addresses from $12510 to $12707 are used for enemy pointer data. You can't move level data there!", enemy},
        // Area 09's block would stop short under a bound below it.
        {MoveData::Enemy, "12500", 1, "Enemy data can't go there: area 09 would no longer load as it does now.",
         enemy},
        {MoveData::Level, "1400B", 1, "Level data won't fit there, it exceeds $1400F!", level},
        {MoveData::Level, "$11004", 2, "Level data won't fit there, it would overwrite some level or enemy data!",
         level},
        {MoveData::Enemy, "12505", 1, "Enemy data won't fit there, it would overwrite enemy pointer data!", enemy},
    };
    for (const auto& c : cases)
        expectRefused(tools.move(c.what, c.text, c.option), c.message, c.title);
}

TEST_F(SpaceToolsTest, AMoveWritesThroughTheGuardAndReloads)
{
    const SpaceOutcome outcome = tools.move(MoveData::Level, " $13000 ", 2);
    EXPECT_TRUE(outcome.done);
    EXPECT_FALSE(outcome.notice);
    EXPECT_EQ(readWholeFile(image + ".bak"), original);
    const std::vector<std::uint8_t> now = readWholeFile(image);
    EXPECT_EQ(now[0x10025 + 10], 0xF0);
    EXPECT_EQ(now[0x100F7 + 10], 0x8F + 0x20);
    EXPECT_EQ(now[0x11004], 0xFF);
    EXPECT_EQ(now[0x13004], 0x25);
    EXPECT_EQ(core.area().levelDataOffset, 0x13000);
    EXPECT_EQ(core.area().objCount(), 3);
    EXPECT_TRUE(changes.has(Change::Picture));
}

TEST_F(SpaceToolsTest, EraseOfSharedDataIsSkippedAndSaid)
{
    folder.writeFile("Quorled.ini", "[Options]\nStartArea= 0\n");
    core.readSettings(folder.settingsPath());
    ASSERT_EQ(core.openImage(image), std::nullopt);
    const SpaceOutcome outcome = tools.move(MoveData::Level, "13000", 2);
    ASSERT_TRUE(outcome.done);
    ASSERT_TRUE(outcome.notice);
    EXPECT_EQ(outcome.notice->text, "The data was copied, and the old bytes at $101C9 were kept: area 01 uses them too.");
    EXPECT_EQ(outcome.notice->title, "Move level data");
    EXPECT_EQ(readWholeFile(image)[0x101C9], original[0x101C9]);
}

TEST_F(SpaceToolsTest, AReadOnlyImageRefusesAMoveAndAnInsertion)
{
    ::chmod(image.c_str(), 0444);
    writeWholeFile(folder.path("good.qlv"),
                   std::vector<std::uint8_t>(original.begin() + 0x10010, original.begin() + 0x14010));
    editArea();
    EXPECT_FALSE(tools.move(MoveData::Level, "13000", 1).done);
    EXPECT_EQ(core.message(), "The image " + image + " is read-only.");
    EXPECT_TRUE(changes.has(Change::Message));
    const SpaceOutcome insert = tools.insert(folder.path("good.qlv"));
    EXPECT_FALSE(insert.done);
    EXPECT_FALSE(insert.notice) << "the write guard reports it";
    expectUntouched();
}

TEST_F(SpaceToolsTest, DumpAndInsert)
{
    EXPECT_EQ(tools.proposedDumpName(), folder.path("quorl.qlv"));
    editArea();
    // Empty answers do nothing at all.
    EXPECT_FALSE(tools.dump("").notice);
    EXPECT_FALSE(tools.insert("").notice);
    expectRefused(tools.dump(folder.path("./quorl.nes")), "Dump file can't be the same as ROM file!", "Error dumping!");
    expectRefused(tools.insert(folder.path("./quorl.nes")), "Dump file can't be the same as ROM file!", "Error!");
    const std::string missing = folder.path("none.qlv");
    expectRefused(tools.insert(missing), "Dump file (" + missing + ") is either empty or doesn't exist.", "Error!");
    EXPECT_FALSE(std::filesystem::exists(missing));

    const SpaceOutcome dumped = tools.dump(folder.path("quorl.qlv"));
    ASSERT_TRUE(dumped.notice);
    EXPECT_EQ(dumped.notice->text, "Dump done.");
    EXPECT_EQ(dumped.notice->title, "Dump level data");
    EXPECT_EQ(dumped.notice->icon, NoticeIcon::Information);
    expectUntouched();

    // A dump whose area 10 points into the enemy pointer block.
    std::vector<std::uint8_t> block = readWholeFile(folder.path("quorl.qlv"));
    block[0x10025 + 10 - 0x10010] = 0x00;
    block[0x100F7 + 10 - 0x10010] = 0xA6; // 0xA600 + 0x8010 = 0x12610
    writeWholeFile(folder.path("changed.qlv"), block);
    const SpaceOutcome inserted = tools.insert(folder.path("changed.qlv"));
    EXPECT_TRUE(inserted.done);
    ASSERT_TRUE(inserted.notice);
    EXPECT_EQ(inserted.notice->text, "Level data insertion done.\nThese areas no longer load cleanly: 0A.");
    EXPECT_EQ(inserted.notice->title, "Dump level data");
    EXPECT_EQ(core.area().levelDataOffset, 0x12610) << "reloaded from the inserted pointers";
    EXPECT_EQ(readWholeFile(image + ".bak"), original);
}

} // namespace
} // namespace quorled
