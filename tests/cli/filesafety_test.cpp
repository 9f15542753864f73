#include "cli/commands.h"

#include "romdata/filestore.h"
#include "romdata/imagelock.h"
#include "support/testimage.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace quorled {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

// quorled-cli on files that need care: backups, foreign files, outputs
// that are the image, names with control characters, a locked image.
// The settings file lies in a folder of the test's own.
class FileSafetyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("quorled-safety-" + std::to_string(::getpid()) + "-" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir / "config");
        if (const char* old = std::getenv("XDG_CONFIG_HOME"))
            oldConfig = old;
        ::setenv("XDG_CONFIG_HOME", (dir / "config").c_str(), 1);
        image = (dir / "quorl.nes").string();
        writeWholeFile(image, original);
        const std::string json = "{\"header\": [128, 0, 48, 0], \"objects\": [], \"enemies\": []}";
        writeWholeFile((dir / "area.json").string(), Bytes(json.begin(), json.end()));
    }
    void TearDown() override
    {
        if (oldConfig)
            ::setenv("XDG_CONFIG_HOME", oldConfig->c_str(), 1);
        else
            ::unsetenv("XDG_CONFIG_HOME");
        fs::remove_all(dir);
    }
    int run(const std::vector<std::string>& arguments)
    {
        out.str("");
        err.str("");
        return cli::runCli(arguments, out, err);
    }

    fs::path dir;
    std::string image;
    std::optional<std::string> oldConfig;
    const Bytes original = test::TestImage().bytes();
    std::ostringstream out;
    std::ostringstream err;
};

// save and import copy the image to NAME.bak before they write it, unless
// --no-backup is given or the settings file turns backups off.
TEST_F(FileSafetyTest, WritingCommandsBackUpTheImageByTheEditorsRule)
{
    const struct {
        std::vector<std::string> extra;
        std::string settings;
        bool backup;
    } cases[] = {
        {{}, "", true},
        {{"--no-backup"}, "", false},
        {{}, "[Options]\nBackup=0\n", false},
        {{}, "[Options]\nBackup=1\n", true},
        {{"--no-backup"}, "[Options]\nBackup=1\n", false},
    };
    const std::vector<std::vector<std::string>> calls = {
        {"save", image, "10"}, {"import", image, "10", (dir / "area.json").string()}, {"set", image, "lives", "0", "7"}};
    for (const auto& call : calls) {
        for (const auto& c : cases) {
            writeWholeFile(image, original);
            fs::remove(image + ".bak");
            writeWholeFile((dir / "config" / "Quorled.ini").string(), Bytes(c.settings.begin(), c.settings.end()));
            std::vector<std::string> arguments = call;
            arguments.insert(arguments.end(), c.extra.begin(), c.extra.end());
            const std::string what = call[0] + " " + (c.extra.empty() ? "" : c.extra[0]) + " " + c.settings;
            ASSERT_EQ(run(arguments), 0) << what << err.str();
            EXPECT_EQ(fs::exists(image + ".bak"), c.backup) << what;
            if (c.backup) {
                EXPECT_EQ(readWholeFile(image + ".bak"), original) << what;
            }
        }
    }
}

// Without "NES" 0x1A at its start a file is refused unless --force.
TEST_F(FileSafetyTest, AFileWithoutTheInesMarkNeedsForce)
{
    Bytes foreign = original;
    foreign[0] = 'P';
    writeWholeFile(image, foreign);
    EXPECT_EQ(run({"directory", image}), 1);
    EXPECT_EQ(err.str(), "quorled-cli: The file " + image + " does not start with \"NES\" and the byte 1A as an "
                         "iNES image does, so it is probably no image of the game. Add --force to work on it all "
                         "the same.\n");
    EXPECT_EQ(run({"save", image, "10"}), 1);
    EXPECT_EQ(readWholeFile(image), foreign);
    EXPECT_FALSE(fs::exists(image + ".bak"));
    EXPECT_EQ(run({"directory", image, "--force"}), 0) << err.str();
    EXPECT_EQ(run({"save", image, "10", "--force", "--no-backup"}), 0) << err.str();
    EXPECT_FALSE(fs::exists(image + ".bak"));
}

