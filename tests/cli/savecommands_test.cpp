#include "cli/commands.h"

#include "romdata/demo/demoimage.h"
#include "romdata/filestore.h"
#include "support/testimage.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace quorled {
namespace {

namespace fs = std::filesystem;

// Area 3 of a synthetic image: two objects, one enemy on page 0 and one on
// page 2, free bytes after each block.
class SaveCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() /
              ("quorled-save-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::create_directories(dir);
        test::TestImage image;
        image.put(0x10400, {0x80, 0x00, 0x30, 0x00, 0x25, 0x0A, 0x31, 0x33, 0xFF, 0xFF, 0xFF, 0x00});
        image.put(0x12800, {0x03, 0x3C, 0x45, 0x01, 0x03, 0x10, 0x2A, 0xFF, 0xFF, 0x00});
        image.put(0x12510, {0xA5});
        image.setLevelPointer(3, 0x10400);
        image.setEnemyPointer(3, 0x12800);
        image.setEnemyPointer(4, 0x12900);
        imagePath = (dir / "test.nes").string();
        writeWholeFile(imagePath, image.bytes());
        original = readWholeFile(imagePath);
    }
    void TearDown() override { fs::remove_all(dir); }

    int run(const std::vector<std::string>& arguments)
    {
        out.str("");
        err.str("");
        return cli::runCli(arguments, out, err);
    }
    std::string writeFile(const std::string& name, const std::string& text)
    {
        const std::string path = (dir / name).string();
        std::ofstream(path) << text;
        return path;
    }

