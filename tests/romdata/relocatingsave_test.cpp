#include "romdata/relocatingsave.h"

#include "romdata/arealoader.h"
#include "romdata/datamove.h"
#include "romdata/demo/demoimage.h"
#include "romdata/romimage.h"
#include "romdata/roomuse.h"

#include <gtest/gtest.h>

namespace quorled {
namespace {

// An area grown past its room moves to the first free run that fits, saves
// there, reads back as saved and leaves every other area as it loaded.
TEST(RelocatingSave, GrownAreaLandsAtTheFirstFittingRunAndOthersStayAsTheyWere)
{
    const RomImage before = RomImage::fromBytes(buildDemoImage(ImageKind::Ines));
    const AreaDirectory directory = buildAreaDirectory(before, ImageKind::Ines, nullptr);
    const int area = 10;
    AreaModel model = loadArea(before, directory, ImageKind::Ines, area);
    ASSERT_GT(model.objCount(), 0);
    const AreaRoom room = *findSaveRoom(before, directory, ImageKind::Ines, model);
    while (measureRoomUse(model, room).levelFits())
        model.objects.push_back(model.objects.front());
    const RoomUse use = measureRoomUse(model, room);
    ASSERT_TRUE(use.enemyFits());
    const std::optional<long> expected = findMoveTarget(before, MoveData::Level, use.levelBytes - 1);
    ASSERT_TRUE(expected);

    RomImage image = RomImage::fromBytes(before.bytes());
    ViewPosition view;
    const RelocatingSave saved = saveWithRelocation(image, directory, model, view);
    ASSERT_TRUE(saved.result.saved) << (saved.result.refusal ? saved.result.refusal->text : "");
    EXPECT_EQ(saved.directory.areaLevelOffset[area], *expected);
    EXPECT_EQ(model.levelDataOffset, *expected);

    AreaModel reloaded = loadArea(image, saved.directory, ImageKind::Ines, area);
    reloaded.selectedObject = model.selectedObject;
    reloaded.selectedEnemy = model.selectedEnemy;
    EXPECT_EQ(reloaded, model);
    // The others load the same; only the free bytes after them changed (the
    // moved data took some, the erased block gave some back).
    for (int other = 0; other < kAreaCount; ++other) {
        if (other == area)
            continue;
        AreaModel now = loadArea(image, saved.directory, ImageKind::Ines, other);
        const AreaModel was = loadArea(before, directory, ImageKind::Ines, other);
        now.levelSpareFF = was.levelSpareFF;
        now.enemySpareBytes = was.enemySpareBytes;
        EXPECT_EQ(now, was) << other;
    }
}

TEST(RelocatingSave, WithoutARunLargeEnoughNothingChangesAndTheLargestIsNamed)
{
    const RomImage before = RomImage::fromBytes(buildDemoImage(ImageKind::Ines));
    const AreaDirectory directory = buildAreaDirectory(before, ImageKind::Ines, nullptr);
    AreaModel model = loadArea(before, directory, ImageKind::Ines, 3);
    const AreaModel loaded = model;
    model.objects.resize(20000, model.objects.front());
    RomImage image = RomImage::fromBytes(before.bytes());
    ViewPosition view;
    const RelocatingSave saved = saveWithRelocation(image, directory, model, view);
    ASSERT_TRUE(saved.result.refusal);
    EXPECT_NE(saved.result.refusal->text.find(
                  "the largest free run holds " + std::to_string(largestMoveSize(before, MoveData::Level))),
              std::string::npos)
        << saved.result.refusal->text;
    EXPECT_EQ(image.bytes(), before.bytes());
    EXPECT_EQ(model.levelDataOffset, loaded.levelDataOffset);
}

} // namespace
} // namespace quorled
