// The game's areas loaded in one pass, each distinct data decoded once,
// against a load of every area on its own.
#include "core/workbench/gameareas.h"

#include "assets/artwork.h"
#include "core/workbench/gameoverview.h"

#include "romdata/arealoader.h"
#include "romdata/builtinpalettes.h"
#include "romdata/demo/demoimage.h"
#include "romdata/roomuse.h"
#include "romdata/sharedload.h"
#include "support/testimage.h"

#include <gtest/gtest.h>

namespace quorled {
namespace {

TEST(SharedGameAreas, EveryAreaLoadsAsItsOwnLoadWould)
{
    // Shapes of shared data: the demo's own, all areas on one good block,
    // on data that runs past the region's end, on pointers outside the
    // region, and every third area on damaged data.
    struct Case {
        const char* shape;
        long level; // 0: the demo's pointers
        int every;
    };
    const Case cases[] = {{"demo", 0, 1},         {"one good block", -1, 1}, {"damaged", 0x13FFA, 1},
                          {"outside", 0x8100, 1}, {"mixed", 0x13FFA, 3}};
    for (const Case& c : cases) {
        test::TestImage rom;
        rom.bytes() = buildDemoImage(ImageKind::Ines);
        const AreaDirectory demo = buildAreaDirectory(RomImage::fromBytes(rom.bytes()), ImageKind::Ines);
        rom.put(0x13FFA, {0x80, 0, 0, 0});
        for (long o = 0x13FFE; o <= 0x1400F; o += 2)
            rom.put(o, {0x00, 0x10});
        for (int area = 0; area < kAreaCount && c.level != 0; area += c.every) {
            rom.setLevelPointer(area, c.level < 0 ? demo.areaLevelOffset[0] : c.level);
            rom.setEnemyPointer(area, demo.areaEnemyOffset[0]);
        }
        const RomImage image = rom.image();
        const AreaDirectory directory = buildAreaDirectory(image, ImageKind::Ines);
        const GameAreas game = loadGameAreas(image, directory, ImageKind::Ines);
        for (int area = 0; area < kAreaCount; ++area) {
            const AreaModel own = loadArea(image, directory, ImageKind::Ines, area);
            const GameArea& loaded = game.areas[static_cast<std::size_t>(area)];
            ASSERT_EQ(game.ownModel(area), own) << c.shape << ", area " << area;
            const auto room = findSaveRoom(image, directory, ImageKind::Ines, own);
            ASSERT_EQ(loaded.room.has_value(), room.has_value()) << c.shape << ", area " << area;
            if (room) {
                EXPECT_TRUE(loaded.room->levelEnd == room->levelEnd && loaded.room->enemyEnd == room->enemyEnd &&
                            loaded.room->levelStart == room->levelStart && loaded.room->enemyStart == room->enemyStart)
                    << c.shape << ", area " << area;
            }
        }
        // The damage notes name each area, not the one decoded first.
        if (c.level == 0x13FFA) {
            EXPECT_EQ(game.damage(9).front().substr(0, 8), "area 09:") << c.shape;
        }
    }
}

// All areas on area 00's data share one model: its room use and thumbnail
// are those of each area on its own, and an edit of one area (or a new
// model for it) changes it alone, its thumbnail included.
TEST(SharedGameAreas, AnEditGivesOneAreaItsOwnModel)
{
    test::TestImage rom;
    rom.bytes() = buildDemoImage(ImageKind::Ines);
    const AreaDirectory demo = buildAreaDirectory(RomImage::fromBytes(rom.bytes()), ImageKind::Ines);
    for (int area = 0; area < kAreaCount; ++area) {
        rom.setLevelPointer(area, demo.areaLevelOffset[0]);
        rom.setEnemyPointer(area, demo.areaEnemyOffset[0]);
    }
    const RomImage image = rom.image();
    const AreaDirectory directory = buildAreaDirectory(image, ImageKind::Ines);
    GameAreas game = loadGameAreas(image, directory, ImageKind::Ines);
    const GraphicsModel graphics = assets::loadGraphics();
    const PaletteTables palettes = startupPalettes(image, ImageKind::Ines);
    ThumbnailPainter shared(graphics, palettes);
    const auto ownThumbnail = [&](int area) { return ThumbnailPainter(graphics, palettes).thumbnail(game, area); };
    for (const int area : {0, 5, 150, 209}) {
        const AreaModel own = loadArea(image, directory, ImageKind::Ines, area);
        ASSERT_TRUE(game.areas[static_cast<std::size_t>(area)].room) << area;
        EXPECT_EQ(game.areas[static_cast<std::size_t>(area)].roomUse(),
                  measureRoomUse(own, *findSaveRoom(image, directory, ImageKind::Ines, own)))
            << area;
        EXPECT_EQ(shared.thumbnail(game, area).pixels(), ownThumbnail(area).pixels()) << area;
    }
    const AreaModel before = game.model(1);
    const std::vector<std::uint32_t> thumbnail = shared.thumbnail(game, 1).pixels();
    // An edit of the shared model, a new model, an edit of the area's own.
    for (const int step : {0, 1, 2}) {
        SCOPED_TRACE(step);
        if (step == 1) {
            AreaModel fresh = game.ownModel(0);
            fresh.objects.front().y ^= 2;
            game.areas[0].setModel(fresh);
        } else {
            game.areas[0].editModel().objects.front().y ^= 1;
        }
        EXPECT_EQ(game.model(1), before);
        EXPECT_EQ(shared.thumbnail(game, 1).pixels(), thumbnail);
        EXPECT_EQ(shared.thumbnail(game, 0).pixels(), ownThumbnail(0).pixels());
        EXPECT_NE(shared.thumbnail(game, 0).pixels(), thumbnail);
    }
}

} // namespace
} // namespace quorled
