#include "view/groundchanges.h"

#include "support/syntheticgraphics.h"

#include <gtest/gtest.h>

namespace quorled {
namespace {

using testing::horizontalArea;
using testing::normalObject;
using testing::specialObject;
using testing::verticalArea;

GroundColumns columnsOf(const AreaModel& area)
{
    GroundColumns columns;
    computeGroundColumns(area, columns);
    return columns;
}

TEST(GroundChangesTest, HeaderGivesTheStartingValuesEverywhere)
{
    AreaModel area = horizontalArea();
    area.header.setField(12, 5, 21);
    area.header.setField(27, 3, 5);
    const GroundColumns columns = columnsOf(area);
    EXPECT_EQ(columns.setting[0], 21);
    EXPECT_EQ(columns.setting[255], 21);
    EXPECT_EQ(columns.type[130], 5);
}

TEST(GroundChangesTest, KindOneWithParameterA3OnPageTwoChangesAtColumn45)
{
    AreaModel area = horizontalArea({normalObject(0x00, 3, 4), specialObject(1, 2, 0, 0xA3)});
    const GroundColumns columns = columnsOf(area);
    EXPECT_EQ(columns.setting[44], 8);
    EXPECT_EQ(columns.setting[45], 3);
    EXPECT_EQ(columns.setting[255], 3);
    EXPECT_EQ(rawGroundChangePosition(area, 2), 45);
}

TEST(GroundChangesTest, FirstChangeAtColumnZeroTakesEffectAtEight)
{
    const GroundColumns columns = columnsOf(horizontalArea({specialObject(0, 0, 0, 0x05)}));
    EXPECT_EQ(columns.setting[7], 8);
    EXPECT_EQ(columns.setting[8], 5);
}

TEST(GroundChangesTest, KindZeroRightAfterKindOneMovesEightFurther)
{
    // Kind 1 at 16 + 8 + 1 = 25; kind 0 at 16 + 0 + 2 = 18, then + 8 = 26.
    AreaModel area = horizontalArea({specialObject(1, 1, 0, 0x20 | 4), specialObject(0, 1, 0, 0x40 | 6)});
    const GroundColumns columns = columnsOf(area);
    EXPECT_EQ(columns.setting[24], 8);
    EXPECT_EQ(columns.setting[25], 4);
    EXPECT_EQ(columns.setting[26], 6);
}

TEST(GroundChangesTest, HorizontalAreaAppliesTheLastChangeAtAPosition)
{
    AreaModel area = horizontalArea({specialObject(0, 2, 0, 0x07), specialObject(0, 2, 3, 0x09),
                                     specialObject(0, 1, 0, 0x0B)});
    const GroundColumns columns = columnsOf(area);
    EXPECT_EQ(columns.setting[16], 11); // earlier position listed later still applies
    EXPECT_EQ(columns.setting[32], 9);
}

TEST(GroundChangesTest, GroundTypeFollowsTheLastSettingObjectBeforeIt)
{
    AreaModel area = horizontalArea({specialObject(1, 3, 0, 0x60 | 2), specialObject(6, 3, 0, 0x1D)});
    const GroundColumns columns = columnsOf(area);
    // Raw position 48 + 8 + 3 = 59, without the adjustments of the setting.
    EXPECT_EQ(columns.type[58], 0);
    EXPECT_EQ(columns.type[59], 0x0D);
    EXPECT_EQ(columns.setting[59], 2);
}

TEST(GroundChangesTest, GroundTypeWithoutSettingObjectHasNoEffect)
{
    const GroundColumns columns = columnsOf(horizontalArea({specialObject(6, 4, 0, 0x03)}));
    for (int p = 0; p < 256; ++p)
        ASSERT_EQ(columns.type[static_cast<std::size_t>(p)], 0) << p;
}

TEST(GroundChangesTest, VerticalGroundTypeAtZeroBlocksLaterTypeChanges)
{
    // Rows: a setting object on page 1 (raw 15 + 0 + 1 = 16) comes after the
    // type object that has no setting object before it.
    AreaModel area = verticalArea({specialObject(6, 0, 2, 0x03), specialObject(0, 0, 15, 0x21),
                                   specialObject(6, 0, 16, 0x04)});
    const GroundColumns columns = columnsOf(area);
    EXPECT_EQ(columns.setting[16], 1);
    for (int p = 0; p < 256; ++p)
        ASSERT_EQ(columns.type[static_cast<std::size_t>(p)], 0) << p;

    // Without the blocking object the second type change applies.
    area.objects.erase(area.objects.begin());
    EXPECT_EQ(columnsOf(area).type[16], 4);
}

TEST(GroundChangesTest, VerticalChangeNotAfterThePreviousOneBlocksItsList)
{
    // Positions 31, 16, 46: the second lies before the first and blocks the third.
    AreaModel area = verticalArea({specialObject(0, 0, 30, 0x20 | 2), specialObject(0, 0, 15, 0x20 | 3),
                                   specialObject(0, 0, 45, 0x20 | 4)});
    const GroundColumns columns = columnsOf(area);
    EXPECT_EQ(columns.setting[30], 19);
    EXPECT_EQ(columns.setting[31], 2);
    EXPECT_EQ(columns.setting[46], 2);
}

TEST(GroundChangesTest, VerticalAreaKeepsAChangeAtZeroFromTakingEffect)
{
    // No adjustment of position 0 in vertical areas: it blocks the list.
    AreaModel area = verticalArea({specialObject(0, 0, 0, 0x05), specialObject(0, 0, 15, 0x20 | 6)});
    const GroundColumns columns = columnsOf(area);
    EXPECT_EQ(columns.setting[8], 19);
    EXPECT_EQ(columns.setting[16], 19);
}

TEST(GroundChangesTest, PositionsOutsideTheAreaHaveNoGround)
{
    GroundColumns columns;
    EXPECT_EQ(columns.settingAt(-1), -1);
    EXPECT_EQ(columns.settingAt(256), -1);
    EXPECT_EQ(columns.settingAt(255), 0);
}

} // namespace
} // namespace quorled
