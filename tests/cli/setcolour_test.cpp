#include "cli/commands.h"

#include "romdata/demo/demoimage.h"
#include "romdata/filestore.h"
#include "romdata/palettetables.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace quorled {
namespace {

namespace fs = std::filesystem;

class SetColourTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() /
              ("quorled-setcolour-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::create_directories(dir);
        for (const auto& [name, kind] : {std::pair{"demo.nes", ImageKind::Ines}, {"demo.smc", ImageKind::Snes}})
            writeWholeFile((dir / name).string(), buildDemoImage(kind));
    }
    void TearDown() override { fs::remove_all(dir); }

    int run(std::vector<std::string> arguments)
    {
        arguments.insert(arguments.begin(), {"set-colour", path()});
        out.str({});
        err.str({});
        return cli::runCli(arguments, out, err);
    }
    std::string path(const char* name = "demo.nes") const { return (dir / name).string(); }

    // Exactly the named bytes differ from the original demo image.
    void expectChanged(const std::vector<std::pair<long, int>>& expected, const char* name = "demo.nes")
    {
        std::vector<std::uint8_t> wanted = buildDemoImage(fs::path(name).extension() == ".nes" ? ImageKind::Ines
                                                                                                : ImageKind::Snes);
        for (const auto& [offset, value] : expected)
            wanted[static_cast<std::size_t>(offset)] = static_cast<std::uint8_t>(value);
        EXPECT_EQ(readWholeFile(path(name)), wanted) << out.str() << err.str();
    }

    fs::path dir;
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(SetColourTest, WritesExactlyTheNamedEntry)
{
    ASSERT_EQ(run({"2", "level", "3", "5", "0x21"}), 0) << err.str();
    expectChanged({{levelPaletteOffset(1, 3, 5), 0x21}});
    EXPECT_NE(out.str().find("$C0F5"), std::string::npos) << out.str();
    ASSERT_EQ(run({"7", "enemy", "2", "11", "63"}), 0) << err.str();
    expectChanged({{levelPaletteOffset(1, 3, 5), 0x21}, {enemyPaletteOffset(6, 2, 11), 63}});
    EXPECT_EQ(enemyPaletteOffset(6, 2, 11), kPaletteTableEnd);
}

TEST_F(SetColourTest, RefusalsLeaveTheImageByteIdentical)
{
    const std::vector<std::vector<std::string>> refused = {
        {"0", "level", "0", "0", "1"},   {"8", "level", "0", "0", "1"},  {"1", "sprite", "0", "0", "1"},
        {"1", "level", "8", "0", "1"},   {"1", "enemy", "4", "0", "1"},  {"1", "level", "0", "16", "1"},
        {"1", "enemy", "0", "12", "1"},  {"1", "level", "0", "0", "64"}, {"1", "level", "0", "0", "-1"},
        {"1", "level", "0", "0", "red"}, {"1", "level", "7", "0", "1"},  {"3", "enemy", "3", "0", "1"},
        {"7", "enemy", "3", "0", "1"},
    };
    for (const auto& words : refused) {
        EXPECT_EQ(run(words), 1) << words[1] << " " << words[2] << " " << words[3] << " " << words[4];
        EXPECT_NE(err.str().find("nothing was written"), std::string::npos) << err.str();
    }
    expectChanged({});

    out.str({});
    std::vector<std::string> snes = {"set-colour", path("demo.smc"), "1", "level", "0", "0", "1"};
    EXPECT_EQ(cli::runCli(snes, out, err), 1);
    expectChanged({}, "demo.smc");
}

TEST_F(SetColourTest, ARereadImageShowsTheColour)
{
    ASSERT_EQ(run({"1", "enemy", "1", "0", "0x0F"}), 0);
    std::ostringstream listing;
    std::ostringstream errors;
    ASSERT_EQ(cli::runCli({"palettes", path(), "--json"}, listing, errors), 0);
    // Enemy palette 1 of world 0 is also slots 12..15 of level palette 7.
    EXPECT_EQ(readWholeFile(path())[static_cast<std::size_t>(levelPaletteOffset(0, 7, 12))], 0x0F);
}

// The listing counts worlds as set-colour takes them (1..7, the table's) and
// shows each palette with the slots the image keeps; a colour set through
// set-colour appears in its row.
TEST_F(SetColourTest, PalettesListsWhatSetColourTakes)
{
    ASSERT_EQ(run({"7", "level", "6", "15", "0x2A"}), 0);
    ASSERT_EQ(run({"7", "enemy", "2", "11", "0x1B"}), 0);
    std::ostringstream listing;
    std::ostringstream errors;
    ASSERT_EQ(cli::runCli({"palettes", path()}, listing, errors), 0);
    const std::string text = listing.str();
    EXPECT_EQ(text.find("world 8"), std::string::npos);
    EXPECT_EQ(text.find("world 0"), std::string::npos);
    std::istringstream lines(text);
    std::string line;
    int level = 0;
    int enemy = 0;
    bool inEnemies = false;
    while (std::getline(lines, line)) {
        if (line == "Enemy palettes:")
            inEnemies = true;
        if (line.rfind("  world ", 0) != 0)
            continue;
        const std::size_t values = (line.size() - line.find(':') - 1) / 3;
        EXPECT_EQ(values, inEnemies ? 12U : 16U) << line;
        ++(inEnemies ? enemy : level);
    }
    EXPECT_EQ(level, 7 * 8);
    EXPECT_EQ(enemy, 7 * 4);
    EXPECT_NE(text.find(" 2A\n  world 7 palette 7:"), std::string::npos) << text;
    EXPECT_NE(text.find(" 1B\n  world 7 palette 3:"), std::string::npos) << text;
}

} // namespace
} // namespace quorled
