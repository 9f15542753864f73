// The areas a change of bytes may touch, against what loads of the image
// before and after the change give.
#include "romdata/changedareas.h"

#include "romdata/arealoader.h"
#include "romdata/arearoom.h"
#include "romdata/demo/demoimage.h"
#include "romdata/romimage.h"
#include "romdata/romlayout.h"
#include "romdata/roomuse.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace quorled {
namespace {

// The areas whose model (items, header, damage) or room differ between the
// two images.
std::vector<int> areasThatDiffer(const RomImage& before, const RomImage& after, const AreaDirectory& directory)
{
    std::vector<int> differ;
    for (int area = 0; area < kAreaCount; ++area) {
        const AreaModel a = loadArea(before, directory, ImageKind::Ines, area);
        const AreaModel b = loadArea(after, directory, ImageKind::Ines, area);
        const auto roomA = findSaveRoom(before, directory, ImageKind::Ines, a);
        const auto roomB = findSaveRoom(after, directory, ImageKind::Ines, b);
        const bool sameRoom = roomA.has_value() == roomB.has_value() &&
                              (!roomA || (roomA->levelEnd == roomB->levelEnd && roomA->enemyEnd == roomB->enemyEnd));
        if (a.objects != b.objects || a.enemies != b.enemies || a.header != b.header || a.damage != b.damage ||
            !sameRoom)
            differ.push_back(area);
    }
    return differ;
}

TEST(TakenOffsets, AnswerAsTheSearchOfEveryOffsetDoes)
{
    const RomImage demo = RomImage::fromBytes(buildDemoImage(ImageKind::Ines));
    AreaDirectory directory = buildAreaDirectory(demo, ImageKind::Ines);
    directory.areaLevelOffset[7] = demo.size() + 40; // past the end of the file
    for (const ImageKind kind : {ImageKind::Ines, ImageKind::Fds}) {
        const TakenOffsets taken(demo, directory, kind);
        for (long after = -1; after < demo.size() + 64; after += after < 0x10000 ? 997 : 13)
            ASSERT_EQ(taken.next(after), nextTakenOffset(demo, directory, kind, after)) << after;
    }
}

TEST(ChangedAreas, HoldEveryAreaAChangedByteReachesAndNoOther)
{
    const RomImage demo = RomImage::fromBytes(buildDemoImage(ImageKind::Ines));
    const AreaDirectory directory = buildAreaDirectory(demo, ImageKind::Ines);
    EXPECT_TRUE(areasWithChangedData(demo, demo, directory, ImageKind::Ines).empty());

    const long level10 = directory.areaLevelOffset[10];
    const AreaModel area10 = loadArea(demo, directory, ImageKind::Ines, 10);
    struct Case {
        const char* name;
        long offset;
        std::uint8_t value;
        bool reachesArea10;
    };
    const Case cases[] = {
        {"header", level10 + 1, 0x00, true},
        {"end marker", area10.levelEndMarkerOffset, 0x00, true},
        {"enemy terminator", area10.enemyTerminatorOffset, 0x00, true},
        {"the free bytes a room may take", kLevelRegionEnd, 0x00, false},
        {"a palette byte outside every stream", 0x10, 0x55, false},
    };
    for (const Case& c : cases) {
        std::vector<std::uint8_t> bytes = demo.bytes();
        bytes[static_cast<std::size_t>(c.offset)] ^= c.value == 0 ? 0xFF : c.value;
        const RomImage after = RomImage::fromBytes(bytes);
        const std::vector<int> told = areasWithChangedData(demo, after, directory, ImageKind::Ines);
        EXPECT_EQ(std::binary_search(told.begin(), told.end(), 10), c.reachesArea10) << c.name;
        for (const int area : areasThatDiffer(demo, after, directory))
            EXPECT_TRUE(std::binary_search(told.begin(), told.end(), area)) << c.name << ": area " << area;
    }

    // Any byte of the level-data region: every area whose load differs is
    // told, and a byte reaches few areas.
    std::mt19937 random(26);
    std::uniform_int_distribution<long> offsets(kLevelRegionStart, kLevelRegionEnd);
    for (int trial = 0; trial < 60; ++trial) {
        std::vector<std::uint8_t> bytes = demo.bytes();
        const long offset = offsets(random);
        bytes[static_cast<std::size_t>(offset)] ^= static_cast<std::uint8_t>(1 + trial % 255);
        const RomImage after = RomImage::fromBytes(bytes);
        const std::vector<int> told = areasWithChangedData(demo, after, directory, ImageKind::Ines);
        for (const int area : areasThatDiffer(demo, after, directory))
            EXPECT_TRUE(std::binary_search(told.begin(), told.end(), area)) << "offset " << offset << ": area " << area;
        EXPECT_LE(told.size(), 12u) << "offset " << offset;
    }

    std::vector<std::uint8_t> longer = demo.bytes();
    longer.push_back(0xFF);
    EXPECT_EQ(areasWithChangedData(demo, RomImage::fromBytes(longer), directory, ImageKind::Ines).size(),
              static_cast<std::size_t>(kAreaCount));
}

} // namespace
} // namespace quorled
