// verify on images whose areas lie on shared data: each distinct place is
// planned once, and every area's line reads as a plan of its own would.
#include "cli/commands.h"

#include "romdata/arealoader.h"
#include "romdata/areawriter.h"
#include "romdata/bytes.h"
#include "romdata/demo/demoimage.h"
#include "romdata/filestore.h"
#include "romdata/romimage.h"
#include "romdata/romlayout.h"
#include "support/testimage.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace quorled {
namespace {

namespace fs = std::filesystem;

// Level data that runs past the end of the level-data region.
constexpr long kDamaged = 0x13FFA;

TEST(VerifySharedData, EachAreaIsReportedAsItsOwnPlanWould)
{
    struct Case {
        const char* shape;
        int damagedEvery; // areas a with a % damagedEvery == 0 lie on the damaged data; 0: none
        int refused;
    };
    const Case cases[] = {{"all on one good block", 0, 0}, {"all on damaged data", 1, 210}, {"mixed", 3, 70}};
    const fs::path dir = fs::temp_directory_path() / "quorled-verify-shared";
    fs::create_directories(dir);
    const std::string path = (dir / "shared.nes").string();
    for (const Case& c : cases) {
        test::TestImage rom;
        rom.bytes() = buildDemoImage(ImageKind::Ines);
        const AreaDirectory demo = buildAreaDirectory(RomImage::fromBytes(rom.bytes()), ImageKind::Ines);
        rom.put(kDamaged, {0x80, 0, 0, 0});
        for (long o = kDamaged + 4; o <= kLevelRegionEnd; o += 2)
            rom.put(o, {0x00, 0x10});
        for (int area = 0; area < kAreaCount; ++area) {
            const bool damaged = c.damagedEvery && area % c.damagedEvery == 0;
            rom.setLevelPointer(area, damaged ? kDamaged : demo.areaLevelOffset[0]);
            rom.setEnemyPointer(area, demo.areaEnemyOffset[0]);
        }
        fs::remove(path);
        writeWholeFile(path, rom.bytes());
        std::ostringstream out;
        std::ostringstream err;
        ASSERT_EQ(cli::runCli({"verify", path}, out, err), 0) << c.shape << ": " << err.str();

        const RomImage image = rom.image();
        const AreaDirectory directory = buildAreaDirectory(image, ImageKind::Ines);
        std::istringstream lines(out.str());
        std::string line;
        for (int area = 0; area < kAreaCount; ++area) {
            ASSERT_TRUE(std::getline(lines, line)) << c.shape;
            const SavePlan plan =
                planSave(image, directory, ImageKind::Ines, loadArea(image, directory, ImageKind::Ines, area));
            const std::string verdict =
                plan.refusal ? "a save would be refused: " + plan.refusal->text : std::string("unchanged");
            EXPECT_EQ(line, "Area " + hex2(area) + " (" + directory.areaName(area) + "): " + verdict) << c.shape;
        }
        ASSERT_TRUE(std::getline(lines, line));
        EXPECT_EQ(line, "0 of 210 areas would change bytes of the image, " + std::to_string(c.refused) +
                            " would be refused; nothing was written.")
            << c.shape;
    }
    fs::remove_all(dir);
}

} // namespace
} // namespace quorled
