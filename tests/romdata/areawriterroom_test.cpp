#include "romdata/areawriter.h"
#include "romdata/enemyencoder.h"
#include "support/savedarea.h"

#include <gtest/gtest.h>

#include <utility>

namespace quorled {
namespace {

using test::Bytes;
using test::kEnemy;
using test::kHorizontal;
using test::kLevel;
using test::kVertical;
using test::SavedArea;

// Saves and expects a refusal that leaves image, model and view as they were.
std::string expectRefused(SavedArea& area)
{
    const std::vector<std::uint8_t> before = area.image.bytes();
    const AreaModel model = area.model;
    const ViewPosition view = area.view;
    const bool modified = area.image.modified();
    const SaveResult result = area.save();
    EXPECT_FALSE(result.saved);
    EXPECT_TRUE(result.changedOffsets.empty());
    EXPECT_EQ(area.image.bytes(), before);
    EXPECT_EQ(area.image.modified(), modified);
    EXPECT_EQ(area.model.objects, model.objects);
    EXPECT_EQ(area.model.enemies, model.enemies);
    EXPECT_EQ(area.view.viewColumn, view.viewColumn);
    EXPECT_EQ(area.view.viewRow, view.viewRow);
    if (!result.refusal)
        return {};
    EXPECT_EQ(result.refusal->title, "Can't save area!");
    return result.refusal->text;
}

TEST(SaveRoom, LevelDataLongerThanItsRoomIsRefused)
{
    SavedArea area({kHorizontal, 0, 0, 0, 0x00, 0x10, 0xFF, 0xFF, 0x00}, {0x01, 0xFF, 0x00});
    area.model.objects.push_back(area.model.object(1)); // two more bytes, one free
    const std::string text = expectRefused(area);
    EXPECT_NE(text.find("needs 9 bytes"), std::string::npos) << text;
    EXPECT_NE(text.find("room for only 8 bytes"), std::string::npos) << text;
    EXPECT_NE(text.find("\"Move level data\""), std::string::npos) << text;
}

TEST(SaveRoom, LevelDataMayGrowIntoItsFreeBytesOnly)
{
    SavedArea area({kHorizontal, 0, 0, 0, 0x00, 0x10, 0xFF, 0xFF, 0xFF, 0x00}, {0x01, 0xFF, 0x00});
    area.model.objects.push_back(area.model.object(1));
    ASSERT_TRUE(area.save().saved);
    EXPECT_EQ(area.bytesAt(kLevel + 4, 6), (Bytes{0x00, 0x10, 0x00, 0x10, 0xFF, 0x00}));

    // Free bytes that begin another area's data are not room.
    SavedArea bounded({kHorizontal, 0, 0, 0, 0x00, 0x10, 0xFF, 0xFF, 0xFF, 0xFF, 0x00}, {0x01, 0xFF, 0x00});
    bounded.rom.setEnemyPointer(150, kLevel + 8);
    bounded.image = bounded.rom.image();
    bounded.directory = buildAreaDirectory(bounded.image, ImageKind::Ines);
    bounded.model.objects.push_back(bounded.model.object(1));
    bounded.model.objects.push_back(bounded.model.object(1));
    EXPECT_NE(expectRefused(bounded).find("room for only 8 bytes"), std::string::npos);
}

TEST(SaveRoom, FreeBytesUpToThePointerBlockWithoutItsMarker)
{
    // Level data whose free bytes run up to the enemy pointer block, in an
    // image whose marker byte there is 0xFF as well: the block is not room.
    for (const int objects : {5, 6, 7}) {
        SavedArea area({}, {0x01, 0xFF, 0x00});
        const long level = 0x12500;
        area.rom.setLevelPointer(test::kArea, level);
        area.rom.put(level, {kHorizontal, 0, 0, 0, 0x00, 0x10, 0xFF});
        area.rom.put(0x12510, {0xFF, 0xFF, 0xFF});
        area.image = area.rom.image();
        area.directory = buildAreaDirectory(area.image, ImageKind::Ines);
        area.model = loadArea(area.image, area.directory, ImageKind::Ines, test::kArea);
        ASSERT_TRUE(area.model.damage.empty());
        area.model.objects.resize(static_cast<std::size_t>(objects), area.model.object(1));
        const long needed = 4 + 2L * objects + 1;
        if (needed <= 16) {
            ASSERT_TRUE(area.save().saved);
            EXPECT_EQ(area.bytesAt(0x12510, 2), (Bytes{0xA5, 0xFF}));
            continue;
        }
        const std::string text = expectRefused(area);
        EXPECT_NE(text.find("The level data of area 03 needs " + std::to_string(needed) +
                            " bytes, but there is room for only 16 bytes at $12500"),
                  std::string::npos)
            << text;
    }
}

TEST(SaveRoom, EnemyMovedOntoANewPageWithoutRoomIsRefused)
{
    SavedArea area({kHorizontal, 0, 0, 0, 0x00, 0x10, 0xFF, 0x00}, {0x03, 0x3C, 0x45, 0xFF, 0x00});
    area.model.enemy(1).x = 20; // page 1: one more count byte
    const std::string text = expectRefused(area);
    EXPECT_NE(text.find("needs 5 bytes"), std::string::npos) << text;
    EXPECT_NE(text.find("room for only 4 bytes"), std::string::npos) << text;
    EXPECT_NE(text.find("\"Move enemy data\""), std::string::npos) << text;

    SavedArea roomy({kHorizontal, 0, 0, 0, 0x00, 0x10, 0xFF, 0x00}, {0x03, 0x3C, 0x45, 0xFF, 0xFF, 0x00});
    roomy.model.enemy(1).x = 20;
    ASSERT_TRUE(roomy.save().saved);
    EXPECT_EQ(roomy.bytesAt(kEnemy, 6), (Bytes{0x01, 0x03, 0x3C, 0x45, 0x01, 0x00}));
}

TEST(SaveRoom, EnemyBlockOfOnlyTheTerminatorNeedsAFreeByteAfterIt)
{
    SavedArea tight({kHorizontal, 0, 0, 0, 0x00, 0x10, 0xFF, 0x00}, {0xFF, 0x00});
    EXPECT_NE(expectRefused(tight).find("needs 2 bytes"), std::string::npos);

    // The byte after it is 0xFF, but it is the next area's enemy data.
    SavedArea shared({kHorizontal, 0, 0, 0, 0x00, 0x10, 0xFF, 0x00}, {0xFF, 0xFF, 0x00}, kEnemy + 1);
    EXPECT_NE(expectRefused(shared).find("needs 2 bytes"), std::string::npos);

    SavedArea free({kHorizontal, 0, 0, 0, 0x00, 0x10, 0xFF, 0x00}, {0xFF, 0xFF, 0x00});
    ASSERT_TRUE(free.save().saved);
    EXPECT_EQ(free.bytesAt(kEnemy, 3), (Bytes{0x01, 0x01, 0x00}));
}

TEST(SaveRoom, ClosingPageNeedsSomethingThatEndsTheData)
{
    // The block fills its room and ordinary data follows: a closing empty
    // page there would make the next load read that data as enemies.
    SavedArea area({kHorizontal, 0, 0, 0, 0x00, 0x10, 0xFF, 0x00}, {0x03, 0x3C, 0x45, 0xFF, 0x25, 0x17});
    ASSERT_TRUE(area.save().saved);
    EXPECT_EQ(area.bytesAt(kEnemy, 4), (Bytes{0x03, 0x3C, 0x45, 0xFF}));
    ASSERT_EQ(area.model.enemyCount(), 1);
}

TEST(SaveRoom, DeletedEnemyLeavesNoStalePages)
{
    SavedArea area({kHorizontal, 0, 0, 0, 0x00, 0x10, 0xFF, 0x00}, {0x05, 0xA1, 0x11, 0xA2, 0x22, 0xFF, 0x00});
    area.model.enemies.erase(area.model.enemies.begin() + 1);
    ASSERT_TRUE(area.save().saved);
    ASSERT_EQ(area.model.enemyCount(), 1);
    EXPECT_EQ(area.model.enemy(1), (Enemy{0xA1, 1, 1}));
    EXPECT_EQ(area.bytesAt(kEnemy, 7), (Bytes{0x03, 0xA1, 0x11, 0x01, 0xFF, 0xFF, 0x00}));
}

TEST(SaveLimits, EnemyPagesAndCounts)
{
    SavedArea area({kHorizontal, 0, 0, 0, 0x00, 0x10, 0xFF, 0x00}, {0x01, 0xFF});
    area.model.enemies.assign(125, Enemy{1, 3, 4});
    EXPECT_NE(expectRefused(area).find("more than 124 enemies"), std::string::npos);

    area.model.enemies.assign(124, Enemy{1, 3, 4});
    ASSERT_TRUE(area.save().saved);
    EXPECT_EQ(area.image.read(kEnemy), 0xF9);
    EXPECT_EQ(area.model.enemyCount(), 124);

    area.model.enemies = {Enemy{1, 101 * 16, 4}};
    EXPECT_NE(expectRefused(area).find("page 101"), std::string::npos);
    area.model.enemies = {Enemy{1, -20, 4}};
    EXPECT_NE(expectRefused(area).find("before the start"), std::string::npos);
}

TEST(SaveRowSteps, LongStepsGetPageSkips)
{
    SavedArea area({kVertical, 0, 0, 0, 0x22, 0x01, 0x33, 0x02, 0xFF, 0xFF, 0x00}, {0x01, 0xFF, 0x00});
    area.model.object(2).y = 40; // page 2, row 10: 38 rows down
    ASSERT_TRUE(area.save().saved);
    EXPECT_EQ(area.bytesAt(kLevel + 4, 7), (Bytes{0x22, 0x01, 0xF3, 0xA3, 0x02, 0xFF, 0x00}));
    ASSERT_EQ(area.model.objCount(), 3);
    EXPECT_EQ(area.model.object(3).y, 40);

    area.model.object(3).y = 60; // one more skip, and no byte left for it
    EXPECT_NE(expectRefused(area).find("needs 11 bytes"), std::string::npos);
}

TEST(SaveRowSteps, SpecialObjectsKeepTheirPage)
{
    // Normal object on page 0, a ground-type change moved to page 2, a
    // normal object on page 3: skips go in front of the special object and
    // of the normal object.
    SavedArea area({kHorizontal, 0, 0, 0, 0x22, 0x01, 0xF6, 0x03, 0x33, 0x02, 0xFF, 0xFF, 0xFF, 0x00},
                   {0x01, 0xFF, 0x00});
    area.model.object(2).x = 32 + 6;
    area.model.object(3).x = 48 + 3;
    ASSERT_TRUE(area.save().saved);
    EXPECT_EQ(area.bytesAt(kLevel + 4, 10), (Bytes{0x22, 0x01, 0xF3, 0xF6, 0x03, 0xF2, 0x53, 0x02, 0xFF, 0x00}));
    ASSERT_EQ(area.model.objCount(), 5);
    EXPECT_EQ(area.model.object(3).x, 38);
    EXPECT_EQ(area.model.object(5).x, 51);
    EXPECT_EQ(area.model.object(5).y, 5);
}

TEST(SaveRowSteps, ObjectAboveTheRowOfAPageSkipIsRefused)
{
    // A two-page skip on page 0, then an object moved onto page 1.
    SavedArea area({kVertical, 0, 0, 0, 0x22, 0x01, 0xF3, 0x33, 0x02, 0xFF, 0xFF, 0x00}, {0x01, 0xFF, 0x00});
    area.model.object(3).y = 20;
    EXPECT_NE(expectRefused(area).find("page-skip"), std::string::npos);
}

// A kind-15 object behind the first is refused under its number in stream
// order, page skips put in front of it counted.
TEST(SaveRowSteps, EndObjectIsNamedByItsPlaceInTheStream)
{
    for (const auto& [objectRow, number] : {std::pair{5, "(object 3 "}, std::pair{40, "(object 4 "}}) {
        SavedArea area({kVertical, 0, 0, 0, 0x22, 0x01, 0x33, 0x02, 0xFF, 0xFF, 0x00}, {0x01, 0xFF, 0x00});
        area.model.object(2).y = objectRow;
        LevelObject end;
        end.special = true;
        end.type = kSpecialObjectType;
        end.x = 15;
        end.y = objectRow;
        area.model.objects.push_back(end);
        EXPECT_NE(expectRefused(area).find(std::string(number) + "in stream order)"), std::string::npos) << number;
    }
}

TEST(SaveLayers, ObjectsStayInTheirLayerWhenMovedPastItsEnd)
{
    SavedArea area({kHorizontal, 0, 0, 0, 0x00, 0x10, 0xF4, 0x00, 0x20, 0xFF, 0xFF, 0x00}, {0x01, 0xFF, 0x00});
    area.model.object(1).x = 40;
    ASSERT_TRUE(area.save().saved);
    ASSERT_EQ(area.model.objCount(), 4);
    EXPECT_EQ(area.model.object(2).type, 0x10);
    EXPECT_EQ(area.model.object(2).x, 40);
    EXPECT_EQ(area.model.object(2).layer, 0);
    EXPECT_EQ(area.model.object(4).layer, 1);
}

} // namespace
} // namespace quorled
