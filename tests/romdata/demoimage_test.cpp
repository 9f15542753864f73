#include "romdata/areadirectory.h"
#include "romdata/arealoader.h"
#include "romdata/demo/demoimage.h"
#include "romdata/levelformat.h"
#include "romdata/romimage.h"
#include "romdata/romlayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

namespace quorled {
namespace {

struct Demo {
    RomImage image;
    AreaDirectory directory;
    std::vector<AreaModel> areas;
};

const RomImage& inesDemo()
{
    static const RomImage image = RomImage::fromBytes(buildDemoImage(ImageKind::Ines), "demo.nes");
    return image;
}

const Demo& demo(ImageKind kind)
{
    static std::map<ImageKind, Demo> cache;
    auto it = cache.find(kind);
    if (it != cache.end())
        return it->second;
    RomImage image = kind == ImageKind::Ines ? inesDemo() : RomImage::fromBytes(buildDemoImage(kind), "demo");
    const DiskImageOffsets disk = diskOffsetsFromReference(inesDemo());
    AreaDirectory directory = buildAreaDirectory(image, kind, kind == ImageKind::Fds ? &disk : nullptr);
    std::vector<AreaModel> areas;
    for (int a = 0; a < kAreaCount; ++a)
        areas.push_back(loadArea(image, directory, kind, a));
    return cache.emplace(kind, Demo{std::move(image), directory, std::move(areas)}).first->second;
}

TEST(DemoImage, HasTheSizeOfItsKindAndIsTheSameEveryRun)
{
    EXPECT_EQ(buildDemoImage(ImageKind::Ines).size(), 0x40010u);
    EXPECT_EQ(buildDemoImage(ImageKind::Snes).size(), 0x200200u);
    EXPECT_EQ(buildDemoImage(ImageKind::Fds).size(), 131016u);
    for (ImageKind kind : {ImageKind::Ines, ImageKind::Snes, ImageKind::Fds})
        EXPECT_EQ(buildDemoImage(kind), buildDemoImage(kind));
    const auto& ines = inesDemo().bytes();
    EXPECT_TRUE(std::equal(ines.begin(), ines.begin() + 4, "NES\x1A"));
    const auto fds = buildDemoImage(ImageKind::Fds);
    const std::uint8_t diskSignature[4] = {0x46, 0x44, 0x53, 0x1A}; // disk-image file signature
    EXPECT_TRUE(std::equal(fds.begin(), fds.begin() + 4, diskSignature));
    EXPECT_EQ(fds[4], 2);
}

TEST(DemoImage, KeepsThePublishedOffsets)
{
    const AreaDirectory& d = demo(ImageKind::Ines).directory;
    EXPECT_EQ(d.areaLevelOffset[0], 0x101C9);
    EXPECT_EQ(d.areaEnemyOffset[0], 0x12708);
    EXPECT_EQ(d.areaLevelOffset[1], 0x101EA);
    EXPECT_EQ(d.areaEnemyOffset[1], 0x12711);
    EXPECT_EQ(d.areaLevelOffset[2], 0x1023A);
    EXPECT_EQ(d.areaEnemyOffset[2], 0x12726);
    for (int a = 5; a <= 9; ++a)
        EXPECT_EQ(d.areaLevelOffset[static_cast<std::size_t>(a)], 0x10335) << a;
    EXPECT_EQ(d.areaLevelOffset[209], 0x1242F);
    EXPECT_EQ(d.areaEnemyOffset[209], 0x1302F);
    EXPECT_EQ(inesDemo().read(0x12510), 0xA5);
    for (int i = 1; i <= 8; ++i)
        EXPECT_EQ(d.worldFirstArea[static_cast<std::size_t>(i)], std::min(i - 1, 7) * 30 - (i == 8 ? 10 : 0));
}

TEST(DemoImage, PointersLandInTheLevelDataRegion)
{
    for (ImageKind kind : {ImageKind::Ines, ImageKind::Snes}) {
        const Demo& s = demo(kind);
        const long shift = kind == ImageKind::Snes ? 0x781F0 : 0;
        for (int a = 0; a < kAreaCount; ++a) {
            const auto i = static_cast<std::size_t>(a);
            EXPECT_GE(s.directory.areaLevelOffset[i], 0x101C9 + shift) << a;
            EXPECT_LT(s.areas[i].levelEndMarkerOffset, 0x12510 + shift) << a;
            EXPECT_GE(s.directory.areaEnemyOffset[i], 0x12708 + shift) << a;
            EXPECT_LE(s.areas[i].enemyTerminatorOffset, 0x1400F + shift) << a;
            EXPECT_EQ(s.directory.areaLevelOffset[i], demo(ImageKind::Ines).directory.areaLevelOffset[i] + shift);
        }
    }
}

TEST(DemoImage, EveryAreaOfEveryKindDecodesCleanlyAndAlike)
{
    const Demo& ines = demo(ImageKind::Ines);
    for (ImageKind kind : {ImageKind::Ines, ImageKind::Snes, ImageKind::Fds}) {
        const Demo& s = demo(kind);
        for (int a = 0; a < kAreaCount; ++a) {
            const AreaModel& m = s.areas[static_cast<std::size_t>(a)];
            const AreaModel& ref = ines.areas[static_cast<std::size_t>(a)];
            EXPECT_TRUE(m.damage.empty()) << imageKindName(kind) << " area " << a << ": " << m.damage.front();
            EXPECT_EQ(m.header, ref.header) << a;
            EXPECT_EQ(m.objects, ref.objects) << a;
            EXPECT_EQ(m.enemies, ref.enemies) << imageKindName(kind) << " area " << a;
            EXPECT_GT(m.enemyCount(), 0) << a;
            EXPECT_GT(m.objCount(), 1) << a;
        }
    }
}

// Half-open extent of an area's data, end marker and terminator included.
struct Extent {
    long begin, end;
};

TEST(DemoImage, DiskImageAreasNeverOverlap)
{
    const Demo& s = demo(ImageKind::Fds);
    std::map<long, long> extents; // begin -> end, shared blocks once
    for (const AreaModel& m : s.areas) {
        extents[m.levelDataOffset] = m.levelEndMarkerOffset + 1;
        extents[m.enemyDataOffset] = m.enemyTerminatorOffset + 1;
    }
    long previousEnd = 0x10182; // after the disk image's character table
    for (const auto& [begin, end] : extents) {
        EXPECT_GE(begin, previousEnd) << std::hex << begin;
        previousEnd = end;
    }
    EXPECT_LE(previousEnd, 131016);
}

TEST(DemoImage, EnemyBlocksEndTheWayASaveWritesThem)
{
    const Demo& s = demo(ImageKind::Ines);
    for (int a = 0; a < kAreaCount; ++a) {
        const AreaModel& m = s.areas[static_cast<std::size_t>(a)];
        const int end = s.image.read(m.enemyTerminatorOffset);
        EXPECT_NE(s.image.read(m.enemyDataOffset), 0xFF) << a;
        if (end == 0xFF)
            EXPECT_EQ(s.image.read(m.enemyTerminatorOffset + 1), 0xFF) << a;
        else
            EXPECT_EQ(end, 0x01) << a;
        EXPECT_GT(m.levelSpareFF + (a == 0 ? 1 : 0), 0) << a;
    }
}

TEST(DemoImage, PaletteAndGameTablesAreFilledInEveryKind)
{
    for (ImageKind kind : {ImageKind::Ines, ImageKind::Snes, ImageKind::Fds}) {
        const auto bytes = buildDemoImage(kind);
        std::set<int> colours;
        for (long o = 0xC02C; o <= 0xC437; ++o) {
            EXPECT_LE(bytes[static_cast<std::size_t>(o)], 0x3F) << std::hex << o;
            colours.insert(bytes[static_cast<std::size_t>(o)]);
        }
        EXPECT_GT(colours.size(), 30u);
        const long levels = romLayout(kind).levelsPerWorld;
        const std::uint8_t usual[8] = {0, 3, 6, 9, 12, 15, 18, 20};
        EXPECT_TRUE(std::equal(usual, usual + 8, bytes.begin() + levels));
        EXPECT_EQ(bytes[0x1E425], 3);
        EXPECT_EQ(bytes[0x1079], 0x36);
    }
}

} // namespace
} // namespace quorled

