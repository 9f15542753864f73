#include "cli/cliargs.h"
#include "cli/commands.h"

#include "romdata/demo/demoimage.h"
#include "romdata/filestore.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace quorled {
namespace {

namespace fs = std::filesystem;

struct CliRun {
    int code;
    std::string out;
    std::string err;
};

CliRun run(const std::vector<std::string>& arguments)
{
    std::ostringstream out;
    std::ostringstream err;
    const int code = cli::runCli(arguments, out, err);
    return {code, out.str(), err.str()};
}

// Options in both spellings, "--" before arguments that look like options,
// and negative numbers as arguments.
TEST(CommandLineWords, OptionSpellingsAndTheEndOfOptions)
{
    const struct {
        std::vector<std::string> words;
        std::vector<std::string> positional;
        std::string reference; // "" = not given
        bool json;
    } cases[] = {
        {{"a.nes", "--reference=r.nes"}, {"a.nes"}, "r.nes", false},
        {{"--reference", "r.nes", "a.nes", "--json"}, {"a.nes"}, "r.nes", true},
        {{"--reference=x", "--reference", "y", "a"}, {"a"}, "y", false},
        {{"--json", "--", "--reference", "-o", "--json"}, {"--reference", "-o", "--json"}, "", true},
        {{"a", "-5", "-"}, {"a", "-5", "-"}, "", false},
    };
    for (const auto& c : cases) {
        const cli::CliArgs args(c.words, {"--reference", "-o"}, {"--json"});
        EXPECT_EQ(args.positional(), c.positional) << c.words.front();
        EXPECT_EQ(args.value("--reference").value_or(""), c.reference) << c.words.front();
        EXPECT_EQ(args.flag("--json"), c.json) << c.words.front();
        EXPECT_FALSE(args.flag("--force"));
    }
    const struct {
        std::vector<std::string> words;
        std::string message;
    } wrong[] = {
        {{"a", "--reference"}, "option --reference needs a value"},
        {{"--jsn"}, "unknown option --jsn"},
    };
    for (const auto& c : wrong) {
        try {
            const cli::CliArgs args(c.words, {"--reference", "-o"}, {"--json"});
            ADD_FAILURE() << "accepted " << c.words.back();
        } catch (const cli::UsageError& error) {
            EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos) << error.what();
        }
    }
}

TEST(CommandLineHelp, EachCommandHasItsOwnUsage)
{
    for (const cli::Command& command : cli::commands()) {
        const std::string usage = std::string("usage: quorled-cli ") + command.usage + "\n";
        EXPECT_EQ(run({"help", command.name}).out, usage);
        EXPECT_EQ(run({command.name, "--help"}).out, usage);
        EXPECT_EQ(run({command.name, "x", "-h"}).code, 0);
    }
    EXPECT_NE(run({"help"}).out.find("quorled-cli help [COMMAND]"), std::string::npos);
    const CliRun unknown = run({"help", "bogus"});
    EXPECT_EQ(unknown.code, 2);
    EXPECT_EQ(unknown.err.rfind("quorled-cli: help: unknown command \"bogus\"\n", 0), 0U) << unknown.err;
    // A wrong call names its command.
    const CliRun wrong = run({"area", "x.nes", "--bogus"});
    EXPECT_EQ(wrong.code, 2);
    EXPECT_EQ(wrong.err.rfind("quorled-cli: area: unknown option --bogus\nusage: quorled-cli area ", 0), 0U) << wrong.err;
    EXPECT_EQ(run({"area", "x.nes"}).err.rfind("quorled-cli: area: missing arguments\n", 0), 0U);
}

class CommandLineFiles : public ::testing::Test {
protected:
    fs::path dir = fs::temp_directory_path() /
                   ("quorled-commandline-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }
};

// The demo's kind follows OUT's extension as in the editor; --kind (in
// either spelling) overrides it.
TEST_F(CommandLineFiles, DemoTakesItsKindFromTheName)
{
    const struct {
        std::string name;
        std::vector<std::string> options;
        ImageKind kind;
    } cases[] = {
        {"a.smc", {}, ImageKind::Snes}, {"b.SFC", {}, ImageKind::Snes},  {"c.fig", {}, ImageKind::Snes},
        {"d.fds", {}, ImageKind::Fds},  {"e.nes", {}, ImageKind::Ines},  {"f.bin", {}, ImageKind::Ines},
        {"g.smc", {"--kind=ines"}, ImageKind::Ines}, {"h.nes", {"--kind", "fds"}, ImageKind::Fds},
    };
    for (const auto& c : cases) {
        std::vector<std::string> arguments{"demo", (dir / c.name).string()};
        arguments.insert(arguments.end(), c.options.begin(), c.options.end());
        const CliRun result = run(arguments);
        ASSERT_EQ(result.code, 0) << c.name << result.err;
        EXPECT_EQ(readWholeFile((dir / c.name).string(), {64u << 20, "an image"}), buildDemoImage(c.kind)) << c.name;
    }
}

TEST_F(CommandLineFiles, AFileNamedLikeAnOptionAfterTheEndOfOptions)
{
    const fs::path image = dir / "-x.nes";
    writeWholeFile(image.string(), buildDemoImage(ImageKind::Ines));
    const fs::path old = fs::current_path();
    fs::current_path(dir);
    const CliRun result = run({"directory", "--json", "--", "-x.nes"});
    fs::current_path(old);
    EXPECT_EQ(result.code, 0) << result.err;
    EXPECT_EQ(result.out.rfind("{\"kind\": \"ines\"", 0), 0U) << result.out.substr(0, 40);
}

} // namespace
} // namespace quorled
