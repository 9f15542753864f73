#include "core/playtest.h"
#include "core/settingsfile.h"
#include "romdata/filestore.h"
#include "romdata/imageerror.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace quorled {
namespace {

namespace fs = std::filesystem;

class PlayTestTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() /
              ("quorled-playtest-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        for (const char* folder : {"a", "b", "c"})
            fs::create_directories(dir / folder);
        settings = (dir / "Quorled.ini").string();
    }
    void TearDown() override { fs::remove_all(dir); }

    void program(const std::string& relative, bool executable)
    {
        const std::string path = (dir / relative).string();
        writeWholeFile(path, {'#', '!', '/', 'b', 'i', 'n', '/', 's', 'h', '\n'});
        ::chmod(path.c_str(), executable ? 0755 : 0644);
    }
    std::string folders(std::initializer_list<const char*> names) const
    {
        std::string path;
        for (const char* name : names)
            path += (path.empty() ? "" : ":") + (dir / name).string();
        return path;
    }

    fs::path dir;
    std::string settings;
};

TEST_F(PlayTestTest, TheDefaultIsTheFirstKnownEmulatorFoundOnThePath)
{
    program("a/mednafen", true);
    program("b/nestopia", true);
    program("c/fceux", false); // not executable
    fs::create_directories(dir / "c" / "nestopia.d");
    const struct {
        std::string path;
        std::string expected;
    } cases[] = {
        {folders({"a", "b", "c"}), "nestopia"},
        {folders({"a", "c"}), "mednafen"},
        {folders({"c"}), ""},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PlayTest(settings, c.path).command(), c.expected) << c.path;
    EXPECT_EQ(PlayTest(settings, folders({"c", "b"})).findOnPath("nestopia"), (dir / "b" / "nestopia").string());
    EXPECT_EQ(PlayTest(settings, folders({"c"})).findOnPath("fceux"), "");
}

TEST_F(PlayTestTest, AKeptCommandWinsAndIsStoredBesideTheOtherSettings)
{
    program("a/fceux", true);
    writeWholeFile(settings, {'[', 'O', 'p', 't', 'i', 'o', 'n', 's', ']', '\n', 'Z', 'o', 'o', 'm', '=', '3', '\n'});
    const PlayTest play(settings, folders({"a"}));
    EXPECT_EQ(play.storedCommand(), "");
    play.storeCommand("my-emu --fast");
    EXPECT_EQ(play.command(), "my-emu --fast");
    EXPECT_EQ(SettingsFile::load(settings).read("Options", "Zoom"), "3");
    EXPECT_EQ(SettingsFile::load(settings).read("Options", "Emulator"), "my-emu --fast");
    // Clearing it brings the default back.
    play.storeCommand("");
    EXPECT_EQ(play.command(), "fceux");

    // What the settings file can't keep is refused and changes nothing.
    const auto before = readWholeFile(settings);
    EXPECT_THROW(play.storeCommand("emu\n[Load]"), ImageError);
    EXPECT_THROW(play.storeCommand(std::string(SettingsFile::kMaxValueLength + 1, 'e')), ImageError);
    EXPECT_EQ(readWholeFile(settings), before);
    EXPECT_NO_THROW(play.storeCommand(std::string(SettingsFile::kMaxValueLength, 'e')));
    EXPECT_EQ(play.command(), std::string(SettingsFile::kMaxValueLength, 'e'));
}

TEST_F(PlayTestTest, TheImagePathIsTheLastArgument)
{
    const EmulatorLaunch launch = PlayTest::launch({"/usr/games/emu", "-f", "--scale 2"}, "/tmp/my quorl.nes");
    EXPECT_EQ(launch.program, "/usr/games/emu");
    EXPECT_EQ(launch.arguments, (std::vector<std::string>{"-f", "--scale 2", "/tmp/my quorl.nes"}));
    EXPECT_EQ(PlayTest::launch({"emu"}, "x.nes").arguments, std::vector<std::string>{"x.nes"});
    try {
        PlayTest::launch({}, "x.nes");
        ADD_FAILURE() << "launched nothing";
    } catch (const ImageError& error) {
        EXPECT_EQ(std::string(error.what()), PlayTest::noEmulatorMessage());
        EXPECT_NE(std::string(error.what()).find("fceux, nestopia and mednafen"), std::string::npos);
    }
}

} // namespace
} // namespace quorled
