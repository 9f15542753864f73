#include "cli/commands.h"

#include "romdata/filestore.h"
#include "support/testimage.h"

#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace quorled {
namespace {

namespace fs = std::filesystem;

// Area 3 of a synthetic image: a horizontal area of four pages (object set
// 0, ground setting 8) with a door, its pointer, a pointer special object
// on page 1 and an enemy on page 2.
class RenderCommandTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("quorled-render-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir);
        test::TestImage image;
        image.put(0x10400, {0x80, 0x08, 0x30, 0x00, 0x25, 0x0A, 0x01, 0x33, 0xF2, 0xF5, 0x07, 0x23, 0xFF});
        image.put(0x12800, {0x01, 0x01, 0x03, 0x01, 0x5A, 0x01, 0xFF});
        image.setLevelPointer(3, 0x10400);
        image.setEnemyPointer(3, 0x12800);
        image.setEnemyPointer(4, 0x12900); // bounds area 3's enemy data
        imagePath = (dir / "test.nes").string();
        writeWholeFile(imagePath, image.bytes());
    }
    void TearDown() override { fs::remove_all(dir); }

    int run(const std::vector<std::string>& arguments)
    {
        out.str("");
        err.str("");
        return cli::runCli(arguments, out, err);
    }

    std::vector<std::string> lines() const
    {
        std::vector<std::string> result;
        std::istringstream in(out.str());
        for (std::string line; std::getline(in, line);)
            result.push_back(line);
        return result;
    }

    fs::path dir;
    std::string imagePath;
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(RenderCommandTest, ReadoutsPrintTheEightTextsAndTheBits)
{
    ASSERT_EQ(run({"readouts", imagePath, "3"}), 0) << err.str();
    const std::vector<std::string> expected{
        "Object #001",   "X:05   Y:02   Z:00", "Object type: 0A", "Door (uses next object as a pointer)",
        "Enemy #001",    "X:25   Y:0A",        "Enemy type: 01",  "Hoodling (red)",
        " 1 0 0 0 0 0 0 0  0 0 0 0 1 0 0 0  0 0 1 1 0 0 0 0  0 0 0 0 0 0 0 0 "};
    EXPECT_EQ(lines(), expected);
}

TEST_F(RenderCommandTest, ReadoutsOfPointerAndSpecialObject)
{
    ASSERT_EQ(run({"readouts", imagePath, "3", "--object", "2"}), 0) << err.str();
    EXPECT_EQ(lines()[2], "Parameter: 33");
    EXPECT_EQ(lines()[3], "Pointer for door, entrance, etc. (previous object)");

    ASSERT_EQ(run({"readouts", imagePath, "3", "--object", "4"}), 0) << err.str();
    EXPECT_EQ(lines()[1], "X:15   Y:00   Z:00"); // after the page skip: page 1, kind 5
    EXPECT_EQ(lines()[2], "Parameters: 07 23");
    EXPECT_EQ(lines()[3], "Special object, acts as a pointer");

    ASSERT_EQ(run({"readouts", imagePath, "3", "--object", "3"}), 0) << err.str();
    EXPECT_EQ(lines()[2], "Parameters: none ");
}

TEST_F(RenderCommandTest, RenderWritesTheViewAsPng)
{
    const std::string png = (dir / "view.png").string();
    ASSERT_EQ(run({"render", imagePath, "3", png, "--select", "1,1", "--zoom", "2"}), 0) << err.str();
    QImage image;
    ASSERT_TRUE(image.load(QString::fromStdString(png)));
    EXPECT_EQ(image.width(), 512);
    EXPECT_EQ(image.height(), 480);
    // The door at cell (5, 2) is selected: white box corner at pixel (80, 32), doubled.
    EXPECT_EQ(image.pixel(160, 64) & 0xFFFFFFu, 0xFFFFFFu);
}

TEST_F(RenderCommandTest, RenderMapAndOptions)
{
    const std::string png = (dir / "map.png").string();
    ASSERT_EQ(run({"render", imagePath, "3", png, "--map", "--pages", "--marks", "--ground", "behind"}), 0)
        << err.str();
    QImage image;
    ASSERT_TRUE(image.load(QString::fromStdString(png)));
    EXPECT_EQ(image.width(), 4 * 256);
    EXPECT_EQ(image.height(), 240);
    // The special object on page 1, cell (5, 0): blue mark.
    EXPECT_EQ(image.pixel(256 + 80, 0) & 0xFFFFFFu, 0x0000FFu);
}

TEST_F(RenderCommandTest, BadOptionsAreUsageErrors)
{
    EXPECT_EQ(run({"render", imagePath, "3", (dir / "x.png").string(), "--ground", "sideways"}), 2);
    EXPECT_NE(err.str().find("--ground"), std::string::npos);
    EXPECT_EQ(run({"render", imagePath, "3", (dir / "x.png").string(), "--at", "5"}), 2);
    EXPECT_EQ(run({"render", imagePath, "3", (dir / "x.png").string(), "--zoom", "40"}), 2);
    EXPECT_FALSE(fs::exists(dir / "x.png"));
    EXPECT_EQ(run({"readouts", imagePath}), 2);
}

} // namespace
} // namespace quorled
