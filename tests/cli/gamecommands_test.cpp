// find, stats, check and render --overview on the demo image and on one
// with a damaged levels-per-world table.
#include "cli/commands.h"

#include "romdata/demo/demoimage.h"
#include "romdata/filestore.h"
#include "romdata/romlayout.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

namespace quorled {
namespace {

namespace fs = std::filesystem;

class GameCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() /
              ("quorled-game-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::create_directories(dir);
        demo = (dir / "demo.nes").string();
        bytes = buildDemoImage(ImageKind::Ines);
        writeWholeFile(demo, bytes);
    }
    void TearDown() override { fs::remove_all(dir); }

    int run(const std::vector<std::string>& arguments)
    {
        out.str({});
        err.str({});
        return cli::runCli(arguments, out, err);
    }

    fs::path dir;
    std::string demo;
    std::vector<std::uint8_t> bytes;
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(GameCommandsTest, CheckExitsWithOneOnlyWhenAnErrorIsFound)
{
    ASSERT_EQ(run({"check", demo}), 0) << out.str() << err.str();
    EXPECT_NE(out.str().find("\n0 errors, "), std::string::npos) << out.str();
    ASSERT_EQ(run({"check", demo, "--json"}), 0);
    const auto clean = nlohmann::json::parse(out.str());
    EXPECT_EQ(clean["errors"], 0);
    EXPECT_GT(clean["notes"].get<int>(), 0); // the unused slots share data

    const std::string spoiled = (dir / "spoiled.nes").string();
    bytes[0x1E022 + 7] = 22; // the table counts 22 levels
    writeWholeFile(spoiled, bytes);
    ASSERT_EQ(run({"check", spoiled}), 1);
    EXPECT_NE(out.str().find("error  tables  The levels-per-world table counts 22 levels"), std::string::npos)
        << out.str();
    ASSERT_EQ(run({"check", spoiled, "--json"}), 1);
    const auto problems = nlohmann::json::parse(out.str())["problems"];
    EXPECT_EQ(problems[0]["rule"], "world-table");
    EXPECT_TRUE(problems[0]["area"].is_null());
}

TEST_F(GameCommandsTest, DirectoryNamesAreasInHexadecimalAndItsJsonInDecimal)
{
    ASSERT_EQ(run({"directory", demo}), 0) << err.str();
    EXPECT_NE(out.str().find("\nFirst area of each world: 00 1E 3C 5A 78 96 B4 C8\n"), std::string::npos) << out.str();
    EXPECT_NE(out.str().find("\n1E    $"), std::string::npos) << out.str();
    ASSERT_EQ(run({"directory", demo, "--json"}), 0) << err.str();
    EXPECT_EQ(nlohmann::json::parse(out.str())["worldFirstArea"], nlohmann::json({0, 30, 60, 90, 120, 150, 180, 200}));
}

TEST_F(GameCommandsTest, CheckNamesADamagedAreaOnce)
{
    const RomLayout& layout = romLayout(ImageKind::Ines);
    const long pointer = 0x8100 - layout.pointerBase; // before the level-data region
    bytes[static_cast<std::size_t>(layout.levelPointerLow + 0x0A)] = static_cast<std::uint8_t>(pointer & 0xFF);
    bytes[static_cast<std::size_t>(layout.levelPointerHigh + 0x0A)] = static_cast<std::uint8_t>(pointer >> 8);
    const std::string spoiled = (dir / "damaged.nes").string();
    writeWholeFile(spoiled, bytes);
    ASSERT_EQ(run({"check", spoiled}), 1);
    EXPECT_NE(out.str().find("\nerror  area 0A  The level data pointer $8100 lies outside the level-data region $"),
              std::string::npos)
        << out.str();
    EXPECT_EQ(out.str().find("area 0A  area 0A"), std::string::npos) << out.str();
}

TEST_F(GameCommandsTest, FindListsTheSameMatchesAsTextAndJson)
{
    ASSERT_EQ(run({"find", demo, "Cloud"}), 0) << err.str();
    const std::string text = out.str();
    ASSERT_EQ(run({"find", demo, "cloud", "--json"}), 0);
    const auto hits = nlohmann::json::parse(out.str());
    ASSERT_GT(hits.size(), 10u);
    EXPECT_NE(text.find("\n" + std::to_string(hits.size()) + " matches\n"), std::string::npos) << text;
    for (const auto& hit : hits) {
        std::string name = hit["name"];
        std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
        EXPECT_NE(name.find("cloud"), std::string::npos) << name;
    }
    ASSERT_EQ(run({"find", demo, "enemy 01", "--json"}), 0);
    for (const auto& hit : nlohmann::json::parse(out.str()))
        EXPECT_EQ(hit["item"], "enemy");
    EXPECT_EQ(run({"find", demo, "enemy 123"}), 2);
    EXPECT_EQ(run({"find", demo}), 2);
}

TEST_F(GameCommandsTest, StatsAddUpAndTheOverviewIsWritten)
{
    ASSERT_EQ(run({"stats", demo, "--json"}), 0) << err.str();
    const auto stats = nlohmann::json::parse(out.str());
    ASSERT_EQ(stats["areas"].size(), 210u);
    ASSERT_EQ(stats["worlds"].size(), 7u);
    int worldObjects = 0;
    for (const auto& world : stats["worlds"])
        worldObjects += world["objects"].get<int>();
    // Level 20, the test room that its ten slots share, lies outside every world.
    EXPECT_EQ(stats["total"]["objects"], worldObjects + stats["areas"][200]["objects"].get<int>());
    EXPECT_EQ(stats["areas"][200]["world"], 0);
    EXPECT_GT(stats["freeSpace"]["total"].get<int>(), 0);
    ASSERT_EQ(run({"stats", demo}), 0);
    EXPECT_NE(out.str().find("Most used enemies:"), std::string::npos);

    const std::string png = (dir / "overview.png").string();
    ASSERT_EQ(run({"render", demo, "--overview", png}), 0) << err.str();
    EXPECT_GT(fs::file_size(png), 1000u);
    EXPECT_NE(out.str().find(", 210 areas"), std::string::npos) << out.str();
    EXPECT_EQ(run({"render", demo, "--overview", demo}), 1) << "the image itself is never the output";
}

} // namespace
} // namespace quorled
