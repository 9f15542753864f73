#include "cli/commands.h"
#include "cli/imageoutput.h"

#include "quorled/version.h"
#include "romdata/demo/demoimage.h"
#include "romdata/filestore.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace quorled {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

// A folder with the iNES demo image and the side files the writing
// commands read: a level dump with one changed byte and an area document.
class WriteOutputTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() /
              ("quorled-output-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        original = buildDemoImage(ImageKind::Ines);
        image = path("quorl.nes");
        writeWholeFile(image, original);
        ASSERT_EQ(run({"dump", image, path("level.qlv")}), 0) << err.str();
        Bytes dump = readWholeFile(path("level.qlv"));
        dump[0x200] ^= 0x01;
        writeWholeFile(path("level.qlv"), dump);
        ASSERT_EQ(run({"export", image, "1"}), 0) << err.str();
        std::string json = out.str();
        const std::string firstObject = "\"x\": 7, \"y\": 1,";
        ASSERT_NE(json.find(firstObject), std::string::npos) << json;
        json.replace(json.find(firstObject), firstObject.size(), "\"x\": 6, \"y\": 1,");
        writeWholeFile(path("area.json"), Bytes(json.begin(), json.end()));
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string path(const std::string& name) const { return (dir / name).string(); }
    int run(const std::vector<std::string>& arguments)
    {
        out.str("");
        err.str("");
        return cli::runCli(arguments, out, err);
    }
    // The command's words with IMAGE, DUMP and JSON put in.
    std::vector<std::string> words(std::vector<std::string> pattern) const
    {
        for (std::string& word : pattern) {
            if (word == "IMAGE")
                word = image;
            else if (word == "DUMP")
                word = path("level.qlv");
            else if (word == "JSON")
                word = path("area.json");
        }
        return pattern;
    }

    fs::path dir;
    std::string image;
    Bytes original;
    std::ostringstream out;
    std::ostringstream err;
};

// Every command that changes an image, each (but the unedited save) with a
// call that changes bytes.
const std::vector<std::vector<std::string>>& writingCalls()
{
    static const std::vector<std::vector<std::string>> calls = {
        {"save", "IMAGE", "1"}, // changes no byte of the demo image
        {"import", "IMAGE", "1", "JSON"},
        {"set", "IMAGE", "lives", "0", "7"},
        {"set-colour", "IMAGE", "1", "level", "0", "1", "0x21"},
        {"move", "IMAGE", "1", "level", "13000", "--pointers-only"},
        {"insert", "IMAGE", "DUMP"},
    };
    return calls;
}

// -o OUT writes what the in-place write writes, --dry-run names those very
// bytes; both leave the image byte-identical.
TEST_F(WriteOutputTest, DryRunAndOutputFileLeaveTheImageAlone)
{
    for (const auto& call : writingCalls()) {
        SCOPED_TRACE(call.front());
        writeWholeFile(image, original);
        ASSERT_EQ(run(words(call)), 0) << err.str();
        const Bytes inPlace = readWholeFile(image);
        EXPECT_EQ(inPlace == original, call.front() == "save");
        const std::string ranges = cli::changedRanges(original, inPlace);

        writeWholeFile(image, original);
        std::vector<std::string> dry = words(call);
        dry.push_back("--dry-run");
        ASSERT_EQ(run(dry), 0) << err.str();
        EXPECT_EQ(readWholeFile(image), original);
        EXPECT_NE(out.str().find("Dry run: " + ranges + " would change; nothing was written.\n"), std::string::npos)
            << out.str();

        const std::string copy = path(call.front() + "-out.nes");
        std::vector<std::string> toFile = words(call);
        toFile.insert(toFile.end(), {"-o", copy});
        ASSERT_EQ(run(toFile), 0) << err.str();
        EXPECT_EQ(readWholeFile(image), original);
        EXPECT_EQ(readWholeFile(copy), inPlace);
        EXPECT_NE(out.str().find("Wrote " + copy + ": " + ranges + " changed; " + image + " was left as it was.\n"),
                  std::string::npos)
            << out.str();
    }
}

// OUT must be a new file: the image under another name or through a link,
// and any other existing file, are refused before anything is written.
TEST_F(WriteOutputTest, OutputFileMustBeNew)
{
    const std::string other = path("other.nes");
    writeWholeFile(other, {1, 2, 3});
    fs::create_hard_link(image, path("hard.nes"));
    fs::create_symlink(image, path("soft.nes"));
    fs::create_symlink(path("nowhere.nes"), path("dangling.nes"));
    const std::vector<std::pair<std::string, std::string>> cases = {
        {image, "is the image"},
        {(dir / "." / "quorl.nes").string(), "is the image"},
        {path("hard.nes"), "is the image"},
        {path("soft.nes"), "is the image"},
        {path("dangling.nes"), "already exists"},
        {other, "already exists"},
        {dir.string(), "already exists"},
    };
    for (const auto& call : writingCalls()) {
        for (const auto& [target, message] : cases) {
            SCOPED_TRACE(call.front() + " -o " + target);
            std::vector<std::string> toFile = words(call);
            toFile.insert(toFile.end(), {"-o", target});
            EXPECT_EQ(run(toFile), 1);
            EXPECT_NE(err.str().find(message), std::string::npos) << err.str();
            EXPECT_EQ(out.str(), "");
        }
    }
    EXPECT_EQ(readWholeFile(image), original);
    EXPECT_EQ(readWholeFile(other), (Bytes{1, 2, 3}));
    EXPECT_FALSE(fs::exists(path("nowhere.nes")));
    EXPECT_EQ(run(words({"save", "IMAGE", "1", "-o"})), 2);
}

