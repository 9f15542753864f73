#include "core/corefixture.h"
#include "core/editing/keyediting.h"
#include "core/session/editortexts.h"

#include "core/session/viewoptions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace quorled {
namespace {

using testing::CoreFolder;
using testing::editorTestImage;
using testing::syntheticCarriedPictures;

class EditorCoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder.writeImage("quorl.nes", editorTestImage().bytes());
        core.setObserver([this](ChangeSet c) { changes |= c; });
    }
    // Start-up with the given settings text.
    void start(const std::string& settings)
    {
        folder.writeFile("Quorled.ini", settings);
        core.readSettings(folder.settingsPath());
        ASSERT_EQ(core.openImage(folder.path("quorl.nes")), std::nullopt);
        changes = {};
    }

    CoreFolder folder;
    EditorCore core{syntheticCarriedPictures()};
    ChangeSet changes;
};

TEST_F(EditorCoreTest, FirstStartWithoutSettingsFile)
{
    core.readSettings(folder.path("missing/Quorled.ini"));
    EXPECT_EQ(core.promptDefault(), "quorl.nes");
    ASSERT_EQ(core.openImage(folder.path("quorl.nes")), std::nullopt);
    EXPECT_EQ(core.currentArea(), 0);
    EXPECT_EQ(core.view().groundView, 1);
    EXPECT_EQ(core.view().pageView, 0);
    EXPECT_EQ(core.view().objectMarks, 0);
    EXPECT_TRUE(core.commandChecked(Command::pnt));
    EXPECT_FALSE(core.commandChecked(Command::spno));
    for (Command c : {Command::sv0, Command::sv1, Command::sv2, Command::sv3, Command::sv4, Command::sv5,
                      Command::sv6})
        EXPECT_TRUE(core.commandChecked(c));
    EXPECT_EQ(core.caption().rfind("Quorl editor -- Area 00 -- ", 0), 0u);
    EXPECT_EQ(core.promptDefault(), folder.path("quorl.nes"));
}

TEST_F(EditorCoreTest, StartAreaCaptionAndReadouts)
{
    start("[Options]\nStartArea= 10\nGroundView= 2\n");
    EXPECT_EQ(core.caption(), "Quorl editor -- Area 0A -- 1-2, main part");
    EXPECT_EQ(core.view().groundView, 2);
    EXPECT_EQ(core.area().objCount(), 3);
    EXPECT_EQ(core.area().enemyCount(), 3);
    EXPECT_EQ(core.readouts().objectNumber, "Object #001");
    EXPECT_EQ(core.readouts().enemyPosition, "X:04   Y:05");
    EXPECT_EQ(core.headerBits().text.substr(0, 17), " 1 0 0 0 0 0 0 0 ");
}

TEST_F(EditorCoreTest, OpeningNeverCreatesAFileAndNamesTheFault)
{
    core.readSettings(folder.settingsPath());
    const std::string missing = folder.path("nothing.nes");
    const auto error = core.openImage(missing);
    ASSERT_TRUE(error.has_value());
    EXPECT_NE(error->find(missing), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(missing));
    EXPECT_FALSE(core.hasImage());

    folder.writeFile("empty.nes", "");
    EXPECT_TRUE(core.openImage(folder.path("empty.nes")).has_value());
    folder.writeFile("short.nes", std::string(100, '\0'));
    EXPECT_TRUE(core.openImage(folder.path("short.nes")).has_value());
    EXPECT_FALSE(core.hasImage());
    // A disk image needs its reference image.
    folder.writeImage("disk.fds", editorTestImage().bytes());
    EXPECT_TRUE(EditorCore::needsReference("disk.FDS"));
    const auto disk = core.openImage(folder.path("disk.fds"));
    ASSERT_TRUE(disk.has_value());
    EXPECT_NE(disk->find("reference"), std::string::npos);
}

