#include "core/settings/patchoriginal.h"
#include "core/settings/playtest.h"
#include "core/settings/settingsfile.h"
#include "romdata/filestore.h"
#include "romdata/imageerror.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

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
        fs::create_directories(dir);
        settings = (dir / "Quorled.ini").string();
    }
    void TearDown() override { fs::remove_all(dir); }

    fs::path dir;
    std::string settings;
};

// The desktop's default applications as mimeapps.list and the desktop
// entries in the test's own XDG folders give them.
TEST_F(PlayTestTest, TheDefaultIsTheDesktopsApplicationForTheType)
{
    const auto write = [&](const std::string& relative, const std::string& text) {
        fs::create_directories((dir / relative).parent_path());
        writeWholeFile((dir / relative).string(), std::vector<std::uint8_t>(text.begin(), text.end()));
    };
    write("data/applications/user.desktop", "[Desktop Entry]\nExec=user-emu --full %f\n");
    write("sys/applications/system.desktop", "[Desktop Entry]\nName=S\nExec=\"/opt/my emu/run\" %U -x\n");
    write("sys/applications/hidden.desktop", "[Desktop Entry]\nExec=hidden\nHidden=true\n");
    write("config/mimeapps.list", "[Added Associations]\ntype/a=system.desktop;\n[Default Applications]\n"
                                  "type/a=gone.desktop;user.desktop;\ntype/h=hidden.desktop\n");
    write("sys/applications/mimeapps.list", "[Default Applications]\ntype/a=system.desktop\ntype/b=system.desktop\n");
    write("sys/applications/mimeinfo.cache", "[MIME Cache]\ntype/c=gone.desktop;system.desktop;\n");
    const std::map<std::string, std::string> environment = {{"XDG_DATA_HOME", (dir / "data").string()},
                                                            {"XDG_CONFIG_HOME", (dir / "config").string()},
                                                            {"XDG_DATA_DIRS", (dir / "sys").string()},
                                                            {"XDG_CONFIG_DIRS", (dir / "none").string()}};
    const DesktopDefault desktop([&](const std::string& name) {
        const auto found = environment.find(name);
        return found == environment.end() ? std::string() : found->second;
    });
    const struct {
        const char* type;
        std::vector<std::string> words;
    } cases[] = {
        {"type/a", {"user-emu", "--full", "/i/q.nes"}},     // the user's list, first installed entry
        {"type/b", {"/opt/my emu/run", "/i/q.nes", "-x"}},  // the system's list
        {"type/c", {"/opt/my emu/run", "/i/q.nes", "-x"}},  // the cache of what opens a type
        {"type/h", {}},                                     // a hidden entry opens nothing
        {"type/none", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(desktop.command(c.type, "/i/q.nes"), c.words) << c.type;

    const EmulatorLaunch launch = PlayTest::launch({}, "/i/q.nes", "type/b", desktop);
    EXPECT_EQ(launch.program, "/opt/my emu/run");
    EXPECT_EQ(launch.arguments, (std::vector<std::string>{"/i/q.nes", "-x"}));
    // A kept command wins over the desktop's choice.
    EXPECT_EQ(PlayTest::launch({"mine"}, "/i/q.nes", "type/b", desktop).program, "mine");
    EXPECT_THROW(PlayTest::launch({}, "/i/q.nes", "type/none", desktop), ImageError);
    // Only neither a kept command nor a desktop default asks for one.
    EXPECT_TRUE(PlayTest::needsCommand({}, "type/none", desktop));
    EXPECT_TRUE(PlayTest::needsCommand({}, "type/h", desktop));
    EXPECT_FALSE(PlayTest::needsCommand({}, "type/b", desktop));
    EXPECT_FALSE(PlayTest::needsCommand({"mine"}, "type/none", desktop));
}

TEST(DesktopExecLine, FieldCodesQuotesAndEscapes)
{
    const struct {
        const char* exec;
        std::vector<std::string> words;
    } cases[] = {
        {"emu", {"emu", "F"}},
        {"emu %u --x", {"emu", "F", "--x"}},
        {"emu %i %c %k --x", {"emu", "--x", "F"}},
        {"\"a b\" \"q\\\\\"d\" 100%%", {"a b", "q\"d", "100%", "F"}},
        {"emu\\sx", {"emu", "x", "F"}},
        {"emu \"open", {}},
        {"  ", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DesktopDefault::execWords(c.exec, "F"), c.words) << c.exec;
}

TEST_F(PlayTestTest, AKeptCommandWinsAndIsStoredBesideTheOtherSettings)
{
    writeWholeFile(settings, {'[', 'O', 'p', 't', 'i', 'o', 'n', 's', ']', '\n', 'Z', 'o', 'o', 'm', '=', '3', '\n'});
    const PlayTest play(settings);
    EXPECT_EQ(play.storedCommand(), "");
    play.storeCommand("my-emu --fast");
    EXPECT_EQ(play.storedCommand(), "my-emu --fast");
    EXPECT_EQ(SettingsFile::load(settings).read("Options", "Zoom"), "3");
    EXPECT_EQ(SettingsFile::load(settings).read("Options", "Emulator"), "my-emu --fast");
    // Clearing it brings the default back.
    play.storeCommand("");
    EXPECT_EQ(play.storedCommand(), "");

    // What the settings file can't keep is refused and changes nothing.
    const auto before = readWholeFile(settings);
    EXPECT_THROW(play.storeCommand("emu\n[Load]"), ImageError);
    EXPECT_THROW(play.storeCommand(std::string(SettingsFile::kMaxValueLength + 1, 'e')), ImageError);
    EXPECT_EQ(readWholeFile(settings), before);
    EXPECT_NO_THROW(play.storeCommand(std::string(SettingsFile::kMaxValueLength, 'e')));
    EXPECT_EQ(play.storedCommand(), std::string(SettingsFile::kMaxValueLength, 'e'));
}

TEST_F(PlayTestTest, ThePatchOriginalIsKeptBesideTheOtherSettings)
{
    const PlayTest play(settings);
    play.storeCommand("emu");
    EXPECT_EQ(lastPatchOriginal(settings), "");
    rememberPatchOriginal(settings, "/images/quorl original.nes");
    EXPECT_EQ(lastPatchOriginal(settings), "/images/quorl original.nes");
    EXPECT_EQ(play.storedCommand(), "emu");
    // A name the settings file can't keep is refused and changes nothing.
    const auto before = readWholeFile(settings);
    EXPECT_THROW(rememberPatchOriginal(settings, "/a\n[Options]"), ImageError);
    EXPECT_THROW(rememberPatchOriginal(settings, std::string(SettingsFile::kMaxValueLength + 1, 'n')), ImageError);
    EXPECT_EQ(readWholeFile(settings), before);
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
    }
}

} // namespace
} // namespace quorled