// A read-only image is refused in place but can be written to a new file.
TEST_F(WriteOutputTest, ReadOnlyImageGoesToANewFile)
{
    fs::permissions(image, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const std::vector<std::string> call = words({"set", "IMAGE", "lives", "0", "7"});
    EXPECT_EQ(run(call), 1);
    EXPECT_NE(err.str().find("read-only"), std::string::npos) << err.str();
    std::vector<std::string> toFile = call;
    toFile.insert(toFile.end(), {"-o", path("copy.nes")});
    EXPECT_EQ(run(toFile), 0) << err.str();
    EXPECT_EQ(readWholeFile(image), original);
    EXPECT_NE(readWholeFile(path("copy.nes")), original);
}

// The commands that write other files say which file and write none.
TEST_F(WriteOutputTest, DryRunOfDemoAndRenderWritesNoFile)
{
    ASSERT_EQ(run({"demo", path("new.fds"), "--kind", "fds", "--dry-run"}), 0) << err.str();
    EXPECT_NE(out.str().find("would write the fds demo image " + path("new.fds")), std::string::npos) << out.str();
    ASSERT_EQ(run({"render", image, "1", path("screen.png"), "--dry-run"}), 0) << err.str();
    EXPECT_NE(out.str().find("would write " + path("screen.png")), std::string::npos) << out.str();
    ASSERT_EQ(run({"render", image, "1", path("map.png"), "--map", "--dry-run"}), 0) << err.str();
    EXPECT_FALSE(fs::exists(path("new.fds")));
    EXPECT_FALSE(fs::exists(path("screen.png")));
    EXPECT_FALSE(fs::exists(path("map.png")));
    EXPECT_EQ(readWholeFile(image), original);
}

TEST(ChangedRangesTest, JoinsNeighbouringOffsets)
{
    const Bytes before(0x20, 0);
    const std::vector<std::pair<std::vector<int>, std::string>> cases = {
        {{}, "no bytes"},
        {{0x10}, "1 byte ($10)"},
        {{0x00, 0x01, 0x02, 0x1F}, "4 bytes ($0-$2, $1F)"},
        {{0x05, 0x07}, "2 bytes ($5, $7)"},
    };
    for (const auto& [offsets, text] : cases) {
        Bytes after = before;
        for (int offset : offsets)
            after[static_cast<std::size_t>(offset)] = 0xFF;
        EXPECT_EQ(cli::changedRanges(before, after), text);
    }
}

// Help and version on standard output with exit 0; wrong calls give the
// usage on standard error and exit 2.
TEST(CommandLineTest, HelpVersionAndWrongCalls)
{
    struct Case {
        std::vector<std::string> arguments;
        int code;
        std::string outText; // expected in standard output ("" = nothing there)
        std::string errText; // expected in standard error ("" = nothing there)
    };
    const std::vector<Case> cases = {
        {{"--help"}, 0, "quorled-cli save IMAGE AREA", ""},
        {{"-h"}, 0, "--dry-run tells what would change", ""},
        {{"--version"}, 0, std::string("quorled-cli ") + kVersion + "\n", ""},
        {{"save", "--help"}, 0, "usage: quorled-cli save IMAGE AREA [--reference FILE] [--dry-run] [-o OUT]\n", ""},
        {{}, 2, "", "usage: quorled-cli COMMAND"},
        {{"--bogus"}, 2, "", "unknown option \"--bogus\""},
        {{"bogus"}, 2, "", "unknown command \"bogus\""},
        {{"save", "x.nes", "1", "--bogus"}, 2, "", "usage: quorled-cli save"},
        {{"save", "x.nes", "1", "-q"}, 2, "", "unknown option -q"},
        {{"directory", "x.nes", "-o", "y.nes"}, 2, "", "unknown option -o"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.empty() ? std::string("(none)") : c.arguments.front());
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(cli::runCli(c.arguments, out, err), c.code);
        if (c.outText.empty())
            EXPECT_EQ(out.str(), "");
        else
            EXPECT_NE(out.str().find(c.outText), std::string::npos) << out.str();
        if (c.errText.empty())
            EXPECT_EQ(err.str(), "");
        else
            EXPECT_NE(err.str().find(c.errText), std::string::npos) << err.str();
    }
}

} // namespace
} // namespace quorled