TEST_F(EditorCoreTest, AFailedOpenKeepsTheImageInUse)
{
    start("[Options]\nStartArea= 10\n");
    EXPECT_TRUE(core.openImage(folder.path("nothing.nes")).has_value());
    EXPECT_EQ(core.romFileName(), folder.path("quorl.nes"));
    EXPECT_EQ(core.currentArea(), 10);
}

TEST_F(EditorCoreTest, PageKeysStepThroughTheAreas)
{
    start("");
    core.keyDown(vk::PageUp, 0);
    EXPECT_EQ(core.currentArea(), 0);
    core.keyDown(vk::PageDown, kCtrl);
    EXPECT_EQ(core.currentArea(), 0);
    core.keyDown(vk::PageDown, 0);
    EXPECT_EQ(core.currentArea(), 1);
    EXPECT_TRUE(changes.has(Change::Caption));
    start("[Options]\nStartArea= 209\n");
    core.keyDown(vk::PageDown, 0);
    EXPECT_EQ(core.currentArea(), 209);
    EXPECT_EQ(core.caption().substr(0, 26), "Quorl editor -- Area D1 --");
}

TEST_F(EditorCoreTest, LeavingAnAreaKeepsItsEdits)
{
    start("[Options]\nStartArea= 10\n");
    core.keyDown(vk::Add, 0);
    EXPECT_EQ(core.area().object(1).type, 0x32);
    core.keyDown(vk::PageDown, 0);
    EXPECT_EQ(core.status(), "1 area changed: 0A");
    core.keyDown(vk::PageUp, 0);
    EXPECT_EQ(core.area().object(1).type, 0x32);
    EXPECT_TRUE(core.caption().ends_with(" *"));
    EXPECT_EQ(core.area().selectedObject, 1);
}

TEST_F(EditorCoreTest, ViewOptionKeysAndTheirCheckMarks)
{
    start("");
    core.keyDown(vk::Numpad0, 0);
    EXPECT_EQ(core.view().groundView, 2);
    core.keyDown(vk::Numpad0, 0);
    EXPECT_EQ(core.view().groundView, 0);
    core.keyDown(vk::P, 0);
    core.keyDown(vk::M, 0);
    core.keyDown(vk::S, 0);
    EXPECT_EQ(core.view().pageView, 1);
    EXPECT_EQ(core.view().objectMarks, 1);
    EXPECT_EQ(core.view().screenLineView, 1);
    changes = {};
    core.keyDown(vk::O, 0);
    core.keyDown(vk::F, 0);
    EXPECT_TRUE(changes.has(Change::Checks));
    EXPECT_TRUE(core.commandChecked(Command::spno));
    EXPECT_FALSE(core.commandChecked(Command::pnt));
    // With a modifier held none of them acts.
    core.keyDown(vk::P, kShift);
    EXPECT_EQ(core.view().pageView, 1);
    EXPECT_EQ(core.keyDown(vk::F1, kCtrl), KeyRequest::None);
    EXPECT_EQ(core.keyDown(vk::F1, 0), KeyRequest::ShowAbout);
}

TEST_F(EditorCoreTest, SpaceSwitchesTheVisibleMarker)
{
    start("");
    core.keyDown(vk::Space, 0);
    EXPECT_EQ(core.editMode(), 1);
    EXPECT_TRUE(changes.has(Change::EditMode));
}

TEST_F(EditorCoreTest, GroundMenuValuesAndDeferredOptions)
{
    start("");
    ViewOptions::setGroundView(core, 2);
    EXPECT_EQ(core.view().groundView, 2);
    ViewOptions::setGroundView(core, 1);
    EXPECT_EQ(core.view().groundView, 1);
    ViewOptions::setGroundView(core, 0);
    EXPECT_EQ(core.view().groundView, 0);
    EXPECT_TRUE(changes.has(Change::Picture));
    changes = {};
    ViewOptions::setPageView(core, 1);
    ViewOptions::setObjectMarks(core, 1);
    EXPECT_EQ(core.view().pageView, 1);
    EXPECT_EQ(core.view().objectMarks, 1);
    EXPECT_FALSE(changes.has(Change::Picture));
    ViewOptions::toggleSaveCheck(core, 3);
    EXPECT_FALSE(core.commandChecked(Command::sv3));
    EXPECT_FALSE(core.commandChecked(Command::GV0));
}

