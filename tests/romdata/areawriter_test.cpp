#include "romdata/arealoader.h"
#include "romdata/areawriter.h"
#include "support/savedarea.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace quorled {
namespace {

using test::SavedArea;
using test::kLevel;
using test::kEnemy;
using test::kHorizontal;
using test::kVertical;
using test::Bytes;

TEST(SaveArea, UnchangedAreaGivesItsBytesBack)
{
    const Bytes level{kHorizontal, 0x12, 0x34, 0x05, 0x52, 0x10, 0xF2, 0x30, 0x20, 0xF5, 0x07, 0x23, 0xFF, 0xFF, 0xFF, 0x00};
    SavedArea area(level, {0x03, 0x3C, 0x45, 0x01, 0x05, 0x10, 0x2A, 0x11, 0x3B, 0xFF, 0x00});
    const std::vector<std::uint8_t> before = area.image.bytes();
    const SaveResult result = area.save();
    ASSERT_TRUE(result.saved);
    EXPECT_EQ(area.bytesAt(kLevel, 16), level);
    // The terminator is rewritten as an empty page, and nothing else changes:
    // total = 2 + 2 + 2 * 3 = 10 bytes.
    EXPECT_EQ(area.bytesAt(kEnemy, 11), (Bytes{0x03, 0x3C, 0x45, 0x01, 0x05, 0x10, 0x2A, 0x11, 0x3B, 0x01, 0x00}));
    EXPECT_EQ(result.changedOffsets, std::vector<long>{kEnemy + 9});
    for (long o = 0; o < area.image.size(); ++o) {
        if (o != kEnemy + 9) {
            ASSERT_EQ(area.image.read(o), before[static_cast<std::size_t>(o)]) << o;
        }
    }
}

TEST(SaveArea, SpecialObjectMovesBehindTheNormalObjectsOfItsPage)
{
    SavedArea area({kHorizontal, 0, 0, 0, 0x52, 0x10, 0xF6, 0x07, 0x23, 0x30, 0xFF, 0x00}, {0x01, 0xFF, 0x00});
    ASSERT_TRUE(area.save().saved);
    EXPECT_EQ(area.bytesAt(kLevel + 4, 7), (Bytes{0x52, 0x10, 0x23, 0x30, 0xF6, 0x07, 0xFF}));
    // Reloaded: the special object takes the row of the object before it.
    ASSERT_EQ(area.model.objCount(), 3);
    EXPECT_TRUE(area.model.object(3).special);
    EXPECT_EQ(area.model.object(3).y, 7);
}

TEST(SaveArea, AbsoluteColumnIsWrittenAsPageAndRow)
{
    SavedArea area({kHorizontal, 0, 0, 0, 0x00, 0x10, 0xFF, 0xFF, 0xFF, 0xFF, 0x00}, {0x01, 0xFF, 0x00});
    area.model.object(1).x = 37;
    area.model.object(1).y = 4;
    ASSERT_TRUE(area.save().saved);
    // Column 5, row 34 (page 2, row 4): a skip of two pages, then a step of 4.
    EXPECT_EQ(area.bytesAt(kLevel + 4, 4), (Bytes{0xF3, 0x45, 0x10, 0xFF}));
    ASSERT_EQ(area.model.objCount(), 2);
    EXPECT_EQ(area.model.object(2).x, 37);
    EXPECT_EQ(area.model.object(2).y, 4);
}

TEST(SaveArea, KindTwoSortsAfterItsPageAndBeforeTheNext)
{
    SavedArea area({kVertical, 0, 0, 0, 0x32, 0x01, 0xF2, 0xD3, 0x02, 0xFF, 0x00}, {0x01, 0xFF, 0x00});
    // Objects: normal at row 3, skip, normal at row 28. Put the skip first at
    // row 3 and a normal object on row 13 and on row 15 after it.
    AreaModel& m = area.model;
    ASSERT_EQ(m.objCount(), 3);
    m.objects = {m.objects[1], m.objects[0], m.objects[2]};
    m.objects[0].y = 3;
    m.objects[1].y = 13;
    m.objects[2].y = 15;
    ASSERT_TRUE(area.save().saved);
    // Row 13, the skip (moved to row 14), then row 15 one page on.
    EXPECT_EQ(area.bytesAt(kLevel + 4, 6), (Bytes{0xD2, 0x01, 0xF2, 0x03, 0x02, 0xFF}));
}

TEST(SaveArea, EnemyPagesCloseAsLoaded)
{
    // Empty pages after the last enemy are written back as far as the block
    // reached, so a load finds as many pages as before and the next save
    // changes nothing; the bytes after the block stay.
    struct Case {
        Bytes enemies;
        int pages;
        Bytes written;
    };
    const Case cases[] = {
        {{0x01, 0x01, 0x01, 0x01, 0xFF, 0x00}, 3, {0x01, 0x01, 0x01, 0x01, 0xFF, 0x00}},
        {{0x03, 0x3C, 0x45, 0x01, 0x01, 0x01, 0xFF, 0x00}, 3, {0x03, 0x3C, 0x45, 0x01, 0x01, 0x01, 0xFF, 0x00}},
        {{0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0xFF}, 6, {0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0xFF}},
    };
    for (const Case& c : cases) {
        SavedArea area({kHorizontal, 0, 0, 0, 0x00, 0x10, 0xFF, 0x00}, c.enemies);
        ASSERT_EQ(area.model.enemyLastPage, c.pages);
        for (int save = 0; save < 3; ++save) {
            const SaveResult result = area.save();
            ASSERT_TRUE(result.saved);
            EXPECT_EQ(area.bytesAt(kEnemy, static_cast<int>(c.written.size())), c.written);
            EXPECT_EQ(area.model.enemyLastPage, c.pages);
        }
    }
}

TEST(SaveArea, RemovedEnemiesLeaveTheirPagesForGood)
{
    // Taking every enemy out of a block with four pages: the pages stay as
    // empty pages and a second save finds nothing to change.
    SavedArea area({kHorizontal, 0, 0, 0, 0x00, 0x10, 0xFF, 0x00},
                   {0x03, 0x3C, 0x45, 0x01, 0x03, 0x10, 0x2A, 0x01, 0xFF, 0x00});
    ASSERT_EQ(area.model.enemyLastPage, 3);
    area.model.enemies.clear();
    ASSERT_TRUE(area.save().saved);
    EXPECT_EQ(area.model.enemyLastPage, 3);
    EXPECT_EQ(area.bytesAt(kEnemy, 6), (Bytes{0x01, 0x01, 0x01, 0x01, 0xFF, 0x10}));
    const SaveResult again = area.save();
    ASSERT_TRUE(again.saved);
    EXPECT_TRUE(again.changedOffsets.empty());
    EXPECT_EQ(area.model.enemyLastPage, 3);
}

TEST(SaveArea, KeepsViewAndSelection)
{
    SavedArea area({kHorizontal, 0, 0, 0, 0x00, 0x10, 0x12, 0x11, 0xFF, 0x00}, {0x01, 0xFF, 0x00});
    area.view = {32, 7};
    area.model.selectedObject = 2;
    area.model.selectedEnemy = 4;
    ASSERT_TRUE(area.save().saved);
    EXPECT_EQ(area.view.viewColumn, 32);
    EXPECT_EQ(area.view.viewRow, 7);
    EXPECT_EQ(area.model.selectedObject, 2);
    EXPECT_EQ(area.model.selectedEnemy, 4);

    // A save that turns the area vertical exchanges column and row.
    area.model.header.setBit(1, 0);
    ASSERT_TRUE(area.save().saved);
    EXPECT_EQ(area.model.isVertical, 1);
    EXPECT_EQ(area.view.viewColumn, 7);
    EXPECT_EQ(area.view.viewRow, 32);
}

TEST(SaveArea, WritesTheSaveMarkerOnInesImages)
{
    SavedArea area({kHorizontal, 0, 0, 0, 0x00, 0x10, 0xFF, 0x00}, {0x01, 0xFF, 0x00});
    area.image.write(0x12510, 0x00);
    const SaveResult result = area.save();
    EXPECT_EQ(area.image.read(0x12510), 0xA5);
    EXPECT_NE(std::find(result.changedOffsets.begin(), result.changedOffsets.end(), 0x12510L),
              result.changedOffsets.end());
}

TEST(SaveArea, HeaderIsPackedMostSignificantBitFirst)
{
    SavedArea area({kHorizontal, 0, 0, 0, 0x00, 0x10, 0xFF, 0x00}, {0x01, 0xFF, 0x00});
    area.model.header.setField(17, 4, 9); // level length
    area.model.header.setField(31, 2, 3); // music
    ASSERT_TRUE(area.save().saved);
    EXPECT_EQ(area.bytesAt(kLevel, 4), (Bytes{0x80, 0x00, 0x90, 0x03}));
}

} // namespace
} // namespace quorled
