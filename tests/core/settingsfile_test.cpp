#include "core/settings/editorsettings.h"
#include "core/settings/settingsfile.h"
#include "romdata/imageerror.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace quorled {
namespace {

TEST(LeadingNumericValue, ReadsTheNumberAtTheStartOfTheText)
{
    EXPECT_EQ(leadingNumericValue(" 2"), 2.0);
    EXPECT_EQ(leadingNumericValue("3x"), 3.0);
    EXPECT_EQ(leadingNumericValue("x3"), 0.0);
    EXPECT_EQ(leadingNumericValue("16.5"), 16.5);
    EXPECT_EQ(leadingNumericValue("-1"), -1.0);
    EXPECT_EQ(leadingNumericValue(""), 0.0);
    EXPECT_EQ(leadingNumericValue("-"), 0.0);
    EXPECT_EQ(leadingNumericValue("  7.25 pages"), 7.25);
    EXPECT_EQ(leadingNumericValue(std::string(300, '9')) > 1e250, true);
}

TEST(LeadingNumericValue, RoundsHalvesToEven)
{
    EXPECT_EQ(roundHalfEven(16.5), 16);
    EXPECT_EQ(roundHalfEven(17.5), 18);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(2.6), 3);
}

TEST(SettingsTexts, NumbersAndTruthValues)
{
    EXPECT_EQ(settingsNumberText(0), " 0");
    EXPECT_EQ(settingsNumberText(12), " 12");
    EXPECT_EQ(settingsNumberText(-1), "-1");
    EXPECT_EQ(settingsBoolText(true), "-1");
    EXPECT_EQ(settingsBoolText(false), " 0");
}

TEST(SettingsPath, ConfigFolderOfTheUser)
{
    EXPECT_EQ(settingsFilePath("/x/cfg", "/home/u"), "/x/cfg/Quorled.ini");
    EXPECT_EQ(settingsFilePath("/x/cfg/", "/home/u"), "/x/cfg/Quorled.ini");
    EXPECT_EQ(settingsFilePath("", "/home/u"), "/home/u/.config/Quorled.ini");
    EXPECT_EQ(settingsFilePath("relative", "/home/u"), "/home/u/.config/Quorled.ini");
    EXPECT_EQ(settingsFilePath("", ""), "");
}

TEST(SettingsFile, ReadsSectionsAndKeysWithoutRegardToCase)
{
    const SettingsFile file = SettingsFile::fromText("; note\r\n[options]\r\ngroundview = 2 \r\n[Load]\r\n"
                                                     "FileName=C:\\games\\quorl.nes\r\n[Other]\r\nGroundView=0\r\n");
    EXPECT_EQ(file.read("Options", "GroundView"), "2");
    EXPECT_EQ(file.read("LOAD", "filename"), "C:\\games\\quorl.nes");
    EXPECT_EQ(file.value("Options", "PageView"), std::nullopt);
    EXPECT_EQ(file.read("Options", "PageView"), "");
    EXPECT_EQ(file.read("Missing", "GroundView"), "");
}

TEST(SettingsFile, ValuesAreCutAt254Characters)
{
    const SettingsFile file = SettingsFile::fromText("[Load]\nFilename=" + std::string(300, 'a') + "\n");
    EXPECT_EQ(file.read("Load", "Filename").size(), 254u);
}

TEST(SettingsFile, WritingKeepsEverythingElse)
{
    SettingsFile file = SettingsFile::fromText("; mine\n[Options]\nZoom= 3\npageview= 1\n\n[Tools]\nPath=/usr/bin\n");
    file.write("Options", "PageView", " 0");
    file.write("Options", "StartArea", " 12");
    file.write("INI", "0IniSaveSettings", "-1");
    EXPECT_EQ(file.text(), "; mine\n[Options]\nZoom= 3\nPageView= 0\nStartArea= 12\n\n[Tools]\nPath=/usr/bin\n"
                           "[INI]\n0IniSaveSettings=-1\n");
    // What was written reads back.
    const SettingsFile again = SettingsFile::fromText(file.text());
    EXPECT_EQ(again.read("options", "startarea"), "12");
}