TEST_F(EditorCoreTest, CommandsOfOtherImageKindsAreDisabled)
{
    start("");
    for (Command c : {Command::sel1, Command::lreload, Command::GV0, Command::pnt, Command::sv0, Command::AboutE,
                      Command::TFSpace, Command::movL, Command::movZ, Command::LvlDump, Command::LvlInsert,
                      Command::ChLvlWrl, Command::Chcolor})
        EXPECT_TRUE(core.commandEnabled(c));
    for (ImageKind kind : {ImageKind::Snes, ImageKind::Fds})
        for (Command c : {Command::movL, Command::movZ, Command::ChTcdt, Command::Chcolor, Command::TFSpace,
                          Command::ChWpn, Command::ChEnm2, Command::ChEnm3, Command::ChPwrUp, Command::nlive,
                          Command::LvlDump, Command::LvlInsert})
            EXPECT_FALSE(commandAllowedForKind(c, kind));
    // The character table has an offset of its own in every kind.
    EXPECT_TRUE(commandAllowedForKind(Command::ChChp, ImageKind::Fds));
    EXPECT_TRUE(commandAllowedForKind(Command::LI, ImageKind::Fds));
    EXPECT_TRUE(commandAllowedForKind(Command::Chcolor, ImageKind::Ines));
    EXPECT_TRUE(commandAllowedForKind(Command::seeF, ImageKind::Snes));
}

TEST_F(EditorCoreTest, ReloadResetsOptionsFromTheFile)
{
    start("[Options]\nStartArea= 10\nPageView= 1\n");
    core.keyDown(vk::PageDown, 0);
    core.keyDown(vk::P, 0);
    ViewOptions::toggleSaveCheck(core, 4);
    EXPECT_EQ(core.view().pageView, 0);
    core.readSettings(folder.settingsPath());
    ASSERT_EQ(core.reopenCurrentImage(), std::nullopt);
    EXPECT_EQ(core.currentArea(), 10);
    EXPECT_EQ(core.view().pageView, 1);
    EXPECT_TRUE(core.commandChecked(Command::sv4));
}

TEST_F(EditorCoreTest, AreaChooserKeepsItsChoices)
{
    start("");
    EXPECT_EQ(AreaChooser::worldNames().size(), 7u);
    EXPECT_EQ(AreaChooser::worldNames()[6], "World 7");
    const auto world7 = core.chooseWorld(7);
    EXPECT_EQ(world7.size(), static_cast<std::size_t>(core.directory().worldFirstArea[8] -
                                                        core.directory().worldFirstArea[7]));
    core.chooseWorld(1);
    core.chooseArea(2);
    core.chooseWorld(2);
    core.acceptAreaChoice();
    EXPECT_EQ(core.currentArea(), 2);
    core.keyDown(vk::Add, 0);
    const int edited = core.area().object(1).type;
    core.cancelAreaChoice(); // the edit stays
    EXPECT_EQ(core.currentArea(), 2);
    EXPECT_EQ(core.area().object(1).type, edited);
    core.acceptAreaChoice();
    EXPECT_EQ(core.currentArea(), 2);
}

TEST_F(EditorCoreTest, PaletteBitsRecolourAtOnce)
{
    start("[Options]\nStartArea= 10\n");
    const auto countColour = [&](std::uint32_t colour) {
        const auto& p = core.viewPicture().pixels();
        return std::count(p.begin(), p.end(), colour);
    };
    // Level palette 0: slot 1 is colour 0x11; palette 2 has 0x13.
    EXPECT_GT(countColour(testing::carriedColour(0x11)), 0);
    core.clickHeaderBit(3);
    EXPECT_EQ(core.area().header.levelPalette(), 2);
    EXPECT_EQ(countColour(testing::carriedColour(0x11)), 0);
    EXPECT_GT(countColour(testing::carriedColour(0x13)), 0);
    EXPECT_EQ(core.headerBits().text.substr(0, 9), " 1 0 0 1 ");
    core.clickHeaderBit(3);
    EXPECT_GT(countColour(testing::carriedColour(0x11)), 0);
    EXPECT_EQ(countColour(testing::carriedColour(0x13)), 0);
    core.clickHeaderBit(0);
    EXPECT_EQ(core.area().header.bit(1), 0);
}