// An output that is the image (by any name) or no plain file is refused.
TEST_F(FileSafetyTest, AnOutputThatIsTheImageOrADeviceIsRefused)
{
    fs::create_symlink("quorl.nes", dir / "link.png");
    const struct {
        std::string output;
        std::string message;
    } cases[] = {
        {image, "The output " + image + " is the image " + image + " itself, so nothing was written."},
        {(dir / "link.png").string(),
         "The output " + (dir / "link.png").string() + " is the image " + image + " itself, so nothing was written."},
        {(dir / "." / "quorl.nes").string(), "The output " + (dir / "." / "quorl.nes").string() + " is the image " +
                                                 image + " itself, so nothing was written."},
        {"/dev/null", "Can't write /dev/null: it is a device, not a plain file."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(run({"render", image, "10", c.output}), 1) << c.output;
        EXPECT_EQ(err.str(), "quorled-cli: " + c.message + "\n");
        EXPECT_EQ(readWholeFile(image), original) << c.output;
    }
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

TEST_F(FileSafetyTest, ANameWithControlCharactersIsShownEscapedOnOneLine)
{
    const std::string name = (dir / "new\nline\t\x1b[31m.nes").string();
    EXPECT_EQ(run({"directory", name}), 1);
    EXPECT_EQ(err.str(), "quorled-cli: Can't open " + dir.string() + "/new\\nline\\t\\x1B[31m.nes: No such file or "
                         "directory.\n");
}

// A write that changes no byte writes nothing: the image is not replaced
// and an older backup (the user's copy of the original) is kept.
TEST_F(FileSafetyTest, AWriteThatChangesNoByteWritesNothing)
{
    const std::vector<std::vector<std::string>> calls = {{"save", image, "10"}, {"set", image, "lives", "0", "7"}};
    for (const auto& call : calls) {
        writeWholeFile(image, original);
        ASSERT_EQ(run(call), 0) << call[0] << err.str();
        writeWholeFile(image + ".bak", Bytes{'o', 'l', 'd'});
        const Bytes before = readWholeFile(image);
        struct stat first {};
        ::stat(image.c_str(), &first);
        ASSERT_EQ(run(call), 0) << call[0] << err.str();
        struct stat second {};
        ::stat(image.c_str(), &second);
        EXPECT_EQ(second.st_ino, first.st_ino) << call[0];
        EXPECT_EQ(readWholeFile(image), before) << call[0];
        EXPECT_EQ(readWholeFile(image + ".bak"), (Bytes{'o', 'l', 'd'})) << call[0];
    }
}

// Names in what the commands print are escaped like those in messages.
TEST_F(FileSafetyTest, PrintedNamesAreShownEscaped)
{
    const std::string newline = (dir / "o\nut.nes").string();
    ASSERT_EQ(run({"set", image, "lives", "0", "7", "-o", newline}), 0) << err.str();
    EXPECT_NE(out.str().find("\nWrote " + dir.string() + "/o\\nut.nes: "), std::string::npos) << out.str();
    const std::string escape = (dir / "\x1b[31m\xff.png").string();
    ASSERT_EQ(run({"render", image, "10", escape}), 0) << err.str();
    EXPECT_EQ(out.str().rfind(dir.string() + "/\\x1B[31m\\xFF.png: ", 0), 0u) << out.str();
}

// A picture larger than 16384 pixels a side or 16 Mi pixels in all is
// refused, and says so.
TEST_F(FileSafetyTest, ARenderedPictureIsBounded)
{
    // An area of seven pages.
    ASSERT_EQ(run({"import", image, "10", (dir / "area.json").string(), "--no-backup"}), 0) << err.str();
    const std::string picture = (dir / "map.png").string();
    ASSERT_EQ(run({"render", image, "10", picture, "--map", "--dry-run"}), 0) << err.str();
    const std::string size = out.str().substr(out.str().find("map.png: ") + 9);
    const long width = std::stol(size);
    const long height = std::stol(size.substr(size.find(" x ") + 3));
    // The largest zoom that stays within the bounds, and one past it.
    int fits = 1;
    while (fits < 16 && (fits + 1) * width <= 16384 && (fits + 1) * width * (fits + 1) * height <= (16L << 20))
        ++fits;
    ASSERT_LT(fits, 16) << out.str();
    EXPECT_EQ(run({"render", image, "10", picture, "--map", "--zoom", std::to_string(fits), "--dry-run"}), 0)
        << err.str();
    EXPECT_EQ(run({"render", image, "10", picture + "2", "--map", "--zoom", std::to_string(fits + 1)}), 1);
    EXPECT_NE(err.str().find("more than the 16384 pixels a side and 16777216 pixels in all"), std::string::npos)
        << err.str();
    EXPECT_FALSE(fs::exists(picture + "2"));
}

// A second program writing the image waits for the first, then refuses.
TEST_F(FileSafetyTest, AWriteWaitsForAnotherWriterThenRefuses)
{
    {
        const ImageLock other(image);
        EXPECT_EQ(run({"save", image, "10"}), 1);
        EXPECT_EQ(err.str(), "quorled-cli: The image " + image + " is being written by another program, so nothing "
                             "was written. Try again when it has finished.\n");
        EXPECT_EQ(readWholeFile(image), original);
        EXPECT_FALSE(fs::exists(image + ".bak"));
    }
    EXPECT_EQ(run({"save", image, "10"}), 0) << err.str();
}

TEST_F(FileSafetyTest, ManyDamagedAreasAreCountedOnOpening)
{
    EXPECT_EQ(run({"directory", image}), 0);
    EXPECT_EQ(out.str().find("do not decode cleanly"), std::string::npos);
    // A compilation image cut short after its tables, whose first 30 areas
    // point past its end.
    test::TestImage rom(ImageKind::Snes, 0x90200);
    for (int area = 0; area < 30; ++area)
        rom.setLevelPointer(area, 0x901F0);
    const std::string cut = (dir / "quorl.smc").string();
    writeWholeFile(cut, Bytes(rom.bytes().begin(), rom.bytes().begin() + minimumImageLength(ImageKind::Snes)));
    EXPECT_EQ(run({"directory", cut}), 0) << err.str();
    EXPECT_NE(out.str().find("30 of the 210 areas of " + cut + " do not decode cleanly (more than 10): the file "
                             "may be damaged, or it is no image of the game.\n"),
              std::string::npos)
        << out.str().substr(0, 300);
}

} // namespace
} // namespace quorled