namespace quorled {
namespace {

bool isDoor(int type)
{
    return type == 0x09 || type == 0x0A || type == 0x0B || type == 0x13 || type == 0x14 || type == 0x15 ||
           type == 0x1C || type == 0x1D;
}

TEST(DemoImage, UsesEveryObjectFamilySpecialKindAndMostEnemies)
{
    const Demo& s = demo(ImageKind::Ines);
    std::set<int> types, kinds, enemies, lengths;
    std::map<int, std::set<int>> sizes;
    bool horizontal = false, vertical = false;
    for (const AreaModel& m : s.areas) {
        (m.isVertical ? vertical : horizontal) = true;
        lengths.insert(m.header.levelLength());
        for (int i = 1; i <= m.objCount(); ++i) {
            const LevelObject& o = m.object(i);
            if (o.special) {
                kinds.insert(o.kind());
                continue;
            }
            types.insert(o.type);
            if (o.type >= 0x30)
                sizes[o.type >> 4].insert(o.type & 15);
            if (isDoor(o.type)) {
                ASSERT_LT(i, m.objCount()) << m.area;
                EXPECT_TRUE(m.object(i + 1).special && m.object(i + 1).kind() == kKindPointer) << m.area;
            }
        }
        for (const Enemy& e : m.enemies)
            enemies.insert(e.type);
    }
    EXPECT_TRUE(horizontal && vertical);
    EXPECT_GE(lengths.size(), 4u);
    for (int t = 0; t < 0x30; ++t)
        EXPECT_TRUE(types.count(t)) << std::hex << t;
    for (int f = 3; f < 16; ++f)
        EXPECT_GE(sizes[f].size(), 3u) << std::hex << f * 16;
    for (int k = 0; k <= 6; ++k)
        EXPECT_TRUE(kinds.count(k)) << k;
    int named = 0;
    for (int t = 0; t <= 0x4A; ++t)
        named += enemies.count(t) ? 1 : 0;
    EXPECT_GE(named, 70);
}

// Encodes a loaded area the way saving it unchanged would, and checks that
// the image holds exactly those bytes.
TEST(DemoImage, SavingAnUnchangedAreaGivesItsBytesBack)
{
    const Demo& s = demo(ImageKind::Ines);
    for (const AreaModel& loaded : s.areas) {
        AreaModel m = loaded;
        const bool horizontal = !m.isVertical;
        for (LevelObject& o : m.objects) {
            if (horizontal)
                o.y += (o.x / 16) * 15;
            o.x &= 15;
            if (o.special && o.kind() != kKindPointer)
                o.y = (o.y / 15) * 15 + 14;
        }
        std::stable_sort(m.objects.begin(), m.objects.end(), [](const LevelObject& a, const LevelObject& b) {
            return a.layer == b.layer && a.y < b.y;
        });
        std::vector<int> level;
        int row = 0;
        for (const LevelObject& o : m.objects) {
            if (!o.special) {
                level.push_back(((o.y - row) & 15) * 16 + o.x);
                level.push_back(o.type & 0xFF);
                row = o.y;
                continue;
            }
            level.push_back(0xF0 + o.kind());
            for (int k = 0; k < specialObjExtraBytes[static_cast<std::size_t>(o.kind())]; ++k)
                level.push_back(o.param[static_cast<std::size_t>(k)] & 0xFF);
            row = o.kind() == 4 ? 0 : rowAfterSkip(row, o.kind());
        }
        level.push_back(0xFF);
        for (std::size_t i = 0; i < level.size(); ++i)
            ASSERT_EQ(s.image.read(m.levelDataOffset + 4 + static_cast<long>(i)), level[i]) << "area " << m.area;

        std::map<int, std::vector<Enemy>> pages;
        int lastPage = 0;
        for (const Enemy& e : m.enemies) {
            const int page = horizontal ? e.x / 16 : e.y / 16;
            pages[page].push_back(e);
            lastPage = std::max(lastPage, page);
        }
        std::vector<int> enemy;
        for (int page = 0; page <= lastPage; ++page) {
            auto& list = pages[page];
            std::stable_sort(list.begin(), list.end(), [horizontal](const Enemy& a, const Enemy& b) {
                return horizontal ? a.x < b.x : a.y < b.y;
            });
            enemy.push_back(static_cast<int>(1 + 2 * list.size()));
            for (const Enemy& e : list) {
                enemy.push_back(e.type);
                enemy.push_back((e.x & 15) * 16 + (e.y & 15));
            }
        }
        enemy.push_back(0x01);
        const long total = m.enemyLastPage + 2 + 2L * m.enemyCount();
        ASSERT_GE(static_cast<long>(enemy.size()), total - 2) << "area " << m.area;
        for (std::size_t i = 0; i < enemy.size(); ++i)
            ASSERT_EQ(s.image.read(m.enemyDataOffset + static_cast<long>(i)), enemy[i]) << "area " << m.area;
    }
}

} // namespace
} // namespace quorled