    fs::path dir;
    std::string imagePath;
    std::vector<std::uint8_t> original;
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(SaveCommandsTest, SaveWithoutEditsRewritesOnlyTheTerminator)
{
    ASSERT_EQ(run({"save", imagePath, "3"}), 0) << err.str();
    EXPECT_EQ(out.str(), "Area 03 saved: 1 byte changed: $12807\n");
    std::vector<std::uint8_t> expected = original;
    expected[0x12807] = 0x01;
    EXPECT_EQ(readWholeFile(imagePath), expected);
}

TEST_F(SaveCommandsTest, SavesIntoSharedDataNameTheOtherAreas)
{
    const std::string demo = (dir / "demo.nes").string();
    writeWholeFile(demo, buildDemoImage(ImageKind::Ines));
    ASSERT_EQ(run({"area", demo, "5", "--json"}), 0) << err.str();
    std::string json = out.str();
    const std::size_t enemies = json.find("\"enemies\": [");
    ASSERT_NE(enemies, std::string::npos);
    json = json.substr(0, enemies) + "\"enemies\": []" + json.substr(json.find(']', enemies) + 1);
    const std::string file = writeFile("five.json", json);
    const std::string note = "Note: areas 06, 07, 08 and 09 use the same data and changed with it\n";
    ASSERT_EQ(run({"import", demo, "5", file}), 0) << err.str();
    EXPECT_NE(out.str().find(note), std::string::npos) << out.str();
    // Nothing changes on the next save, so nothing changed with it either.
    ASSERT_EQ(run({"save", demo, "5"}), 0) << err.str();
    EXPECT_EQ(out.str(), "Area 05 saved: no bytes changed\n");
    ASSERT_EQ(run({"import", demo, "2", file}), 0) << err.str();
    EXPECT_EQ(out.str().find("Note:"), std::string::npos) << out.str();
}

TEST_F(SaveCommandsTest, VerifyOfNonsenseFilesIsQuick)
{
    // All zeros and random bytes of an image's length (taken as an image only
    // with --force, having no iNES mark): every stream stops at
    // the level-data region, so the check takes milliseconds, not seconds.
    std::vector<std::uint8_t> random(0x40010);
    std::uint32_t state = 16;
    for (std::uint8_t& b : random)
        b = static_cast<std::uint8_t>((state = state * 1664525u + 1013904223u) >> 24);
    for (const auto& bytes : {std::vector<std::uint8_t>(0x40010, 0x00), random}) {
        const std::string path = (dir / "nonsense.nes").string();
        writeWholeFile(path, bytes);
        const auto start = std::chrono::steady_clock::now();
        ASSERT_EQ(run({"verify", path, "--force"}), 0) << err.str();
        const auto took = std::chrono::steady_clock::now() - start;
        // Generous for a loaded machine under the sanitizers; it was 13 s.
        EXPECT_LT(took, std::chrono::seconds(3));
        EXPECT_NE(out.str().find("of 210 areas would change"), std::string::npos);
    }
}

TEST_F(SaveCommandsTest, ExportImportRoundTripAndAnEdit)
{
    ASSERT_EQ(run({"export", imagePath, "3"}), 0) << err.str();
    std::string json = out.str();
    ASSERT_NE(json.find("\"enemies\": [{\"type\": 60, \"x\": 4, \"y\": 5}"), std::string::npos) << json;
    const std::string same = writeFile("same.json", json);
    ASSERT_EQ(run({"import", imagePath, "3", same}), 0) << err.str();
    std::vector<std::uint8_t> expected = original;
    expected[0x12807] = 0x01;
    EXPECT_EQ(readWholeFile(imagePath), expected);

    // The first enemy moves to page 1: the block keeps its length.
    json.replace(json.find("\"x\": 4, \"y\": 5"), 14, "\"x\": 20, \"y\": 5");
    ASSERT_EQ(run({"import", imagePath, "3", writeFile("moved.json", json)}), 0) << err.str();
    const std::vector<std::uint8_t> bytes = readWholeFile(imagePath);
    EXPECT_EQ(std::vector<int>(bytes.begin() + 0x12800, bytes.begin() + 0x12809),
              (std::vector<int>{0x01, 0x03, 0x3C, 0x45, 0x03, 0x10, 0x2A, 0x01, 0xFF}));
}

TEST_F(SaveCommandsTest, BadFilesAreRefusedAndNothingIsWritten)
{
    const struct {
        const char* text;
        const char* message;
    } cases[] = {
        {"{\"header\": [128, 0, 48, 0], \"objects\": [], \"enemies\": [", "is not JSON: line 1, column"},
        {"[1, 2]", "the document is an array, not an object"},
        {"{\"header\": [128, 0, 48], \"objects\": [], \"enemies\": []}", "header has 3 bytes"},
        {"{\"header\": [128, 0, 48, 0], \"objects\": [{\"type\": 300, \"x\": 0, \"y\": 0, \"special\": false, "
         "\"layer\": 0}], \"enemies\": []}",
         "objects[0].type is 300"},
        {"{\"header\": [128, 0, 48, 0], \"objects\": [], \"enemies\": [{\"type\": 1, \"x\": -1, \"y\": 0}]}",
         "enemies[0].x is -1"},
        {"{\"header\": [0, 0, 48, 0], \"objects\": [{\"type\": 256, \"x\": 16, \"y\": 0, \"special\": true, "
         "\"layer\": 0}], \"enemies\": []}",
         "objects[0].x is 16; a special object's kind must be 0..15"},
        {"{\"header\": [128, 0, 48, 0], \"objects\": [], \"enemies\": [], \"extra\": 1}", "unknown key \"extra\""},
        {"{\"header\": [128, 0, 48, 0], \"objects\": [{\"type\": 1, \"x\": 0, \"y\": 0.5, \"special\": false, "
         "\"layer\": 0}], \"enemies\": []}",
         "only whole numbers"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(run({"import", imagePath, "3", writeFile("bad.json", c.text)}), 1) << c.text;
        EXPECT_NE(err.str().find(c.message), std::string::npos) << err.str();
        EXPECT_EQ(readWholeFile(imagePath), original) << c.text;
    }
    EXPECT_EQ(run({"import", imagePath, "3", (dir / "missing.json").string()}), 1);
    EXPECT_EQ(readWholeFile(imagePath), original);
}

TEST_F(SaveCommandsTest, ImportThatDoesNotFitIsRefused)
{
    const std::string json = "{\"header\": [128, 0, 48, 0], \"objects\": [], \"enemies\": [{\"type\": 1, \"x\": 0, "
                             "\"y\": 0}, {\"type\": 1, \"x\": 0, \"y\": 0}, {\"type\": 1, \"x\": 0, \"y\": 0}, "
                             "{\"type\": 1, \"x\": 0, \"y\": 0}]}";
    EXPECT_EQ(run({"import", imagePath, "3", writeFile("big.json", json)}), 1);
    EXPECT_NE(err.str().find("Can't save area! The enemy data of area 03 needs 10 bytes, but there is room for only 9 bytes"), std::string::npos)
        << err.str();
    EXPECT_EQ(readWholeFile(imagePath), original);
}

TEST_F(SaveCommandsTest, VerifyReportsWithoutWriting)
{
    ASSERT_EQ(run({"verify", imagePath}), 0) << err.str();
    const std::string report = out.str();
    const std::size_t line = report.find("Area 03 (");
    ASSERT_NE(line, std::string::npos) << report;
    EXPECT_EQ(report.substr(line, report.find('\n', line) - line).substr(report.find("): ", line) - line),
              "): 1 byte would change: $12807 FF->01");
    EXPECT_EQ(readWholeFile(imagePath), original);
}

TEST(VerifyDemoImages, EveryAreaSavesBackUnchanged)
{
    const fs::path dir = fs::temp_directory_path() / "quorled-verify-demo";
    fs::create_directories(dir);
    const std::string ines = (dir / "demo.nes").string();
    writeWholeFile(ines, buildDemoImage(ImageKind::Ines));
    writeWholeFile((dir / "demo.smc").string(), buildDemoImage(ImageKind::Snes));
    writeWholeFile((dir / "demo.fds").string(), buildDemoImage(ImageKind::Fds));
    for (const char* name : {"demo.nes", "demo.smc", "demo.fds"}) {
        std::ostringstream out;
        std::ostringstream err;
        ASSERT_EQ(cli::runCli({"verify", (dir / name).string(), "--reference", ines}, out, err), 0) << err.str();
        EXPECT_NE(out.str().find("\n0 of 210 areas would change bytes of the image, 0 would be refused"),
                  std::string::npos)
            << name << "\n"
            << out.str();
    }
    fs::remove_all(dir);
}

} // namespace
} // namespace quorled