TEST(SettingsFile, AReadOnlySettingsFileIsCalledTheSettingsFile)
{
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("quorled-settings-ro-" + std::to_string(::getpid()) + ".ini")).string();
    SettingsFile::fromText("[Options]\nZoom= 3\n").save(path);
    ::chmod(path.c_str(), 0444);
    try {
        SettingsFile::fromText("[Options]\nZoom= 4\n").save(path);
        ADD_FAILURE() << "a read-only settings file was written";
    } catch (const ImageError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "The settings file " + path + " is read-only, so the settings were not saved.");
    }
    EXPECT_EQ(SettingsFile::load(path).read("Options", "Zoom"), "3");
    std::filesystem::remove(path);
}

// A settings file that exists but cannot be read is never written over:
// the write is refused with a message that names the file and the reason,
// and the file keeps every byte. A missing file is simply made.
TEST(SettingsFile, AFileThatCannotBeReadIsNeverWritten)
{
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("quorled-settings-unread-" + std::to_string(::getpid()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const std::string tooLong = (folder / "long.ini").string();
    const std::string longText = "[Options]\nZoom= 3\n" + std::string(4u << 20, ';');
    SettingsFile::fromText(longText).save(tooLong);
    const std::string fifo = (folder / "fifo.ini").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string aFolder = (folder / "folder.ini").string();
    std::filesystem::create_directories(aFolder);
    for (const std::string& path : {tooLong, fifo, aFolder}) {
        SettingsFile file = SettingsFile::load(path);
        EXPECT_NE(file.unreadable(), "") << path;
        file.write("Recent", "File1", "/tmp/a.nes");
        try {
            file.save(path);
            ADD_FAILURE() << "an unreadable settings file was written: " << path;
        } catch (const ImageError& error) {
            EXPECT_EQ(std::string(error.what()).rfind("The settings file " + path + " could not be read, so it "
                                                      "was left as it was", 0), 0u) << error.what();
        }
    }
    EXPECT_EQ(std::filesystem::file_size(tooLong), longText.size() + 1);
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));

    const std::string missing = (folder / "new.ini").string();
    SettingsFile fresh = SettingsFile::load(missing);
    EXPECT_EQ(fresh.unreadable(), "");
    fresh.write("Options", "Zoom", " 2");
    fresh.save(missing);
    EXPECT_EQ(SettingsFile::load(missing).read("Options", "Zoom"), "2");
    std::filesystem::remove_all(folder);
}

SettingsFile optionsFile(const std::string& lines) { return SettingsFile::fromText("[Options]\n" + lines); }

TEST(EditorSettings, AFileWithoutKeysGivesTheDefaults)
{
    const EditorSettings s = EditorSettings::read(SettingsFile{});
    EXPECT_EQ(s.fileName, "quorl.nes");
    EXPECT_EQ(s.startArea, 0);
    EXPECT_EQ(s.groundView, 1);
    EXPECT_EQ(s.pageView, 0);
    EXPECT_EQ(s.objectMarks, 0);
    EXPECT_TRUE(s.pointersFollowDoors);
    EXPECT_FALSE(s.showPointersAsObjects);
    EXPECT_EQ(s.zoom, 2);
    for (bool checked : s.saveChecks)
        EXPECT_TRUE(checked);
}

TEST(EditorSettings, GroundViewTexts)
{
    EXPECT_EQ(EditorSettings::read(optionsFile("GroundView= 2\n")).groundView, 2);
    EXPECT_EQ(EditorSettings::read(optionsFile("GroundView= 0\n")).groundView, 0);
    EXPECT_EQ(EditorSettings::read(optionsFile("GroundView=0\n")).groundView, 0);
    // Text without a number reads as 0; an empty value takes the default.
    EXPECT_EQ(EditorSettings::read(optionsFile("GroundView=none\n")).groundView, 0);
    EXPECT_EQ(EditorSettings::read(optionsFile("GroundView=\n")).groundView, 1);
    EXPECT_EQ(EditorSettings::read(optionsFile("GroundView=1.5\n")).groundView, 2);
    EXPECT_EQ(EditorSettings::read(optionsFile("GroundView=2.5\n")).groundView, 2);
}