TEST_F(EditorCoreTest, MouseEventsRedrawEveryTime)
{
    start("[Options]\nStartArea= 10\n");
    core.mouseDown(1, 0, 4 * 16 + 8, 5 * 16 + 8);
    EXPECT_EQ(core.editMode(), 1);
    EXPECT_TRUE(changes.has(Change::EditMode));
    changes = {};
    core.mouseMove(2, 0, 9 * 16, 9 * 16);
    EXPECT_TRUE(changes.has(Change::Picture));
    EXPECT_EQ(core.area().enemy(1).x, 4);
    core.mouseMove(1, 0, 6 * 16 + 8, 5 * 16 + 8);
    EXPECT_EQ(core.area().enemy(1).x, 6);
    EXPECT_EQ(core.readouts().enemyPosition, "X:06   Y:05");
}

TEST_F(EditorCoreTest, ShutDownWritesTheCheckedSettings)
{
    start("; kept\n[Options]\nStartArea= 10\nZoom= 3\n[Other]\nKey=value\n");
    core.keyDown(vk::PageDown, 0);
    core.keyDown(vk::Numpad0, 0);
    ViewOptions::toggleSaveCheck(core, 0);
    ViewOptions::toggleSaveBeforeTesting(core);
    EXPECT_TRUE(core.commandChecked(Command::saveBeforeTest));
    ASSERT_EQ(core.shutDown(), std::nullopt);
    EXPECT_EQ(folder.readFile("Quorled.ini"),
              "; kept\n[Options]\nStartArea= 11\nZoom= 3\nGroundView= 2\nPageView= 0\nObjectMarks= 0\n"
              "PointersFollowDoors=-1\nShowPointersAsObjects= 0\nBackup=-1\nAskBeforeDiscarding=-1\nSaveBeforeTesting=-1\n[Other]\nKey=value\n[INI]\n"
              "0IniSaveSettings= 0\n1IniSaveSettings=-1\n2IniSaveSettings=-1\n3IniSaveSettings=-1\n"
              "4IniSaveSettings=-1\n5IniSaveSettings=-1\n6IniSaveSettings=-1\n");
    core.readSettings(folder.settingsPath());
    EXPECT_FALSE(core.settings().saveChecks[0]);
    EXPECT_TRUE(core.settings().saveBeforeTesting);
    EXPECT_EQ(core.promptDefault(), folder.path("quorl.nes"));
}

TEST(EditorTexts, VersionAndKeyHelp)
{
    const std::string version = editorVersionText();
    EXPECT_EQ(version.rfind("Version ", 0), 0u);
    EXPECT_NE(version.find('.'), std::string::npos);
    EXPECT_EQ(keyHelp()[5], "M : switch \"object marks viewing");
    EXPECT_EQ(verticalKeyHelp()[0], "up/down : scroll in the level");
    EXPECT_EQ(horizontalKeyHelp()[1], "up/down : select previous/next object/enemy");
}

TEST(EditorTexts, KeyHelpNamesEveryKeyTheViewAnswers)
{
    const std::vector<std::string> help = keyHelp();
    for (const char* key : {"space :", "2, 4, 6, 8 (numpad) :", "/, * :", "-, + :", "M :", "O :", "P :", "0 :", "S :",
                            "F :", "Page Up, Page Down :", "F1 :"}) {
        const bool listed = std::any_of(help.begin(), help.end(),
                                        [&](const std::string& line) { return line.rfind(key, 0) == 0; });
        EXPECT_TRUE(listed) << key;
    }
}

} // namespace
} // namespace quorled
