#include "romdata/datamove.h"

#include "romdata/areadirectory.h"
#include "romdata/arealoader.h"
#include "romdata/romimage.h"
#include "support/testimage.h"

#include <gtest/gtest.h>

namespace quorled {
namespace {

using test::TestImage;

TEST(MoveAddress, ParsesTrimmedHexWithOptionalDollarOnly)
{
    const struct {
        const char* text;
        std::optional<long> value;
    } cases[] = {
        {"101c9", 0x101C9},  {"101C9", 0x101C9}, {"  $1400B\t", 0x1400B}, {"0", 0},
        {"fffff", 0xFFFFF},  {"", std::nullopt}, {"   ", std::nullopt},    {"$", std::nullopt},
        {"12G45", std::nullopt}, {"1101C9", std::nullopt}, {"1 01C9", std::nullopt},
        {"-101C9", std::nullopt}, {"0x101C9", std::nullopt}, {"$$101C9", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseMoveAddress(c.text), c.value) << '"' << c.text << '"';
}

// Area 3: level data at 0x10400 (12 bytes: header, a normal object, a
// pointer, a page skip, a normal object); enemy data at 0x12800 closed by
// a count byte 1 on the bound of area 4's enemy data at 0x12808.
class DataMoveTest : public ::testing::Test {
protected:
    DataMoveTest()
    {
        img.put(0x10400, {0x80, 0x00, 0x30, 0x00, 0x25, 0x0A, 0xF5, 0x07, 0x23, 0xF2, 0x31, 0x33, 0xFF});
        img.put(0x12800, {0x03, 0x3C, 0x45, 0x01, 0x03, 0x10, 0x2A, 0x01});
        img.put(0x12808, {0x03, 0x20, 0x11, 0xFF});
        img.setLevelPointer(3, 0x10400);
        img.setEnemyPointer(3, 0x12800);
        img.setEnemyPointer(4, 0x12808);
    }

    AreaModel load(const RomImage& image, int area) const
    {
        return loadArea(image, buildAreaDirectory(image, ImageKind::Ines), ImageKind::Ines, area);
    }

    // A refused move names its reason and leaves every byte as it was.
    void expectRefused(const MoveRequest& request, const std::string& text)
    {
        RomImage image = img.image();
        const MoveResult result = moveData(image, request);
        ASSERT_TRUE(result.refusal) << "target " << std::hex << request.target;
        EXPECT_EQ(result.refusal->text, text);
        EXPECT_EQ(result.refusal->title, moveRefusedTitle(request.what));
        EXPECT_EQ(image.bytes(), img.bytes());
        EXPECT_FALSE(image.modified());
    }

    TestImage img;
};

TEST_F(DataMoveTest, SizeIsMeasuredFromTheStoredBlocks)
{
    EXPECT_EQ(measureMoveSource(img.image(), 3, MoveData::Level).size, 12);
    EXPECT_EQ(measureMoveSource(img.image(), 3, MoveData::Level).offset, 0x10400);
    // Pages 0..2 and two enemies: 2 + 2 * 2 + 2.
    EXPECT_EQ(measureMoveSource(img.image(), 3, MoveData::Enemy).size, 8);
    EXPECT_EQ(measureMoveSource(img.image(), 4, MoveData::Enemy).size, 4);
}

TEST_F(DataMoveTest, TargetChecksInTheirOrder)
{
    const RomImage image = img.image();
    const std::string range = "Address must be between $101C9 and $1400B.";
    const std::string block =
        "Addresses from $12510 to $12707 are used for enemy pointer data. You can't move level data there!";
    const struct {
        MoveData what;
        long target;
        long size;
        MoveOption option;
        std::optional<std::string> refusal;
    } cases[] = {
        {MoveData::Level, 0x101C8, 4, MoveOption::Copy, range},
        {MoveData::Level, 0x1400C, 4, MoveOption::PointersOnly, range},
        {MoveData::Enemy, 0, 4, MoveOption::Copy, range},
        {MoveData::Enemy, 0x12510, 4, MoveOption::PointersOnly, block},
        {MoveData::Level, 0x12707, 4, MoveOption::Copy, block},
        {MoveData::Level, 0x1400B, 4, MoveOption::Copy, "Level data won't fit there, it exceeds $1400F!"},
        {MoveData::Enemy, 0x1400B, 4, MoveOption::CopyErase, "Enemy data won't fit there, it exceeds $1400F!"},
        {MoveData::Level, 0x1400B, 3, MoveOption::Copy, std::nullopt},
        {MoveData::Level, 0x1400B, 90, MoveOption::PointersOnly, std::nullopt},
        {MoveData::Level, 0x12500, 15, MoveOption::Copy,
         "Level data won't fit there, it would overwrite enemy pointer data!"},
        {MoveData::Enemy, 0x12500, 15, MoveOption::Copy,
         "Enemy data won't fit there, it would overwrite enemy pointer data!"},
        {MoveData::Level, 0x12500, 14, MoveOption::Copy, std::nullopt},
        // The byte before 0x12708 is an enemy pointer byte, not free.
        {MoveData::Enemy, 0x12708, 4, MoveOption::Copy,
         "Enemy data won't fit there, it would overwrite some level or enemy data!"},
        {MoveData::Level, 0x101C9, 4, MoveOption::Copy,
         "Level data won't fit there, it would overwrite some level or enemy data!"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(checkMoveTarget(image, c.what, c.target, c.size, c.option), c.refusal)
            << std::hex << c.target << " size " << std::dec << c.size;
}

TEST_F(DataMoveTest, TheBytesBeforeAndAfterTheTargetMustBeFree)
{
    const long target = 0x11000;
    const struct {
        long taken;
        bool fits;
    } cases[] = {{target - 2, true}, {target - 1, false}, {target, false},
                 {target + 12, false}, {target + 13, true}};
    for (const auto& c : cases) {
        TestImage local = img;
        local.put(c.taken, {0x00});
        EXPECT_EQ(!checkMoveTarget(local.image(), MoveData::Level, target, 12, MoveOption::Copy), c.fits)
            << std::hex << c.taken;
    }
}

TEST_F(DataMoveTest, RefusalsLeaveTheImageAlone)
{
    expectRefused({3, MoveData::Level, 0x12600, MoveOption::PointersOnly},
                  "Addresses from $12510 to $12707 are used for enemy pointer data. You can't move level data there!");
    expectRefused({3, MoveData::Level, 0x14005, MoveOption::Copy}, "Level data won't fit there, it exceeds $1400F!");
    // Overlapping its own block, even where all its bytes are 0xFF (a
    // header of 0xFF and one end object: five bytes).
    img.put(0x10400, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
    ASSERT_EQ(measureMoveSource(img.image(), 3, MoveData::Level).size, 5);
    expectRefused({3, MoveData::Level, 0x10402, MoveOption::Copy},
                  "Level data won't fit there, it would overwrite some level or enemy data!");
}

TEST_F(DataMoveTest, LevelCopyAndEraseRewritesPointerCopiesAndFrees)
{
    RomImage image = img.image();
    const AreaModel before = load(image, 3);
    const MoveResult result = moveData(image, {3, MoveData::Level, 0x11000, MoveOption::CopyErase});
    ASSERT_FALSE(result.refusal) << result.refusal->text;
    EXPECT_FALSE(result.keptOldBytes);
    // (0x11000 - 16) mod 256 and ((0x11000 - 16) \ 256 + 128) mod 256.
    EXPECT_EQ(image.read(0x10025 + 3), 0xF0);
    EXPECT_EQ(image.read(0x100F7 + 3), 0x8F);
    for (long i = 0; i < 12; ++i) {
        EXPECT_EQ(image.read(0x11000 + i), img.bytes()[static_cast<std::size_t>(0x10400 + i)]);
        EXPECT_EQ(image.read(0x10400 + i), 0xFF);
    }
    const AreaModel after = load(image, 3);
    EXPECT_EQ(after.levelDataOffset, 0x11000);
    EXPECT_EQ(after.objects, before.objects);
    EXPECT_EQ(after.header, before.header);
}

TEST_F(DataMoveTest, EnemyPointerGoesToTheLevelsGroup)
{
    // Area 13 is level 1, slot 3: high byte at 0x1257B, low byte at 0x12585.
    const std::vector<ByteWrite> writes = dataPointerWrites(MoveData::Enemy, 13, 0x13010);
    ASSERT_EQ(writes.size(), 2U);
    EXPECT_EQ(writes[0].offset, 0x1257B);
    EXPECT_EQ(writes[0].value, 0xB0); // 0x13010 - 0x8010 = 0xB000
    EXPECT_EQ(writes[1].offset, 0x12585);
    EXPECT_EQ(writes[1].value, 0x00);
}

TEST_F(DataMoveTest, EraseOnlyWhatNoOtherAreaUses)
{
    // Copy keeps the old bytes; option 2 keeps them when another area
    // starts inside them, and says which.
    RomImage copied = img.image();
    ASSERT_FALSE(moveData(copied, {3, MoveData::Level, 0x11000, MoveOption::Copy}).refusal);
    EXPECT_EQ(copied.read(0x10404), 0x25);

    img.setLevelPointer(7, 0x10400);
    RomImage shared = img.image();
    const MoveResult result = moveData(shared, {3, MoveData::Level, 0x11000, MoveOption::CopyErase});
    ASSERT_FALSE(result.refusal);
    EXPECT_EQ(result.keptOldBytes, "area 07 uses them too");
    EXPECT_EQ(shared.read(0x10404), 0x25);
    EXPECT_EQ(load(shared, 7).objects, load(img.image(), 7).objects);

    // The end marker counts too: another block starting right after it.
    img.setLevelPointer(7, 0x1040C);
    EXPECT_EQ(eraseRefusal(img.image(), 3, {0x10400, 12}), "area 07 uses them too");
    EXPECT_EQ(eraseRefusal(img.image(), 3, {0x12500, 0x20}), "they reach into the enemy pointer data");
    EXPECT_EQ(eraseRefusal(img.image(), 3, {0x14000, 0x20}), "they lie outside the level-data region");
}

TEST_F(DataMoveTest, EnemyMoveAboveMendsThePreviousAreasClosingByte)
{
    RomImage image = img.image();
    const AreaModel area3 = load(image, 3);
    const MoveResult result = moveData(image, {4, MoveData::Enemy, 0x13000, MoveOption::CopyErase});
    ASSERT_FALSE(result.refusal) << result.refusal->text;
    EXPECT_EQ(result.mendedAreas, std::vector<int>{3});
    EXPECT_EQ(image.read(0x12807), 0xFF);
    const AreaModel now = load(image, 3);
    EXPECT_EQ(now.enemies, area3.enemies);
    EXPECT_EQ(now.enemyLastPage, area3.enemyLastPage);
    EXPECT_EQ(now.enemyTerminatorOffset, 0x12807);
    EXPECT_EQ(load(image, 4).enemies, load(img.image(), 4).enemies);
}

TEST_F(DataMoveTest, EnemyMoveBelowIsMendedOrRefused)
{
    // Area 3's block has an empty page before its end: a bound below it
    // would stop it there, which no byte can mend.
    expectRefused({4, MoveData::Enemy, 0x11000, MoveOption::Copy},
                  "Enemy data can't go there: area 03 would no longer load as it does now.");
    // Without an empty page in the middle the bound below changes nothing.
    img.put(0x12802, {0x05, 0x3C, 0x45, 0x10, 0x2A, 0x01});
    img.setEnemyPointer(3, 0x12802);
    RomImage image = img.image();
    const MoveResult result = moveData(image, {4, MoveData::Enemy, 0x11000, MoveOption::Copy});
    ASSERT_FALSE(result.refusal) << result.refusal->text;
    EXPECT_EQ(load(image, 3).enemies, load(img.image(), 3).enemies);
}

TEST_F(DataMoveTest, ACopyThatWouldReadShortIsRefused)
{
    // Area 4 moved above area 5's data gets a bound below itself.
    img.put(0x12808, {0x03, 0x20, 0x11, 0x01, 0x03, 0x21, 0x12, 0xFF});
    img.put(0x12900, {0x01, 0xFF});
    img.setEnemyPointer(5, 0x12900);
    expectRefused({4, MoveData::Enemy, 0x13000, MoveOption::Copy},
                  "Enemy data can't go there: area 04 would no longer load as it does now.");
}

TEST_F(DataMoveTest, FindsTheFirstFittingTargetAndTheLargestRun)
{
    // Fill the region, then open two runs: 10 bytes and 30 bytes of 0xFF.
    TestImage full = img;
    for (long o = 0x101C9; o <= 0x1400F; ++o)
        if (o < 0x12510 || o > 0x12707)
            full.put(o, {0x00});
    full.put(0x10800, std::vector<int>(10, 0xFF));
    full.put(0x13000, std::vector<int>(30, 0xFF));
    const RomImage image = full.image();
    EXPECT_EQ(findMoveTarget(image, MoveData::Level, 8), 0x10801);
    EXPECT_EQ(findMoveTarget(image, MoveData::Enemy, 9), 0x13001);
    EXPECT_EQ(findMoveTarget(image, MoveData::Level, 28), 0x13001);
    EXPECT_EQ(findMoveTarget(image, MoveData::Level, 29), std::nullopt);
    EXPECT_EQ(largestMoveSize(image, MoveData::Level), 28);
    // One target a run, in order, for the search that tries each in turn.
    EXPECT_EQ(findMoveTargets(image, MoveData::Level, 8), (std::vector<long>{0x10801, 0x13001}));
    EXPECT_EQ(findMoveTargets(image, MoveData::Enemy, 9), (std::vector<long>{0x13001}));
    EXPECT_EQ(findMoveTargets(image, MoveData::Level, 29), std::vector<long>{});
    // Every found target passes the dialogs' checks.
    for (long size : {1L, 5L, 8L, 20L, 28L})
        EXPECT_FALSE(checkMoveTarget(image, MoveData::Level, *findMoveTarget(image, MoveData::Level, size), size,
                                     MoveOption::Copy));
}

TEST_F(DataMoveTest, FreeSpaceSearchAgreesWithTheTargetChecksAroundTheLimits)
{
    // Runs at the region's start, across the enemy pointer block and at the
    // region's end: the search must give what trying every target gives.
    struct Layout {
        std::vector<std::pair<long, long>> runs; // first, last (inclusive)
    };
    const Layout layouts[] = {
        {{{0x101C8, 0x101E0}}},
        {{{0x12400, 0x12720}}},
        {{{0x124F0, 0x1250F}, {0x12700, 0x12790}}},
        {{{0x13FF0, 0x1400F}, {0x10900, 0x10903}}},
        {{{0x12508, 0x12800}, {0x13000, 0x13100}}},
    };
    for (const Layout& layout : layouts) {
        TestImage full = img;
        for (long o = 0x101C8; o <= 0x1400F; ++o)
            if (o < 0x12510 || o > 0x12707)
                full.put(o, {0x00});
        for (const auto& [first, last] : layout.runs)
            full.put(first, std::vector<int>(static_cast<std::size_t>(last - first + 1), 0xFF));
        const RomImage image = full.image();
        long largest = 0;
        std::vector<long> firstFor(0x400, -1); // by size
        for (long target = kMoveTargetFirst; target <= kMoveTargetLast; ++target) {
            long size = 1;
            while (size < static_cast<long>(firstFor.size()) &&
                   !checkMoveTarget(image, MoveData::Level, target, size, MoveOption::Copy)) {
                if (firstFor[static_cast<std::size_t>(size)] < 0)
                    firstFor[static_cast<std::size_t>(size)] = target;
                ++size;
            }
            largest = std::max(largest, size - 1);
        }
        SCOPED_TRACE(layout.runs.front().first);
        EXPECT_EQ(largestMoveSize(image, MoveData::Level), largest);
        for (long size = 1; size < static_cast<long>(firstFor.size()); ++size) {
            const long expected = firstFor[static_cast<std::size_t>(size)];
            EXPECT_EQ(findMoveTarget(image, MoveData::Level, size),
                      expected < 0 ? std::nullopt : std::optional<long>(expected))
                << "size " << size;
        }
    }
}

} // namespace
} // namespace quorled