namespace quorled {
namespace {

// Import of an area grown past its room: refused as it is, saved with
// --relocate after the level data moved to the first free run that fits.
TEST_F(SaveCommandsTest, ImportWithRelocateMovesDataThatOutgrewItsRoom)
{
    ASSERT_EQ(run({"export", imagePath, "3"}), 0) << err.str();
    std::string json = out.str();
    const std::string more = R"({"type": 49, "x": 3, "y": 4, "special": false, "layer": 0, "param": [0, 0]}, )";
    const std::size_t at = json.find("\"objects\": [");
    ASSERT_NE(at, std::string::npos);
    for (int i = 0; i < 6; ++i)
        json.insert(at + 12, more);
    const std::string grown = writeFile("grown.json", json);

    EXPECT_EQ(run({"import", imagePath, "3", grown}), 1);
    EXPECT_EQ(readWholeFile(imagePath), original);
    ASSERT_EQ(run({"import", imagePath, "3", grown, "--relocate"}), 0) << err.str();
    EXPECT_EQ(out.str().rfind("Moved level data to $", 0), 0u) << out.str();
    ASSERT_EQ(run({"area", imagePath, "3"}), 0) << err.str();
    EXPECT_EQ(out.str().find("Level data at $10400"), std::string::npos) << out.str();
    EXPECT_NE(out.str().find("Objects (8):"), std::string::npos) << out.str();
}

// On the demo image, enemy data grown past its room moves to a run where the
// area before it still loads as it did (a run below that area's data would
// end it at its first empty page).
TEST_F(SaveCommandsTest, ImportWithRelocateFindsARunThatKeepsTheAreaBeforeIntact)
{
    const std::string demo = (dir / "demo.nes").string();
    ASSERT_EQ(run({"demo", demo}), 0) << err.str();
    // Its pages, objects and enemies (its bound and spare bytes may change).
    const auto content = [&] { return out.str().substr(out.str().find("; last enemy page")); };
    ASSERT_EQ(run({"area", demo, "0x14"}), 0) << err.str();
    const std::string before = content();
    ASSERT_EQ(run({"export", demo, "0x15"}), 0) << err.str();
    std::string json = out.str();
    const std::size_t at = json.find("\"enemies\": [");
    ASSERT_NE(at, std::string::npos);
    for (int i = 0; i < 4; ++i)
        json.insert(at + 12, R"({"type": 5, "x": 2, "y": 6}, )");
    const std::string grown = writeFile("grown.json", json);

    ASSERT_EQ(run({"import", demo, "0x15", grown, "--relocate"}), 0) << err.str();
    EXPECT_EQ(out.str().rfind("Moved enemy data to $", 0), 0u) << out.str();
    ASSERT_EQ(run({"area", demo, "0x14"}), 0) << err.str();
    EXPECT_EQ(content(), before);
    ASSERT_EQ(run({"area", demo, "0x15"}), 0) << err.str();
    EXPECT_NE(out.str().find("Enemies (6):"), std::string::npos) << out.str();
}

} // namespace
} // namespace quorled
