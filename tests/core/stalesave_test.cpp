#include "cli/commands.h"
#include "core/corefixture.h"

#include "romdata/arealoader.h"
#include "romdata/datamove.h"
#include "romdata/demo/demoimage.h"
#include "romdata/filestore.h"
#include "romdata/imageerror.h"
#include "romdata/relocatingsave.h"
#include "romdata/romimage.h"

#include <gtest/gtest.h>

#include <sstream>

namespace quorled {
namespace {

using testing::CoreFolder;
using testing::syntheticCarriedPictures;

// Another program's two moves after area 00 was loaded: area 00's block is
// copied to free space, then (level data) area 0D's pointer is set to where
// area 00's block was, so a save at the old offset would write over area 0D.
void moveAwayAndTakeThePlace(RomImage& image, MoveData what)
{
    const MoveSource source = measureMoveSource(image, 0, what);
    const std::optional<long> free = findMoveTarget(image, what, source.size + 1);
    ASSERT_TRUE(free);
    const MoveResult away = moveData(image, {0, what, *free, MoveOption::Copy});
    ASSERT_FALSE(away.refusal) << away.refusal->text;
    // Area 0C's enemy block is bounded by area 0D's, so only level data can
    // take the place this way; the enemy pointer's move alone stales a load.
    if (what == MoveData::Level) {
        const MoveResult taken = moveData(image, {0x0D, what, source.offset, MoveOption::PointersOnly});
        ASSERT_FALSE(taken.refusal) << taken.refusal->text;
    }
}

void expectMovedMessage(const std::string& text)
{
    EXPECT_NE(text.find("The data of area 00 was moved"), std::string::npos) << text;
    EXPECT_NE(text.find("load the area again"), std::string::npos) << text;
}

struct StaleCase {
    MoveData what;
    bool relocate;
};
const StaleCase kStaleCases[] = {
    {MoveData::Level, false}, {MoveData::Level, true}, {MoveData::Enemy, false}, {MoveData::Enemy, true}};

// The save rules the command line and the editor share, given the
// directory and model of a load made before the moves: refused, the image
// untouched.
TEST(StaleSave, SaveRulesRereadThePointersAndRefuse)
{
    for (const StaleCase& c : kStaleCases) {
        SCOPED_TRACE(std::to_string(static_cast<int>(c.what)) + (c.relocate ? " relocate" : " save"));
        RomImage image = RomImage::fromBytes(buildDemoImage(ImageKind::Ines));
        const AreaDirectory stale = buildAreaDirectory(image, ImageKind::Ines, nullptr);
        AreaModel model = loadArea(image, stale, ImageKind::Ines, 0);
        moveAwayAndTakeThePlace(image, c.what);
        const std::vector<std::uint8_t> moved = image.bytes();
        ViewPosition view;
        try {
            if (c.relocate)
                saveWithRelocation(image, stale, model, view);
            else
                saveArea(image, stale, ImageKind::Ines, model, view);
            ADD_FAILURE() << "the save went through";
        } catch (const ImageError& error) {
            expectMovedMessage(error.what());
        }
        EXPECT_TRUE(image.bytes() == moved);
    }
}

// The editor open on area 00 while another program moves its data: Save
// and "Move and save" write nothing and say why.
TEST(StaleSave, EditorSaveOfAMovedAreaLeavesTheFileAsItIs)
{
    for (const StaleCase& c : kStaleCases) {
        SCOPED_TRACE(std::to_string(static_cast<int>(c.what)) + (c.relocate ? " relocate" : " save"));
        CoreFolder folder;
        folder.writeImage("quorl.nes", buildDemoImage(ImageKind::Ines));
        const std::string path = folder.path("quorl.nes");
        folder.writeFile("Quorled.ini", "[Options]\nStartArea= 0\n");
        EditorCore core{syntheticCarriedPictures()};
        core.readSettings(folder.settingsPath());
        ASSERT_EQ(core.openImage(path), std::nullopt);
        ASSERT_EQ(core.area().area, 0);
        ASSERT_GT(core.area().objCount(), 0);
        core.area().object(1).type ^= 1;
        core.redraw();

        RomImage other = RomImage::fromBytes(readWholeFile(path));
        moveAwayAndTakeThePlace(other, c.what);
        folder.writeImage("quorl.nes", other.bytes());

        if (c.relocate)
            core.saveMovingData();
        else
            core.saveArea();
        EXPECT_TRUE(readWholeFile(path) == other.bytes());
        expectMovedMessage(core.message());
        EXPECT_TRUE(core.document().differs());
    }
}

// The command line reads the image under its lock, so its save and import
// after those moves go to where area 00's data lies now: area 0D loads as
// it did and area 00 holds what was written.
TEST(StaleSave, CommandLineWritesWhereTheDataLiesNow)
{
    for (const MoveData what : {MoveData::Level, MoveData::Enemy}) {
        for (const bool import : {false, true}) {
            SCOPED_TRACE(std::to_string(static_cast<int>(what)) + (import ? " import" : " save"));
            CoreFolder folder;
            RomImage moved = RomImage::fromBytes(buildDemoImage(ImageKind::Ines));
            moveAwayAndTakeThePlace(moved, what);
            folder.writeImage("quorl.nes", moved.bytes());
            const std::string path = folder.path("quorl.nes");
            const AreaDirectory directory = buildAreaDirectory(moved, ImageKind::Ines, nullptr);
            const AreaModel other = loadArea(moved, directory, ImageKind::Ines, 0x0D);
            const AreaModel own = loadArea(moved, directory, ImageKind::Ines, 0);
            std::ostringstream out;
            std::ostringstream err;
            if (import) {
                ASSERT_EQ(cli::runCli({"export", path, "0"}, out, err), 0) << err.str();
                folder.writeFile("area.json", out.str());
                ASSERT_EQ(cli::runCli({"import", path, "0", folder.path("area.json")}, out, err), 0) << err.str();
            } else {
                ASSERT_EQ(cli::runCli({"save", path, "0"}, out, err), 0) << err.str();
            }
            const RomImage after = RomImage::fromBytes(readWholeFile(path));
            EXPECT_EQ(loadArea(after, directory, ImageKind::Ines, 0x0D).objects, other.objects);
            EXPECT_EQ(loadArea(after, directory, ImageKind::Ines, 0x0D).enemies, other.enemies);
            EXPECT_EQ(loadArea(after, directory, ImageKind::Ines, 0).objects, own.objects);
            EXPECT_EQ(loadArea(after, directory, ImageKind::Ines, 0).enemies, own.enemies);
        }
    }
}

} // namespace
} // namespace quorled
