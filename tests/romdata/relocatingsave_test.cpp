#include "romdata/relocatingsave.h"

#include "romdata/arealoader.h"
#include "romdata/datamove.h"
#include "romdata/demo/demoimage.h"
#include "romdata/bytes.h"
#include "romdata/romimage.h"
#include "romdata/romlayout.h"
#include "romdata/roomuse.h"

#include <gtest/gtest.h>

#include <functional>

namespace quorled {
namespace {

const RomImage& demoImage()
{
    static const RomImage image = RomImage::fromBytes(buildDemoImage(ImageKind::Ines));
    return image;
}

// What an area holds and where, without the spare counts and the enemy
// bound (a move changes the bound of the area before it).
bool holdsTheSame(const AreaModel& a, const AreaModel& b)
{
    return a.levelDataOffset == b.levelDataOffset && a.enemyDataOffset == b.enemyDataOffset && a.header == b.header &&
           a.objects == b.objects && a.enemies == b.enemies && a.enemyLastPage == b.enemyLastPage;
}

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

// Every demo area, grown by four enemies or by twenty objects, saves with
// relocation: in place with the bytes a plain save writes when it still
// fits, else at a free run the move rules accept. It reads back as saved,
// and (checked for every seventh area) every area that does not share its
// data loads as before.
TEST(RelocatingSave, EveryDemoAreaGrownByEnemiesOrObjectsFindsAnAcceptedRun)
{
    const RomImage& before = demoImage();
    const AreaDirectory directory = buildAreaDirectory(before, ImageKind::Ines, nullptr);
    std::vector<AreaModel> loaded;
    for (int area = 0; area < kAreaCount; ++area)
        loaded.push_back(loadArea(before, directory, ImageKind::Ines, area));
    const std::pair<const char*, std::function<void(AreaModel&)>> growths[] = {
        {"4 enemies",
         [](AreaModel& m) {
             for (int i = 0; i < 4; ++i)
                 m.enemies.push_back(Enemy{5, 2 + i, 6});
         }},
        {"20 objects",
         [](AreaModel& m) {
             for (int i = 0; i < 20; ++i)
                 m.objects.insert(m.objects.begin(), LevelObject{1, i % 16, 4});
         }},
    };
    int moved = 0;
    for (const auto& [name, grow] : growths) {
        for (int area = 0; area < kAreaCount; ++area) {
            SCOPED_TRACE(std::string(name) + ", area " + hex2(area));
            AreaModel model = loaded[static_cast<std::size_t>(area)];
            grow(model);
            const bool fits = measureRoomUse(model, *findSaveRoom(before, directory, ImageKind::Ines, model)).fits();
            RomImage image = RomImage::fromBytes(before.bytes());
            ViewPosition view;
            const RelocatingSave saved = saveWithRelocation(image, directory, model, view);
            ASSERT_TRUE(saved.result.saved) << saved.result.refusal->text;
            EXPECT_EQ(saved.moves.empty(), fits);
            moved += saved.moves.empty() ? 0 : 1;
            if (fits) {
                RomImage plain = RomImage::fromBytes(before.bytes());
                AreaModel again = loaded[static_cast<std::size_t>(area)];
                grow(again);
                ASSERT_TRUE(saveArea(plain, directory, ImageKind::Ines, again, view).saved);
                EXPECT_EQ(image.bytes(), plain.bytes());
            }
            AreaModel reloaded = loadArea(image, saved.directory, ImageKind::Ines, area);
            reloaded.selectedObject = model.selectedObject;
            reloaded.selectedEnemy = model.selectedEnemy;
            EXPECT_EQ(reloaded, model);
            if (area % 7 != 0)
                continue;
            for (int other = 0; other < kAreaCount; ++other) {
                const AreaModel& was = loaded[static_cast<std::size_t>(other)];
                const AreaModel& own = loaded[static_cast<std::size_t>(area)];
                if (other == area || was.levelDataOffset == own.levelDataOffset ||
                    was.enemyDataOffset == own.enemyDataOffset)
                    continue;
                EXPECT_TRUE(holdsTheSame(loadArea(image, saved.directory, ImageKind::Ines, other), was))
                    << "area " << hex2(other);
            }
        }
    }
    // Most of them outgrew their room, so this is the search at work.
    EXPECT_GT(moved, 300);
}

// When every run large enough would change how another area loads, nothing
// is written and the message names that area. Here only runs below area 14's
// enemy data are left, and a move of area 15's enemy data there would end
// area 14's data at its first empty page.
TEST(RelocatingSave, WhenEveryRunWouldChangeAnotherAreaTheMessageNamesIt)
{
    const std::vector<std::uint8_t>& demo = demoImage().bytes();
    std::vector<std::uint8_t> bytes = demo;
    // Each free run above the enemy pointer block keeps only its first byte.
    for (std::size_t o = kEnemyPointerBlockEnd + 1; o <= kLevelRegionEnd; ++o)
        if (demo[o] == 0xFF && demo[o - 1] == 0xFF)
            bytes[o] = 0x00;
    const RomImage before = RomImage::fromBytes(bytes);
    const AreaDirectory directory = buildAreaDirectory(before, ImageKind::Ines, nullptr);
    AreaModel model = loadArea(before, directory, ImageKind::Ines, 0x15);
    for (int i = 0; i < 4; ++i)
        model.enemies.push_back(Enemy{5, 2 + i, 6});
    RomImage image = RomImage::fromBytes(before.bytes());
    ViewPosition view;
    const RelocatingSave saved = saveWithRelocation(image, directory, model, view);
    ASSERT_TRUE(saved.result.refusal);
    EXPECT_NE(saved.result.refusal->text.find("would change how area 14 loads, so nothing was moved"),
              std::string::npos)
        << saved.result.refusal->text;
    EXPECT_EQ(image.bytes(), before.bytes());
}

} // namespace
} // namespace quorled
