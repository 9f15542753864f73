#include "core/corefixture.h"

#include <gtest/gtest.h>

namespace quorled {
namespace {

using testing::CoreFolder;
using testing::editorTestImage;
using testing::syntheticCarriedPictures;

constexpr long kLevel = 0x11000;
constexpr long kEnemy = 0x12800;

class EditorAreaCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder.writeImage("quorl.nes", editorTestImage().bytes());
        core.setObserver([this](ChangeSet c) { changes |= c; });
        folder.writeFile("Quorled.ini", "[Options]\nStartArea= 10\n");
        core.readSettings(folder.settingsPath());
        ASSERT_EQ(core.openImage(folder.path("quorl.nes")), std::nullopt);
        changes = {};
    }
    std::string bytesAt(long offset, std::size_t count) const
    {
        return folder.readFile("quorl.nes").substr(static_cast<std::size_t>(offset), count);
    }

    CoreFolder folder;
    EditorCore core{syntheticCarriedPictures()};
    ChangeSet changes;
};

TEST_F(EditorAreaCommandsTest, TheseCommandsAreBuilt)
{
    for (Command c : {Command::lsave, Command::lrefresh, Command::addO, Command::addE, Command::delobj,
                      Command::DelAll, Command::Ehdr, Command::LI, Command::seeF})
        EXPECT_TRUE(core.commandEnabled(c));
}

TEST_F(EditorAreaCommandsTest, SaveWritesTheEditAndKeepsViewAndSelection)
{
    const std::string before = folder.readFile("quorl.nes");
    core.area().object(1).x += 1;
    core.area().selectedObject = 2;
    core.area().selectedEnemy = 3;
    core.view().viewColumn = 17;
    core.saveArea();
    EXPECT_FALSE(changes.has(Change::Notice));
    EXPECT_FALSE(changes.has(Change::Message));
    EXPECT_TRUE(changes.has(Change::Picture));

    // Column 5 became 6 on row 2; the rest of the level data as it was.
    EXPECT_EQ(bytesAt(kLevel, 12), std::string("\x80\x00\x30\x00\x26\x31\x07\x2C\xF5\x0A\x1F\xFF", 12));
    // The block's final FF is written back as an empty page.
    EXPECT_EQ(bytesAt(kEnemy, 11), std::string("\x03\x3C\x45\x01\x05\x10\x2A\x11\x3B\x01\xFF", 11));
    EXPECT_EQ(bytesAt(0x12510, 1), "\xA5");
    const std::string after = folder.readFile("quorl.nes");
    ASSERT_EQ(after.size(), before.size());
    std::vector<long> changed;
    for (std::size_t i = 0; i < after.size(); ++i)
        if (after[i] != before[i])
            changed.push_back(static_cast<long>(i));
    EXPECT_EQ(changed, (std::vector<long>{kLevel + 4, 0x12510, kEnemy + 9}));

    // Reloaded from the file, with the view and the selection kept.
    EXPECT_EQ(core.area().object(1).x, 6);
    EXPECT_EQ(core.area().selectedObject, 2);
    EXPECT_EQ(core.area().selectedEnemy, 3);
    EXPECT_EQ(core.view().viewColumn, 17);
}

TEST_F(EditorAreaCommandsTest, RefusedSaveShowsWhyAndChangesNothing)
{
    const std::string before = folder.readFile("quorl.nes");
    // Objects added past the free space, as no editing command would.
    for (int i = 0; i <= core.area().levelSpareFF / 2; ++i)
        core.area().objects.push_back(core.area().object(1));
    const AreaModel edited = core.area();
    core.saveArea();
    ASSERT_TRUE(changes.has(Change::Notice));
    EXPECT_EQ(core.notice().title, "Can't save area!");
    EXPECT_NE(core.notice().text.find("Move level data"), std::string::npos);
    EXPECT_EQ(core.notice().icon, NoticeIcon::Warning);
    EXPECT_EQ(folder.readFile("quorl.nes"), before);
    EXPECT_EQ(core.area().objects, edited.objects);
}

