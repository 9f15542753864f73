// The pass over all areas that holds one model at a time, against the
// whole-game load it stands in for.
#include "core/workbench/gameareapass.h"

#include "romdata/demo/demoimage.h"
#include "support/testimage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <numeric>
#include <vector>

namespace quorled {
namespace {

// The demo image with its data in one of several shapes: areas on shared
// data (every `every`-th area on area 00's, or on data running past the
// region's end), or every area at its own place in a block of layer
// switches (`step` bytes apart, so no two decode alike).
struct Shape {
    const char* name;
    long level; // 0: the demo's pointers; -1: area 00's data
    int every;
    long step; // > 0: the block of layer switches
};

RomImage shapedImage(const Shape& shape)
{
    test::TestImage rom;
    rom.bytes() = buildDemoImage(ImageKind::Ines);
    const AreaDirectory demo = buildAreaDirectory(RomImage::fromBytes(rom.bytes()), ImageKind::Ines);
    rom.put(0x13FFA, {0x80, 0, 0, 0});
    if (shape.step > 0) {
        constexpr long kBlock = 0x10400;
        rom.put(kBlock, {0x50, 0x08, 0x00, 0x00});
        rom.put(kBlock + 4, std::vector<int>(900, 0xF4));
        rom.put(kBlock + 904, {0xFF});
    }
    for (int area = 0; area < kAreaCount; area += shape.every) {
        if (shape.step > 0)
            rom.setLevelPointer(area, 0x10400 + shape.step * area);
        else if (shape.level != 0)
            rom.setLevelPointer(area, shape.level < 0 ? demo.areaLevelOffset[0] : shape.level);
        if (shape.level != 0 || shape.step > 0)
            rom.setEnemyPointer(area, demo.areaEnemyOffset[0]);
    }
    return rom.image();
}

TEST(GameAreaPass, ChecksAndCountsAsTheWholeGameLoadDoes)
{
    const Shape shapes[] = {{"demo", 0, 1, 0},           {"one block", -1, 1, 0}, {"every third shared", -1, 3, 0},
                            {"damaged", 0x13FFA, 1, 0},  {"mixed", 0x13FFA, 3, 0}, {"layer block", 0, 1, 2},
                            {"every other on the block", 0, 2, 1}};
    for (const Shape& shape : shapes) {
        const RomImage image = shapedImage(shape);
        const AreaDirectory directory = buildAreaDirectory(image, ImageKind::Ines);
        const GameAreas whole = loadGameAreas(image, directory, ImageKind::Ines);

        std::vector<int> visited;
        forEachGameArea(image, directory, ImageKind::Ines, [&](const GameAreas& game, int area) {
            visited.push_back(area);
            const GameArea& a = game.areas[static_cast<std::size_t>(area)];
            const GameArea& w = whole.areas[static_cast<std::size_t>(area)];
            ASSERT_EQ(game.ownModel(area), whole.ownModel(area)) << shape.name << ", area " << area;
            ASSERT_EQ(a.room.has_value(), w.room.has_value()) << shape.name << ", area " << area;
            if (a.room) {
                EXPECT_EQ(a.roomUse(), w.roomUse()) << shape.name << ", area " << area;
            }
            for (int other = 0; other < kAreaCount; ++other)
                ASSERT_EQ(game.pages(other), whole.pages(other)) << shape.name << ", area " << other;
        });
        std::vector<int> all(kAreaCount);
        std::iota(all.begin(), all.end(), 0);
        EXPECT_EQ(visited, all) << shape.name;

        EXPECT_EQ(checkImageAreas(image, directory, ImageKind::Ines), checkGame(whole)) << shape.name;
        const GameStats stats = imageAreaStats(image, directory, ImageKind::Ines, 5);
        const GameStats expected = gameStats(whole, 5);
        EXPECT_EQ(gameStatsText(stats), gameStatsText(expected)) << shape.name;
        EXPECT_TRUE(std::equal(stats.areas.begin(), stats.areas.end(), expected.areas.begin(), expected.areas.end(),
                               [](const AreaStats& a, const AreaStats& b) {
                                   return a.area == b.area && a.world == b.world && a.counts == b.counts &&
                                          a.measured == b.measured;
                               }))
            << shape.name;
    }
}

// A visit of some areas with a model held in place of the image's, as the
// editor visits its edited areas.
TEST(GameAreaPass, VisitsTheAreasAskedWithTheModelsHeld)
{
    const RomImage image = shapedImage({"every third shared", -1, 3, 0});
    const AreaDirectory directory = buildAreaDirectory(image, ImageKind::Ines);
    const GameAreas whole = loadGameAreas(image, directory, ImageKind::Ines);
    // Area 3 shares area 00's data, area 4 does not; both are edited.
    std::map<int, GameArea> held;
    for (const int area : {3, 4}) {
        GameArea edited;
        AreaModel model = whole.ownModel(area);
        model.objects.pop_back();
        model.header.setField(17, 4, 2);
        edited.setModel(std::move(model));
        edited.edited = true;
        held.emplace(area, edited);
    }
    GameAreas heads = gameAreaHeads(image, directory, ImageKind::Ines);
    for (const auto& [area, edited] : held)
        heads.areas[static_cast<std::size_t>(area)] = headOf(edited);

    std::vector<int> visited;
    visitGameAreas(image, heads, {0, 3, 4, 6}, held, [&](const GameAreas& game, int area) {
        visited.push_back(area);
        const GameArea& a = game.areas[static_cast<std::size_t>(area)];
        const GameArea& w = whole.areas[static_cast<std::size_t>(area)];
        const auto own = held.find(area);
        EXPECT_EQ(a.edited, own != held.end()) << area;
        if (own != held.end())
            EXPECT_EQ(a.model(), own->second.model()) << area;
        else
            EXPECT_EQ(game.ownModel(area), whole.ownModel(area)) << area;
        // An edited area keeps the room its data has in the image.
        ASSERT_EQ(a.room.has_value(), w.room.has_value()) << area;
        if (a.room) {
            EXPECT_EQ(a.room->levelEnd, w.room->levelEnd) << area;
            EXPECT_EQ(a.room->enemyEnd, w.room->enemyEnd) << area;
        }
        // The others by their headers: the held ones as edited, no items.
        for (int other = 0; other < kAreaCount; ++other) {
            if (other == area)
                continue;
            const AreaModel& head = game.model(other);
            EXPECT_TRUE(head.objects.empty() && head.enemies.empty()) << other;
            EXPECT_EQ(game.pages(other), held.contains(other) ? 3 : whole.pages(other)) << other;
            EXPECT_EQ(game.areas[static_cast<std::size_t>(other)].edited, held.contains(other)) << other;
        }
    });
    EXPECT_EQ(visited, (std::vector<int>{0, 3, 4, 6}));
}

} // namespace
} // namespace quorled
