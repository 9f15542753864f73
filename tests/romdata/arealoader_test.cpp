#include "romdata/arealoader.h"
#include "romdata/imageerror.h"
#include "romdata/romlayout.h"
#include "support/testimage.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace quorled {
namespace {

using test::TestImage;

constexpr long kLevel = 0x10400;
constexpr long kEnemy = 0x12800;

// Puts one area's data into a test image and loads it.
struct LoadedArea {
    TestImage rom;
    int area = 3;

    LoadedArea(std::vector<int> level, std::vector<int> enemies, int area = 3) : area(area)
    {
        rom.setLevelPointer(area, kLevel);
        rom.setEnemyPointer(area, kEnemy);
        if (area < 209)
            rom.setEnemyPointer(area + 1, kEnemy + 0x100);
        rom.put(kLevel, level);
        rom.put(kEnemy, enemies);
    }
    AreaModel load() const
    {
        const RomImage image = rom.image();
        return loadArea(image, buildAreaDirectory(image, ImageKind::Ines), ImageKind::Ines, area);
    }
};

constexpr int kHorizontal = 0x80;
constexpr int kVertical = 0x00;

TEST(LoadObjects, RowsPagesAndSpecialObjects)
{
    LoadedArea data({kHorizontal, 0, 0, 0, 0x52, 0x10, 0xF2, 0x30, 0x20, 0xFF, 0xFF, 0xFF, 0x00}, {0x01, 0xFF});
    const AreaModel model = data.load();
    ASSERT_EQ(model.objCount(), 3);
    // After the drawing normalisation of a horizontal area.
    EXPECT_EQ(model.object(1).type, 0x10);
    EXPECT_EQ(model.object(1).x, 2);
    EXPECT_EQ(model.object(1).y, 5);
    EXPECT_TRUE(model.object(2).special);
    EXPECT_EQ(model.object(2).type, kSpecialObjectType);
    EXPECT_EQ(model.object(2).kind(), 2);
    EXPECT_EQ(model.object(2).param[0], 0x30);
    EXPECT_EQ(model.object(3).type, 0x20);
    EXPECT_EQ(model.object(3).x, 16);
    EXPECT_EQ(model.object(3).y, 3);
    EXPECT_EQ(model.levelEndMarkerOffset, kLevel + 9);
    EXPECT_EQ(model.levelSpareFF, 2);
}

TEST(LoadObjects, VerticalAreasKeepTheRunningRow)
{
    LoadedArea data({kVertical, 0, 0, 0, 0x52, 0x10, 0xF2, 0x30, 0x20, 0xFF}, {0x01, 0xFF});
    const AreaModel model = data.load();
    EXPECT_EQ(model.isVertical, 1);
    EXPECT_EQ(model.object(3).x, 0);
    EXPECT_EQ(model.object(3).y, 18);
}

TEST(LoadObjects, ParameterBytesFollowTheKindLength)
{
    LoadedArea data({kVertical, 0, 0, 0, 0x31, 0x0A, 0xF5, 0x07, 0x23, 0x12, 0x05, 0xF6, 0x03, 0xFF}, {0x01, 0xFF});
    const AreaModel model = data.load();
    ASSERT_EQ(model.objCount(), 4);
    EXPECT_EQ(model.object(2).param, (std::array<int, 2>{7, 0x23}));
    EXPECT_EQ(model.object(3).type, 0x05);
    EXPECT_EQ(model.object(3).y, 4);
    EXPECT_EQ(model.object(4).kind(), 6);
    EXPECT_EQ(model.object(4).param, (std::array<int, 2>{3, 0}));
}

TEST(LoadObjects, LayersRestartAtRowZero)
{
    LoadedArea data({kVertical, 0, 0, 0, 0x93, 0x30, 0xF4, 0x21, 0x31, 0xFF}, {0x01, 0xFF});
    const AreaModel model = data.load();
    ASSERT_EQ(model.objCount(), 3);
    EXPECT_EQ(model.object(2).layer, 0);
    EXPECT_EQ(model.object(2).param[0], 0x21); // the byte after a one-byte object
    EXPECT_EQ(model.object(3).layer, 1);
    EXPECT_EQ(model.object(3).y, 2);
}

TEST(LoadObjects, AnEndMarkerFirstIsDecodedAsOneObject)
{
    LoadedArea data({kVertical, 0, 0, 0, 0xFF, 0x21, 0x31, 0xFF}, {0x01, 0xFF});
    const AreaModel model = data.load();
    ASSERT_EQ(model.objCount(), 2);
    EXPECT_EQ(model.object(1).kind(), 15);
    EXPECT_EQ(model.object(2).type, 0x31);
}

TEST(LoadEnemies, PagesInBothDirections)
{
    const std::vector<int> enemies{0x03, 0x3C, 0x45, 0x01, 0x05, 0x10, 0x2A, 0x11, 0x3B, 0xFF};
    const AreaModel across = LoadedArea({kHorizontal, 0, 0, 0, 0x00, 0x00, 0xFF}, enemies).load();
    ASSERT_EQ(across.enemyCount(), 3);
    EXPECT_EQ(across.enemy(1), (Enemy{0x3C, 4, 5}));
    EXPECT_EQ(across.enemy(2), (Enemy{0x10, 34, 10}));
    EXPECT_EQ(across.enemy(3), (Enemy{0x11, 35, 11}));
    EXPECT_EQ(across.enemyLastPage, 2);
    EXPECT_EQ(across.enemyTerminatorOffset, kEnemy + 9);

    const AreaModel down = LoadedArea({kVertical, 0, 0, 0, 0x00, 0x00, 0xFF}, enemies).load();
    EXPECT_EQ(down.enemy(1), (Enemy{0x3C, 4, 5}));
    EXPECT_EQ(down.enemy(2), (Enemy{0x10, 2, 42}));
    EXPECT_EQ(down.enemy(3), (Enemy{0x11, 3, 43}));
}

TEST(LoadEnemies, OddCountBytesReadAsEmptyPages)
{
    // 0x00, 0x02 and 0xFA count as empty pages; 0x05 holds two enemies.
    const AreaModel model =
        LoadedArea({kHorizontal, 0, 0, 0, 0x00, 0x00, 0xFF}, {0x00, 0x02, 0xFA, 0x05, 0x01, 0x12, 0x02, 0x34, 0xFF})
            .load();
    ASSERT_EQ(model.enemyCount(), 2);
    EXPECT_EQ(model.enemy(1), (Enemy{0x01, 48 + 1, 2}));
    EXPECT_EQ(model.enemy(2), (Enemy{0x02, 48 + 3, 4}));
    EXPECT_EQ(model.enemyLastPage, 3);
}

TEST(LoadEnemies, AnEmptyPageAtTheBoundEndsTheData)
{
    // Area 3's enemy data ends where area 4's begins.
    LoadedArea data({kHorizontal, 0, 0, 0, 0x00, 0x00, 0xFF}, {0x01});
    data.rom.setEnemyPointer(4, kEnemy + 1);
    data.rom.put(kEnemy + 1, {0x03, 0x01, 0x00, 0xFF});
    const AreaModel model = data.load();
    EXPECT_EQ(model.enemyDataEnd, kEnemy + 1);
    EXPECT_EQ(model.enemyCount(), 0);
    EXPECT_EQ(model.enemyLastPage, -1);
}

TEST(LoadEnemies, SharedOffsetsSearchTheNextLargerOne)
{
    LoadedArea data({kHorizontal, 0, 0, 0, 0x00, 0x00, 0xFF}, {0x01, 0xFF});
    data.rom.setEnemyPointer(4, kEnemy);
    data.rom.setEnemyPointer(150, kEnemy + 0x40);
    data.rom.setEnemyPointer(151, kEnemy + 0x80);
    EXPECT_EQ(data.load().enemyDataEnd, kEnemy + 0x40);

    LoadedArea last({kHorizontal, 0, 0, 0, 0x00, 0x00, 0xFF}, {0x01, 0xFF});
    last.rom.setEnemyPointer(4, kEnemy);
    EXPECT_EQ(last.load().enemyDataEnd, 0x40010);
}

TEST(LoadEnemies, TheLastAreaStopsAtItsFirstEmptyPage)
{
    LoadedArea data({kHorizontal, 0, 0, 0, 0x00, 0x00, 0xFF}, {0x03, 0x01, 0x22, 0x01, 0x03, 0x02, 0x33, 0xFF}, 209);
    const AreaModel model = data.load();
    EXPECT_EQ(model.enemyDataEnd, 0);
    EXPECT_EQ(model.enemyCount(), 1);
    EXPECT_EQ(model.enemyLastPage, 0);
}

TEST(LoadEnemies, SpareBytesCountFillerOnBothSides)
{
    // Two 0x01 bytes before the closing 0xFF and three 0xFF after it.
    LoadedArea data({kHorizontal, 0, 0, 0, 0x00, 0x00, 0xFF}, {0x03, 0x01, 0x22, 0x01, 0x01, 0xFF, 0xFF, 0xFF, 0xFF, 0x00});
    const AreaModel model = data.load();
    EXPECT_EQ(model.enemySpareBytes, 2 + 3);
    EXPECT_EQ(model.enemyLastPage, 2);
}

// Loading reads no length check of its own, so images cut short in memory
// stand for damaged files whose pointers run off their end.
AreaModel loadCut(TestImage& rom, long size, int area)
{
    rom.bytes().resize(static_cast<std::size_t>(size));
    const RomImage image = rom.image();
    return loadArea(image, buildAreaDirectory(image, ImageKind::Ines), ImageKind::Ines, area);
}

TEST(DamagedAreas, DataRunningOffTheEndIsReportedAndStops)
{
    TestImage rom;
    rom.setLevelPointer(10, 0x12A00);
    rom.put(0x12A00, {0x80, 0, 0, 0, 0x10, 0x31});
    const AreaModel model = loadCut(rom, 0x12A06, 10);
    ASSERT_FALSE(model.damage.empty());
    EXPECT_EQ(model.damage[0], "area 0A: level data runs past the end of the file");
    EXPECT_EQ(model.objCount(), 1);
    EXPECT_EQ(model.levelSpareFF, 0);
}

TEST(DamagedAreas, PointersOutsideTheFileReadAsFreeSpace)
{
    TestImage rom;
    rom.setLevelPointer(10, 0x18000);
    rom.setEnemyPointer(10, 0x18000);
    const AreaModel model = loadCut(rom, 0x13000, 10);
    ASSERT_EQ(model.damage.size(), 2u);
    EXPECT_EQ(model.damage[0], "area 0A: the level data pointer $18000 lies outside the file");
    EXPECT_EQ(model.damage[1], "area 0A: the enemy data pointer $18000 lies outside the file");
    EXPECT_EQ(model.objCount(), 1);
    EXPECT_EQ(model.enemyCount(), 0);
    EXPECT_EQ(model.levelSpareFF, 0);
    EXPECT_EQ(model.enemySpareBytes, 0);
}

TEST(DamagedAreas, EnemyPagesThatNeverEnd)
{
    TestImage rom;
    rom.setEnemyPointer(10, 0x12A00);
    for (long o = 0x12A00; o < 0x12B00; ++o)
        rom.put(o, {0x03});
    const AreaModel model = loadCut(rom, 0x12B00, 10);
    EXPECT_EQ(model.damage, std::vector<std::string>{"area 0A: enemy data runs past the end of the file"});
    EXPECT_EQ(model.enemyCount(), 0x100 / 3);
    EXPECT_EQ(model.enemySpareBytes, 0);
}

TEST(DamagedAreas, StreamsStopAtTheEndOfTheLevelDataRegion)
{
    // Data without an end in a full-length image: the streams stop at the
    // region's last byte, $1400F, instead of reading on to the end of the
    // file; pointers elsewhere in the file read nothing.
    struct Case {
        long level;
        long enemy;
        int filler;
        std::string damage;
        int objects;
        int enemies;
    };
    const Case cases[] = {
        {0x13F00, 0x12B00, 0x00, "level data runs past the end of the level-data region", 134, 0},
        {0x13F01, 0x12B00, 0x10, "level data runs past the end of the level-data region", 134, 0},
        // Pages of one enemy each from $13F00: the last count byte at $1400E.
        {0x12A00, 0x13F00, 0x03, "enemy data runs past the end of the level-data region", 1, 91},
        {0x8100, 0x12B00, 0x00, "the level data pointer $8100 lies outside the level-data region $101C9..$1400F",
         1, 0},
        {0x12A00, 0x17000, 0x03, "the enemy data pointer $17000 lies outside the level-data region $101C9..$1400F",
         1, 0},
    };
    for (const Case& c : cases) {
        TestImage rom;
        std::fill(rom.bytes().begin() + 0x8010, rom.bytes().end(), static_cast<std::uint8_t>(c.filler));
        rom.put(0x12A00, {0x80, 0, 0, 0, 0x00, 0x10, 0xFF});
        rom.put(0x12B00, {0xFF});
        rom.setLevelPointer(10, c.level);
        rom.setEnemyPointer(10, c.enemy);
        const RomImage image = rom.image();
        const AreaModel model = loadArea(image, buildAreaDirectory(image, ImageKind::Ines), ImageKind::Ines, 10);
        EXPECT_EQ(model.damage, std::vector<std::string>{"area 0A: " + c.damage});
        EXPECT_EQ(model.objCount(), c.objects) << c.damage;
        EXPECT_EQ(model.enemyCount(), c.enemies) << c.damage;
    }
}

TEST(LoadSpareBytes, RunsAreCountedInsideTheLevelDataRegionOnly)
{
    // A full-length image of free bytes: the spare runs after the level end
    // marker and around the enemy terminator stop at the region's ends, not
    // at the end of the file (or, backwards, at its start).
    struct Case {
        long level;
        long enemy;
        std::vector<int> enemyBytes;
        int levelSpare;
        int enemySpare;
    };
    const Case cases[] = {
        // End marker at $14000: $14001..$1400F are spare.
        {0x13FFA, 0x12B00, {0xFF, 0x00}, static_cast<int>(kLevelRegionEnd - 0x14000), 0},
        // Terminator at $14008: the 0xFF bytes after it up to $1400F.
        {0x12A00, 0x14008, {0xFF}, 0, static_cast<int>(kLevelRegionEnd - 0x14008)},
        // Enemy data at the region's first byte after nine 0x01 bytes below
        // the region, closed at once: the count backwards stops there.
        {0x12A00, kLevelRegionStart, {0x01, 0xFF, 0x00}, 0, 1},
    };
    for (const Case& c : cases) {
        TestImage rom;
        rom.put(0x12A00, {0x80, 0, 0, 0, 0x00, 0x10, 0xFF, 0x00});
        rom.put(0x13FFA, {0x80, 0, 0, 0, 0x00, 0x10, 0xFF});
        for (long o = kLevelRegionStart - 9; o < kLevelRegionStart; ++o)
            rom.put(o, {0x01});
        rom.put(c.enemy, c.enemyBytes);
        rom.setLevelPointer(10, c.level);
        rom.setEnemyPointer(10, c.enemy);
        rom.setEnemyPointer(11, c.enemy);
        const RomImage image = rom.image();
        const AreaModel model = loadArea(image, buildAreaDirectory(image, ImageKind::Ines), ImageKind::Ines, 10);
        EXPECT_TRUE(model.damage.empty()) << model.damage.front();
        EXPECT_EQ(model.levelSpareFF, c.levelSpare) << std::hex << c.level;
        EXPECT_EQ(model.enemySpareBytes, c.enemySpare) << std::hex << c.enemy;
    }
}

TEST(DamagedAreas, AnAllZeroImageDecodesLittle)
{
    // Every pointer is $8010, outside the region: one object per area, no
    // enemies, each area marked damaged (it once decoded 114,686 objects).
    const RomImage image = RomImage::fromBytes(std::vector<std::uint8_t>(0x40010, 0x00));
    const AreaDirectory directory = buildAreaDirectory(image, ImageKind::Ines);
    for (int area = 0; area < kAreaCount; ++area) {
        const AreaModel model = loadArea(image, directory, ImageKind::Ines, area);
        EXPECT_EQ(model.objCount(), 1);
        EXPECT_EQ(model.enemyCount(), 0);
        EXPECT_FALSE(model.damage.empty());
    }
}

TEST(AreaCaption, ShowsTwoHexDigitsAndTheName)
{
    TestImage rom;
    const AreaDirectory directory = buildAreaDirectory(rom.image(), ImageKind::Ines);
    EXPECT_EQ(areaCaption(10, directory), "Quorl editor -- Area 0A -- 1-2, main part");
    EXPECT_EQ(areaCaption(209, directory), "Quorl editor -- Area D1 -- 7-3, unused (10)");
}

} // namespace
} // namespace quorled
