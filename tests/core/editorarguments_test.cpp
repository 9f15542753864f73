#include "cli/cliargs.h"
#include "core/session/areajump.h"
#include "core/corefixture.h"
#include "core/session/editorarguments.h"
#include "romdata/demo/demoimage.h"

#include <gtest/gtest.h>

namespace quorled {
namespace {

using Action = EditorArguments::Action;

TEST(EditorArgumentsTest, ParsesTheCommandLine)
{
    struct Case {
        std::vector<std::string> words;
        Action action;
        std::string imagePath;
        std::optional<int> area;
    };
    const std::vector<Case> cases = {
        {{}, Action::Open, "", std::nullopt},
        {{"quorl.nes"}, Action::Open, "quorl.nes", std::nullopt},
        {{"--area", "17", "quorl.nes"}, Action::Open, "quorl.nes", 17},
        {{"quorl.fds", "--area", "0x1a"}, Action::Open, "quorl.fds", 0x1A},
        {{"--area", "0"}, Action::Open, "", 0},
        {{"--area", "209", "x.nes"}, Action::Open, "x.nes", 209},
        {{"--area", "0xD1"}, Action::Open, "", 209},
        {{"-5.nes"}, Action::Open, "-5.nes", std::nullopt}, // a dash and a digit is a name
        // --help and --version win over everything else, even a bad option.
        {{"--help"}, Action::Help, "", std::nullopt},
        {{"-h", "--bogus"}, Action::Help, "", std::nullopt},
        {{"quorl.nes", "--version"}, Action::Version, "", std::nullopt},
        {{"--area", "999", "--version"}, Action::Version, "", std::nullopt},
    };
    for (const Case& c : cases) {
        std::string joined;
        for (const std::string& word : c.words)
            joined += word + " ";
        SCOPED_TRACE(joined);
        const EditorArguments parsed = parseEditorArguments(c.words);
        EXPECT_EQ(parsed.action, c.action);
        EXPECT_EQ(parsed.imagePath, c.imagePath);
        EXPECT_EQ(parsed.area, c.area);
    }
}

TEST(EditorArgumentsTest, RefusesWrongCalls)
{
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"--area", "210"}, "out of range"},
        {{"--area", "-1"}, "out of range"},
        {{"--area", "0x"}, "not a number"},
        {{"--area", "12a"}, "not a number"},
        {{"--area", " 12"}, "not a number"},
        {{"--area", "99999999999999999999"}, "not a number"},
        {{"--area"}, "needs a value"},
        {{"--zoom", "2"}, "unknown option --zoom"},
        {{"-x"}, "unknown option -x"},
        {{"a.nes", "b.nes"}, "unexpected argument \"b.nes\""},
    };
    for (const auto& [words, message] : cases) {
        SCOPED_TRACE(words.front());
        try {
            parseEditorArguments(words);
            ADD_FAILURE() << "accepted";
        } catch (const cli::UsageError& error) {
            EXPECT_NE(std::string(error.what()).find(message), std::string::npos) << error.what();
        }
    }
    EXPECT_NE(editorUsage().find("--area N"), std::string::npos);
}

// --area goes through the "Select area" choices: every area a world's list
// holds is reached, the others are refused with a message.
TEST(EditorArgumentsTest, JumpsToTheAreaOfTheCommandLine)
{
    testing::CoreFolder folder;
    folder.writeImage("quorl.nes", buildDemoImage(ImageKind::Ines));
    EditorCore core{testing::syntheticCarriedPictures()};
    EXPECT_NE(jumpToArea(core, 5), std::nullopt); // no image yet
    core.readSettings(folder.settingsPath());
    ASSERT_EQ(core.openImage(folder.path("quorl.nes")), std::nullopt);
    const auto& first = core.directory().worldFirstArea;
    ASSERT_LT(first[1], first[8]);
    for (int area : {first[1], first[2] + 1, first[8] - 1}) {
        EXPECT_EQ(jumpToArea(core, area), std::nullopt) << area;
        EXPECT_EQ(core.currentArea(), area);
        EXPECT_EQ(core.area().area, area);
    }
    if (first[8] < kAreaCount) {
        const int before = core.currentArea();
        const auto message = jumpToArea(core, kAreaCount - 1);
        ASSERT_NE(message, std::nullopt);
        EXPECT_NE(message->find("belongs to no world"), std::string::npos) << *message;
        EXPECT_EQ(core.currentArea(), before);
    }
}

} // namespace
} // namespace quorled
