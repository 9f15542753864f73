#include "romdata/areadecoding.h"
#include "romdata/arealoader.h"
#include "romdata/demo/demoimage.h"
#include "support/testimage.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace quorled {
namespace {

// A byte source that notes every offset the decoder reads.
struct RecordingBytes {
    const RomImage& image;
    mutable std::set<long> reads;
    std::uint8_t read(long offset) const
    {
        reads.insert(offset);
        return image.read(offset);
    }
    bool contains(long offset) const { return image.contains(offset); }
};

// The scan's extent holds every byte a load of `area` reads and ends where
// the load's streams end.
void expectExtentCoversReads(const RomImage& image, int area, const std::string& label)
{
    SCOPED_TRACE(label + ", area " + std::to_string(area));
    const AreaDirectory directory = buildAreaDirectory(image, ImageKind::Ines);
    const decoding::DecodeBounds bounds = decodeBoundsFor(directory, ImageKind::Ines, area);
    const RecordingBytes recorder{image, {}};
    const AreaModel model = decoding::decodeArea(recorder, directory, bounds, area, decoding::SpareBytes::Skip);
    const long level = directory.areaLevelOffset[static_cast<std::size_t>(area)];
    const long enemy = directory.areaEnemyOffset[static_cast<std::size_t>(area)];
    const decoding::StreamExtent extent = decoding::streamExtent(image, bounds, level, enemy);
    EXPECT_EQ(extent.levelLast, model.levelEndMarkerOffset);
    EXPECT_EQ(extent.enemyLast, model.enemyTerminatorOffset + 1);
    for (const long offset : recorder.reads)
        EXPECT_TRUE((offset >= level && offset <= extent.levelLast) || (offset >= enemy && offset <= extent.enemyLast))
            << "read " << offset << " lies outside the extent";
}

TEST(StreamExtentTest, CoversEveryByteTheDemoAreasRead)
{
    const RomImage image = RomImage::fromBytes(buildDemoImage(ImageKind::Ines));
    for (int area = 0; area < kAreaCount; ++area)
        expectExtentCoversReads(image, area, "demo");
}

TEST(StreamExtentTest, CoversEveryByteCraftedStreamsRead)
{
    constexpr long kLevel = 0x10400;
    constexpr long kEnemy = 0x12800;
    struct Case {
        std::string name;
        std::vector<int> level;
        std::vector<int> enemies;
        long levelAt = kLevel;
        long enemyAt = kEnemy;
        long nextEnemyAt = kEnemy + 0x100;
    };
    std::vector<int> endless(static_cast<std::size_t>(kLevelRegionEnd + 1 - 0x13F00), 0x21);
    const std::vector<Case> cases = {
        {"plain", {0x80, 0x40, 0, 0, 0x21, 0x05, 0xFF}, {0x03, 0x10, 0x22, 0xFF}},
        // One-byte special object (kind 2), three-byte (kind 5), layer switch.
        {"specials", {0x80, 0x40, 0, 0, 0xF2, 0x07, 0xF5, 0x01, 0x02, 0xF4, 0x00, 0x31, 0x01, 0xFF}, {0xFF}},
        {"special last", {0x80, 0x40, 0, 0, 0xF5, 0x01, 0x02, 0xFF}, {0x05, 0x10, 0x22, 0x11, 0x23, 0xFF}},
        // Counts that read a pair and step back, and empty pages.
        {"odd counts", {0x80, 0x40, 0, 0, 0x21, 0x05, 0xFF}, {0x02, 0x10, 0x22, 0x00, 0xFA, 0x01, 0x03, 0x10, 0x22, 0xFF}},
        // A count byte 1 ending the block on its bound.
        {"on the bound", {0x80, 0x40, 0, 0, 0x21, 0x05, 0xFF}, {0x03, 0x10, 0x22, 0x01}, kLevel, kEnemy, kEnemy + 4},
        // Level data with no end marker up to the region's end.
        {"no end marker", endless, {0xFF}, 0x13F00},
        {"enemies at the region end", {0x80, 0x40, 0, 0, 0x21, 0x05, 0xFF}, {0x03, 0x10}, kLevel, kLevelRegionEnd - 1},
        {"pointers outside the region", {}, {}, 0x30000, 0x30100, 0x30200},
    };
    for (const Case& c : cases) {
        test::TestImage rom;
        rom.setLevelPointer(3, c.levelAt);
        rom.setEnemyPointer(3, c.enemyAt);
        rom.setEnemyPointer(4, c.nextEnemyAt);
        rom.put(c.levelAt, c.level);
        rom.put(c.enemyAt, c.enemies);
        expectExtentCoversReads(rom.image(), 3, c.name);
    }
}

} // namespace
} // namespace quorled