TEST(EditorSettings, OutOfRangeValuesFallBackToTheDefault)
{
    EXPECT_EQ(EditorSettings::read(optionsFile("GroundView= 3\n")).groundView, 1);
    EXPECT_EQ(EditorSettings::read(optionsFile("GroundView=-1\n")).groundView, 1);
    EXPECT_EQ(EditorSettings::read(optionsFile("StartArea= 209\n")).startArea, 209);
    EXPECT_EQ(EditorSettings::read(optionsFile("StartArea= 210\n")).startArea, 0);
    EXPECT_EQ(EditorSettings::read(optionsFile("StartArea=-1\n")).startArea, 0);
    EXPECT_EQ(EditorSettings::read(optionsFile("StartArea=1e9\n")).startArea, 1);
    EXPECT_EQ(EditorSettings::read(optionsFile("StartArea=99999999999999999999\n")).startArea, 0);
    EXPECT_EQ(EditorSettings::read(optionsFile("PageView= 2\n")).pageView, 0);
    EXPECT_EQ(EditorSettings::read(optionsFile("Zoom= 5\n")).zoom, 2);
    EXPECT_EQ(EditorSettings::read(optionsFile("Zoom= 4\n")).zoom, 4);
}

TEST(EditorSettings, TruthValuesAreAnyNumberButZero)
{
    const EditorSettings s = EditorSettings::read(
        SettingsFile::fromText("[Options]\nPointersFollowDoors= 0\nShowPointersAsObjects= 5\n[INI]\n"
                               "0IniSaveSettings= 0\n3IniSaveSettings=x\n4IniSaveSettings=\n"));
    EXPECT_FALSE(s.pointersFollowDoors);
    EXPECT_TRUE(s.showPointersAsObjects);
    EXPECT_FALSE(s.saveChecks[0]);
    EXPECT_FALSE(s.saveChecks[3]);
    EXPECT_TRUE(s.saveChecks[4]);
    EXPECT_TRUE(s.saveChecks[1]);
}

TEST(ShutdownSettings, WritesEveryCheckedKeyInOrder)
{
    SettingsFile file;
    ShutdownValues v;
    v.romFileName = "/games/quorl.nes";
    v.currentArea = 12;
    v.groundView = 2;
    v.pageView = 1;
    writeShutdownSettings(file, v);
    EXPECT_EQ(file.text(), "[Load]\nFilename=/games/quorl.nes\n[Options]\nGroundView= 2\nStartArea= 12\n"
                           "PageView= 1\nObjectMarks= 0\nPointersFollowDoors=-1\nShowPointersAsObjects= 0\n"
                           "Zoom= 2\nBackup=-1\nAskBeforeDiscarding=-1\nSaveBeforeTesting= 0\n[INI]\n0IniSaveSettings=-1\n1IniSaveSettings=-1\n2IniSaveSettings=-1\n"
                           "3IniSaveSettings=-1\n4IniSaveSettings=-1\n5IniSaveSettings=-1\n6IniSaveSettings=-1\n");
}

TEST(ShutdownSettings, AreaNumberItemDecidesAboutTheGroundViewAndViceVersa)
{
    SettingsFile file = SettingsFile::fromText("[Load]\nFilename=old.nes\n[Options]\nStartArea= 3\nGroundView= 0\n");
    ShutdownValues v;
    v.romFileName = "new.nes";
    v.currentArea = 40;
    v.groundView = 2;
    v.saveChecks = {false, true, false, true, true, true, true};
    writeShutdownSettings(file, v);
    EXPECT_EQ(file.read("Load", "Filename"), "old.nes");
    EXPECT_EQ(file.read("Options", "GroundView"), "2");   // sv(1) "Save area number"
    EXPECT_EQ(file.read("Options", "StartArea"), "3");    // sv(2) unchecked: kept
    EXPECT_EQ(file.read("INI", "0IniSaveSettings"), "0");
    EXPECT_EQ(file.read("INI", "2IniSaveSettings"), "0");
    EXPECT_FALSE(EditorSettings::read(file).saveChecks[0]);

    v.saveChecks = {true, false, true, true, true, true, true};
    writeShutdownSettings(file, v);
    EXPECT_EQ(file.read("Options", "GroundView"), "2");
    EXPECT_EQ(file.read("Options", "StartArea"), "40");
}

} // namespace
} // namespace quorled
