#include "cli/commands.h"

#include "romdata/demo/demoimage.h"
#include "romdata/filestore.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace quorled {
namespace {

namespace fs = std::filesystem;

class TablesCommandTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() /
              ("quorled-tables-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::create_directories(dir);
    }
    void TearDown() override
    {
        std::error_code ignored;
        fs::permissions(dir, fs::perms::owner_all, ignored);
        fs::remove_all(dir);
    }
    std::string demo(const std::string& name, ImageKind kind)
    {
        const std::string path = (dir / name).string();
        writeWholeFile(path, buildDemoImage(kind));
        return path;
    }
    int run(const std::vector<std::string>& arguments)
    {
        out.str("");
        err.str("");
        return cli::runCli(arguments, out, err);
    }
    // Runs a refused command: exit 1, a message, the file byte-identical.
    void expectRefused(const std::vector<std::string>& arguments, int code = 1)
    {
        const std::vector<std::uint8_t> before = readWholeFile(arguments[1]);
        EXPECT_EQ(run(arguments), code) << arguments[2] << " " << arguments[3] << " " << arguments[4];
        EXPECT_NE(err.str().find("quorled-cli: "), std::string::npos);
        EXPECT_EQ(readWholeFile(arguments[1]), before);
    }

    fs::path dir;
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(TablesCommandTest, ListsTablesAsJsonAndLeavesOutThoseOfOtherKinds)
{
    const std::string ines = demo("demo.nes", ImageKind::Ines);
    ASSERT_EQ(run({"tables", ines, "--json"}), 0) << err.str();
    const std::string json = out.str();
    EXPECT_EQ(json.rfind("{\"tables\": [{\"table\": \"characters\", \"rows\": [{\"row\": 0, \"caption\": "
                         "\"Pelko: Pick-up time : 1\", \"offset\": 82909, \"value\": 0, \"shown\": \"0\"}",
                         0),
              0u)
        << json.substr(0, 200);
    EXPECT_NE(json.find("{\"row\": 0, \"caption\": \"Number of lives at start :\", \"offset\": 123941, \"value\": 3, "
                        "\"shown\": \"3 (Extra life : 02)\"}"),
              std::string::npos);
    for (const char* name : {"enemies", "enemies2", "enemies3", "powerups", "levels-per-world", "title-card"})
        EXPECT_NE(json.find("\"table\": \"" + std::string(name) + "\""), std::string::npos) << name;

    const std::string snes = demo("demo.smc", ImageKind::Snes);
    ASSERT_EQ(run({"tables", snes}), 0) << err.str();
    EXPECT_NE(out.str().find("characters:\n"), std::string::npos);
    EXPECT_NE(out.str().find("levels-per-world:\n"), std::string::npos);
    EXPECT_EQ(out.str().find("lives"), std::string::npos);
    EXPECT_EQ(out.str().find("enemies"), std::string::npos);
}

TEST_F(TablesCommandTest, SetWritesOneByteAndRefusesTheRest)
{
    const std::string ines = demo("demo.nes", ImageKind::Ines);
    const std::vector<std::uint8_t> before = readWholeFile(ines);
    ASSERT_EQ(run({"set", ines, "lives", "0", "0x0A"}), 0) << err.str();
    EXPECT_EQ(out.str(), "lives row 0 at $1E425: 03 -> 0A\n");
    std::vector<std::uint8_t> expected = before;
    expected[0x1E425] = 0x0A;
    EXPECT_EQ(readWholeFile(ines), expected);

    expectRefused({"set", ines, "lives", "0", "256"});
    expectRefused({"set", ines, "lives", "1", "3"});
    expectRefused({"set", ines, "characters", "88", "3"});
    expectRefused({"set", ines, "levels-per-world", "7", "22"});
    expectRefused({"set", ines, "bosses", "0", "3"});
    expectRefused({"set", ines, "lives", "0", "three"}, 2);
    expectRefused({"set", demo("demo.fds", ImageKind::Fds), "enemies", "0", "3"});

    fs::permissions(ines, fs::perms::owner_read);
    expectRefused({"set", ines, "lives", "0", "4"});
    EXPECT_NE(err.str().find("read-only"), std::string::npos) << err.str();
}

} // namespace
} // namespace quorled
