#include "view/catalogue.h"
#include "view/enemytiledata.h"
#include "view/enemytiles.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace quorled {
namespace {

const EnemyTileMap& tiles() { return EnemyTileMap::instance(); }

TEST(EnemyTileMap, DocumentedExamples)
{
    EXPECT_EQ(tiles().tile(0x01, 1, 1), 0);

    EXPECT_EQ(tiles().tile(0x08, 1, 1), 16);
    EXPECT_EQ(tiles().tile(0x08, 1, 2), 32);

    EXPECT_EQ(tiles().tile(0x0A, 1, 1), 33);
    EXPECT_EQ(tiles().tile(0x0A, 2, 1), 34);
    EXPECT_EQ(tiles().tile(0x0A, 1, 2), 49);
    EXPECT_EQ(tiles().tile(0x0A, 2, 2), 50);

    const int bossTiles[3][3] = {{75, 76, 77}, {91, 92, 93}, {107, 108, 109}};
    for (int y = 1; y <= 3; ++y)
        for (int x = 1; x <= 3; ++x)
            EXPECT_EQ(tiles().tile(0x2C, x, y), bossTiles[y - 1][x - 1]) << x << "," << y;

    EXPECT_EQ(tiles().tile(0x26, 1, 1), 0);
    EXPECT_EQ(tiles().tile(0x26, 1, 2), 99);
    EXPECT_EQ(tiles().tile(0x26, 1, 3), 115);
}

TEST(EnemyTileMap, EnemiesWithoutPictureShowTheCheckerboard)
{
    for (int type : {0x34, 0x38, 0x49, 0x4A, 0x4B, 0x5B, 0x80, 0xFF})
        EXPECT_EQ(tiles().tile(type, 1, 1), 254) << type;
    // A cell beyond an enemy's size and arguments out of range.
    EXPECT_EQ(tiles().tile(0x01, 2, 1), 254);
    EXPECT_EQ(tiles().tile(0x01, 0, 1), 254);
    EXPECT_EQ(tiles().tile(0x01, 17, 1), 254);
    EXPECT_EQ(tiles().tile(0x01, 1, -15), 254);
    EXPECT_EQ(tiles().tile(0x01, 1, 17), 254);
    EXPECT_EQ(tiles().tile(-1, 1, 1), 254);
    EXPECT_EQ(tiles().tile(256, 1, 1), 254);
}

TEST(EnemyTileMap, BossesCopyTheirModel)
{
    for (int t = 0x5C; t <= 0x7F; ++t)
        for (int x = 1; x <= 16; ++x)
            for (int y = 1; y <= 16; ++y)
                ASSERT_EQ(tiles().tile(t, x, y), tiles().tile(t - 0x40, x, y)) << t << " " << x << "," << y;
    EXPECT_EQ(tiles().tile(0x5C, 1, 1), tiles().tile(0x1C, 1, 1));
    EXPECT_NE(tiles().tile(0x5C, 1, 2), 254);
    EXPECT_EQ(tiles().tile(0x6C, 2, 3), 108);   // the frog king as a level boss
}

// Every named enemy with a picture has a real tile in each cell of its size,
// and different enemies never share a tile, except that the car rider of 0x26
// is the red masked walker's tile.
TEST(EnemyTileMap, EveryPicturedEnemyOwnsItsTiles)
{
    const Catalogue& catalogue = Catalogue::instance();
    const std::set<int> withoutPicture{0x34, 0x38, 0x49, 0x4A};
    std::map<int, int> owner;
    for (int type = 0x00; type <= 0x4A; ++type) {
        if (withoutPicture.count(type) != 0)
            continue;
        std::set<int> own;
        for (int y = 1; y <= catalogue.enemyHeight(type); ++y) {
            for (int x = 1; x <= catalogue.enemyWidth(type); ++x) {
                const int t = tiles().tile(type, x, y);
                EXPECT_GE(t, 0);
                EXPECT_LT(t, 254) << "type " << type << " cell " << x << "," << y;
                EXPECT_TRUE(own.insert(t).second) << "type " << type << " repeats tile " << t;
                const auto [it, fresh] = owner.emplace(t, type);
                if (!fresh && !(t == 0 && type == 0x26))
                    ADD_FAILURE() << "tile " << t << " of type " << type << " already belongs to type "
                                  << it->second;
            }
        }
    }
}

// The data gives exactly one tile per cell of each enemy's catalogue size, so
// no tile is dropped and no cell is left to the checkerboard.
TEST(EnemyTileMap, DataMatchesTheCatalogueSizes)
{
    const Catalogue& catalogue = Catalogue::instance();
    for (const EnemyTileEntry& entry : enemyTileEntries)
        EXPECT_EQ(entry.count, catalogue.enemyWidth(entry.type) * catalogue.enemyHeight(entry.type))
            << "type " << entry.type;
}

} // namespace
} // namespace quorled
