#include "romdata/roomuse.h"

#include <gtest/gtest.h>

namespace quorled {
namespace {

// Area 5's level block is $10400..$10410 and its enemy block $12800..$12808;
// area 6 shares the level data, area 7 starts inside the enemy block, area 8
// starts where area 5's enemy room ends (outside it).
AreaDirectory sharingDirectory()
{
    AreaDirectory directory;
    for (int area = 0; area < kAreaCount; ++area) {
        directory.areaLevelOffset[static_cast<std::size_t>(area)] = 0x11000 + 4L * area;
        directory.areaEnemyOffset[static_cast<std::size_t>(area)] = 0x13000 + 4L * area;
    }
    directory.areaLevelOffset[5] = directory.areaLevelOffset[6] = 0x10400;
    directory.areaEnemyOffset[5] = 0x12800;
    directory.areaEnemyOffset[7] = 0x12804;
    directory.areaEnemyOffset[8] = 0x12808;
    return directory;
}

TEST(SharedAreas, ChangesReachTheAreasThatReadThem)
{
    const AreaDirectory directory = sharingDirectory();
    const AreaRoom room{0x10400, 0x10410, 0x12800, 0x12808};
    struct Case {
        std::vector<long> changed;
        std::vector<int> areas;
        std::string note;
    };
    const Case cases[] = {
        {{}, {}, ""},
        {{0x12510}, {}, ""},                     // the marker byte only
        {{0x12802}, {}, ""},                     // before area 7's start
        {{0x1040F}, {6}, "area 06 uses the same data and changed with it"},
        {{0x12804, 0x10400}, {6, 7}, "areas 06 and 07 use the same data and changed with it"},
        {{0x12808}, {}, ""},                     // past the room: area 8 is not in it
    };
    for (const Case& c : cases) {
        const std::vector<int> areas = areasChangedWith(directory, 5, room, c.changed);
        EXPECT_EQ(areas, c.areas);
        EXPECT_EQ(sharedDataNote(areas), c.note);
    }
    EXPECT_EQ(sharedDataNote({6, 7, 8, 9}), "areas 06, 07, 08 and 09 use the same data and changed with it");
}

} // namespace
} // namespace quorled