TEST_F(EditorAreaCommandsTest, HeaderDirectionChangeKeepsObjectPages)
{
    const std::string before = folder.readFile("quorl.nes");
    LevelObject far;
    far.type = 0x31;
    far.x = 37; // page 2, column 5
    far.y = 4;
    core.area().objects.push_back(far);
    core.view().viewColumn = 32;
    HeaderBits header = core.area().header;
    header.setBit(1, 0);
    core.applyHeader(header);
    EXPECT_EQ(core.area().isVertical, 1);
    EXPECT_EQ(core.area().header.bit(1), 0);
    bool found = false;
    for (const LevelObject& o : core.area().objects)
        found = found || (o.type == 0x31 && o.x == 5 && o.y == 34);
    EXPECT_TRUE(found) << "the object keeps its page as row 34";
    EXPECT_EQ(core.view().viewRow, 32);
    EXPECT_EQ(core.view().viewColumn, 0);
    EXPECT_TRUE(changes.has(Change::HeaderBits));
    // The header reaches the file only with a save.
    EXPECT_EQ(folder.readFile("quorl.nes"), before);
}

TEST_F(EditorAreaCommandsTest, RefreshFollowsTheScrollingBitWithoutWriting)
{
    const std::string before = folder.readFile("quorl.nes");
    const Enemy first = core.area().enemy(1);
    core.clickHeaderBit(0);
    EXPECT_EQ(core.area().isVertical, 0);
    core.refreshArea();
    EXPECT_EQ(core.area().isVertical, 1);
    // Enemies move their page from the column axis to the row axis.
    bool found = false;
    for (const Enemy& e : core.area().enemies)
        found = found || (e.type == first.type && e.x == (first.x & 15) && e.y == first.y + (first.x / 16) * 15);
    EXPECT_TRUE(found);
    EXPECT_EQ(folder.readFile("quorl.nes"), before);
}

TEST_F(EditorAreaCommandsTest, AddingAndDeletingThroughCommands)
{
    core.area().enemySpareBytes = 2;
    const int enemies = core.area().enemyCount();
    core.view().viewRow = 3;
    core.addEnemy();
    ASSERT_EQ(core.area().enemyCount(), enemies + 1);
    EXPECT_EQ(core.area().selectedEnemy, enemies + 1);
    EXPECT_EQ(core.area().enemy(enemies + 1), (Enemy{1, 0, 3}));
    EXPECT_EQ(core.readouts().enemyNumber, "Enemy #00" + std::to_string(enemies + 1));
    changes = {};
    core.addEnemy();
    ASSERT_TRUE(changes.has(Change::Notice));
    EXPECT_EQ(core.notice().text, "Not enough free space!");
    EXPECT_EQ(core.area().enemyCount(), enemies + 1);

    const int spare = core.area().levelSpareFF;
    EXPECT_TRUE(core.addObject({true, 2, "0", "0", "0", "0"}));
    EXPECT_EQ(core.area().levelSpareFF, spare - 1);
    EXPECT_EQ(core.readouts().objectNumber, "Object #00" + std::to_string(core.area().selectedObject));

    // Delete all keeps the edit mode and gives every byte back.
    core.keyDown(0x20, 0); // space: enemies
    const int mode = core.editMode();
    const int enemySpare = core.area().enemySpareBytes;
    core.deleteAll();
    EXPECT_EQ(core.area().objCount(), 0);
    EXPECT_EQ(core.area().enemyCount(), 0);
    EXPECT_EQ(core.editMode(), mode);
    EXPECT_EQ(core.area().levelSpareFF, spare + 2 + 2 + 3);
    EXPECT_EQ(core.area().enemySpareBytes, enemySpare + 2 * (enemies + 1));
    EXPECT_EQ(core.readouts().objectName, "Nothing");
}

TEST_F(EditorAreaCommandsTest, FreeSpaceAndLevelInfo)
{
    core.area().levelSpareFF = 1;
    core.area().enemySpareBytes = 5;
    core.showFreeSpace();
    ASSERT_TRUE(changes.has(Change::Notice));
    EXPECT_EQ(core.notice().title, "Free space for this level");
    EXPECT_EQ(core.notice().text, "Objects: 1 byte\nEnemy: 5 bytes");
    const LevelInfo info = core.levelInfo();
    EXPECT_EQ(info.areaName, "1-2, main part");
    EXPECT_EQ(info.areaNumber, "0A");
    EXPECT_EQ(info.objectData, "11000");
    EXPECT_EQ(info.enemyData, "12800");
    EXPECT_EQ(info.objects, "3");
    EXPECT_EQ(info.enemies, "3");
}

} // namespace
} // namespace quorled
