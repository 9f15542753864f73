#include "cli/commands.h"

#include "romdata/filestore.h"
#include "support/testimage.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace quorled {
namespace {

namespace fs = std::filesystem;

// Area 3: 8 bytes of level data at 0x10400, enemy data at 0x12800.
class SpaceCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() /
              ("quorled-space-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        test::TestImage image;
        image.put(0x10400, {0x80, 0x00, 0x30, 0x00, 0x25, 0x0A, 0x31, 0x33, 0xFF});
        image.put(0x12800, {0x03, 0x3C, 0x45, 0xFF});
        image.setLevelPointer(3, 0x10400);
        image.setEnemyPointer(3, 0x12800);
        imagePath = path("test.nes");
        writeWholeFile(imagePath, image.bytes());
        original = readWholeFile(imagePath);
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string path(const std::string& name) const { return (dir / name).string(); }

    int run(const std::vector<std::string>& arguments)
    {
        out.str("");
        err.str("");
        return cli::runCli(arguments, out, err);
    }
    // Exit 1 with the message, and the image byte-identical.
    void expectRefused(const std::vector<std::string>& arguments, const std::string& message)
    {
        EXPECT_EQ(run(arguments), 1) << out.str();
        EXPECT_EQ(err.str(), "quorled-cli: " + message + "\n");
        EXPECT_EQ(readWholeFile(imagePath), original);
    }

    fs::path dir;
    std::string imagePath;
    std::vector<std::uint8_t> original;
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(SpaceCommandsTest, FreeShowsTheLabelAndEveryAreasSpareBytes)
{
    ASSERT_EQ(run({"free", imagePath}), 0) << err.str();
    std::istringstream lines(out.str());
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line.find(" / 15439 bytes   ("), line.find(' ')) << line;
    std::getline(lines, line);
    // 0x10400 - 0x101D0 free bytes after the level data; one closing 0x01 and 246 0xFF bytes.
    EXPECT_EQ(line, "Area 00: level 560, enemy 247");
    ASSERT_EQ(run({"free", imagePath, "--json"}), 0);
    EXPECT_EQ(out.str().rfind("{\"free\": ", 0), 0U);
    EXPECT_NE(out.str().find("\"total\": 15439, \"areas\": [{\"area\": 0, \"levelSpareFF\": "), std::string::npos);
    EXPECT_NE(out.str().find("{\"area\": 209, "), std::string::npos);
}

TEST_F(SpaceCommandsTest, MoveRefusalsExitOneAndWriteNothing)
{
    expectRefused({"move", imagePath, "3", "level", "12G45"},
                  "Can't move level data there! Address must be between $101C9 and $1400B.");
    expectRefused({"move", imagePath, "3", "enemy", "1400B", "--copy-erase"},
                  "Can't move enemy data there! Enemy data won't fit there, it exceeds $1400F!");
    expectRefused({"move", imagePath, "3", "level", "10402"},
                  "Can't move level data there! Level data won't fit there, it would overwrite some level or enemy "
                  "data!");
    expectRefused({"move", imagePath, "3", "level", "12600", "--pointers-only"},
                  "Can't move level data there! Addresses from $12510 to $12707 are used for enemy pointer data. "
                  "You can't move level data there!");
    EXPECT_EQ(run({"move", imagePath, "3", "both", "11000"}), 2);
    EXPECT_EQ(run({"move", imagePath, "3", "level", "11000", "--copy", "--copy-erase"}), 2);
    EXPECT_EQ(readWholeFile(imagePath), original);
}

TEST_F(SpaceCommandsTest, MoveCopiesByDefault)
{
    ASSERT_EQ(run({"move", imagePath, "3", "level", "11000"}), 0) << err.str();
    EXPECT_EQ(out.str(), "Area 03 level data (8 bytes) copied from $10400 to $11000; pointers changed.\n");
    const std::vector<std::uint8_t> now = readWholeFile(imagePath);
    EXPECT_EQ(now[0x10404], 0x25);
    EXPECT_EQ(now[0x11004], 0x25);
    ASSERT_EQ(run({"move", imagePath, "3", "enemy", "13000", "--copy-erase"}), 0) << err.str();
    EXPECT_EQ(out.str(),
              "Area 03 enemy data (4 bytes) copied from $12800 to $13000, old bytes erased; pointers changed.\n");
    ASSERT_EQ(run({"move", imagePath, "3", "level", "$10400", "--pointers-only"}), 0) << err.str();
    EXPECT_EQ(out.str(), "Area 03 level data now starts at $10400: pointers changed only.\n");
}

TEST_F(SpaceCommandsTest, DumpAndInsert)
{
    const std::string dump = path("test.qlv");
    ASSERT_EQ(run({"dump", imagePath, dump}), 0) << err.str();
    EXPECT_EQ(out.str(), "Dump done.\n");
    EXPECT_EQ(fs::file_size(dump), 16384U);
    ASSERT_EQ(run({"insert", imagePath, dump}), 0) << err.str();
    EXPECT_EQ(out.str(), "Level data insertion done.\n");
    EXPECT_EQ(readWholeFile(imagePath), original);

    expectRefused({"insert", imagePath, imagePath}, "Error! Dump file can't be the same as ROM file!");
    expectRefused({"dump", imagePath, path("./test.nes")}, "Error dumping! Dump file can't be the same as ROM file!");
    writeWholeFile(path("short.qlv"), std::vector<std::uint8_t>(100, 0));
    expectRefused({"insert", imagePath, path("short.qlv")},
                  "Error! Dump file (" + path("short.qlv") +
                      ") has 100 bytes; a level dump has exactly 16384. Nothing was inserted.");
    const std::string snes = path("test.smc");
    writeWholeFile(snes, original);
    EXPECT_EQ(run({"dump", snes, path("s.qlv")}), 1);
    EXPECT_FALSE(fs::exists(path("s.qlv")));
}

} // namespace
} // namespace quorled
