#include "view/catalogue.h"

#include "romdata/levelformat.h"

#include <gtest/gtest.h>

namespace quorled {
namespace {

const Catalogue& cat() { return Catalogue::instance(); }

TEST(CatalogueNames, SingleObjectsAreTheSameInEverySet)
{
    for (int set = 0; set < 16; ++set) {
        EXPECT_EQ(cat().objectTypeName(set, 0x00), "Lift block");
        EXPECT_EQ(cat().objectTypeName(set, 0x07),
                  "Jar, extends to ground, can go in (not the same as #06)");
        EXPECT_EQ(cat().objectTypeName(set, 0x1B), "???");
        EXPECT_EQ(cat().objectTypeName(set, 0x1C), "uses next object as a pointer, can go in");
        EXPECT_EQ(cat().objectTypeName(set, 0x2F), "Wood wall, 1 square");
        EXPECT_EQ(cat().objectTypeName(set, 256), "Special object");
    }
}

TEST(CatalogueNames, CountsHaveOneBlankAndPluralOnlyAboveOne)
{
    EXPECT_EQ(cat().objectTypeName(2, 0x30), "Row of 1 X-block");
    EXPECT_EQ(cat().objectTypeName(2, 0x3F), "Row of 16 X-blocks");
    EXPECT_EQ(cat().objectTypeName(0, 0x41), "Row of 2 X-blocks");
    EXPECT_EQ(cat().objectTypeName(2, 0x50), "Row of 1 herb with small vegetables");
    EXPECT_EQ(cat().objectTypeName(2, 0x52), "Row of 3 herbs with small vegetables");
    EXPECT_EQ(cat().objectTypeName(2, 0x61), "Bridge, 2 squares large");
    EXPECT_EQ(cat().objectTypeName(2, 0x70), "Row of 1 spike");
    EXPECT_EQ(cat().objectTypeName(2, 0x80), "Column of 1 bombable rock");
    EXPECT_EQ(cat().objectTypeName(2, 0x9F), "Column of 16 brown bricks");
    EXPECT_EQ(cat().objectTypeName(2, 0xA0), "Ladder, 1 square high");
}

TEST(CatalogueNames, PlatformFamiliesHaveTwoBlanksAndFixedPlural)
{
    EXPECT_EQ(cat().objectTypeName(0, 0xB0), "Whale (for World 4), very large");
    EXPECT_EQ(cat().objectTypeName(0, 0xB1), "Whale (for World 4),  2 squares large");
    EXPECT_EQ(cat().objectTypeName(0, 0xC4), "Green platform,  5 squares large");
    EXPECT_EQ(cat().objectTypeName(9, 0xD0), "Red wood platform, very large");
    EXPECT_EQ(cat().objectTypeName(9, 0xEF), "Cloud platform,  16 squares large");
    EXPECT_EQ(cat().objectTypeName(15, 0xF2), "Waterfall,  3 squares large");
}

TEST(CatalogueNames, ObjectSetsOverrideTheirFamilies)
{
    EXPECT_EQ(cat().objectTypeName(5, 0x42), "Sand platform, 3 squares large");
    EXPECT_EQ(cat().objectTypeName(5, 0xA0), "Chain, 1 square high");
    EXPECT_EQ(cat().objectTypeName(5, 0x80), "Column of 1 blanked-out square");
    EXPECT_EQ(cat().objectTypeName(5, 0x33), "Row of 4 wood blocks");
    EXPECT_EQ(cat().objectTypeName(12, 0x30), "Row of 1 brick");
    EXPECT_EQ(cat().objectTypeName(4, 0x81), "Column of 2 brown bricks");
    EXPECT_EQ(cat().objectTypeName(4, 0xA1), "Chain, 2 squares high");
    EXPECT_EQ(cat().objectTypeName(11, 0x81), "Column of 2 bricks");
    // Sets without an override keep the default names.
    EXPECT_EQ(cat().objectTypeName(6, 0x30), "Row of 1 X-block");
    EXPECT_EQ(cat().objectTypeName(8, 0xA1), "Ladder, 2 squares high");
    EXPECT_EQ(cat().objectTypeName(0, 0x42), "Row of 3 X-blocks");
    EXPECT_EQ(cat().objectTypeName(14, 0x80), "Column of 1 bombable rock");
}

TEST(CatalogueSizes, SingleObjects)
{
    struct Case { int type, w, h; };
    for (const Case c : {Case{0x00, 1, 1}, Case{0x06, 1, 3}, Case{0x0B, 1, 2}, Case{0x0E, 1, 1},
                         Case{0x0F, 1, 16}, Case{0x10, 2, 1}, Case{0x12, 1, -14}, Case{0x13, 3, 2},
                         Case{0x14, -1, 2}, Case{0x16, 1, 16}, Case{0x19, 6, 16},
                         Case{0x1E, 3, 16}, Case{0x1F, 12, 16}, Case{0x2F, 1, 1}, Case{256, 1, 1}}) {
        for (int set : {0, 7, 15}) {
            EXPECT_EQ(cat().objWidth(set, c.type), c.w) << "type " << c.type;
            EXPECT_EQ(cat().objHeight(set, c.type), c.h) << "type " << c.type;
        }
    }
}

TEST(CatalogueSizes, SizedFamilies)
{
    EXPECT_EQ(cat().objWidth(0, 0x35), 6);
    EXPECT_EQ(cat().objHeight(0, 0x35), 1);
    EXPECT_EQ(cat().objWidth(1, 0x85), 1);
    EXPECT_EQ(cat().objHeight(1, 0x85), 6);
    EXPECT_EQ(cat().objHeight(4, 0xAF), 16);
    EXPECT_EQ(cat().objWidth(0, 0xB0), 16);
    EXPECT_EQ(cat().objWidth(0, 0xB1), 2);
    EXPECT_EQ(cat().objWidth(0, 0xBF), 16);
    EXPECT_EQ(cat().objHeight(0, 0xB1), 16);
    EXPECT_EQ(cat().objHeight(0, 0xC3), 16);
    EXPECT_EQ(cat().objWidth(0, 0xD3), 4);
    EXPECT_EQ(cat().objHeight(0, 0xD3), 1);
    EXPECT_EQ(cat().objWidth(0, 0xE0), 16);
    EXPECT_EQ(cat().objHeight(0, 0xE0), 1);
    EXPECT_EQ(cat().objWidth(0, 0xF2), 3);
    EXPECT_EQ(cat().objHeight(0, 0xF2), 16);
}

TEST(CatalogueDoors, DoorTypesAreExactlyTheEight)
{
    int count = 0;
    for (int t = 0; t < 256; ++t)
        count += cat().isDoorType(t) ? 1 : 0;
    EXPECT_EQ(count, 8);
    for (int t : {0x09, 0x0A, 0x0B, 0x13, 0x14, 0x15, 0x1C, 0x1D})
        EXPECT_TRUE(cat().isDoorType(t)) << t;
    EXPECT_FALSE(cat().isDoorType(0x16));
    EXPECT_FALSE(cat().isDoorType(256));
}

std::vector<LevelObject> objectsOfTypes(std::initializer_list<int> types)
{
    std::vector<LevelObject> objects;
    for (int t : types)
        objects.push_back(LevelObject{t, 0, 0, t == 256, 0, {0, 0}});
    return objects;
}

TEST(CatalogueDoors, DoorPointerRule)
{
    const auto one = objectsOfTypes({0x0A, 0x00, 0x00});
    EXPECT_FALSE(isDoorPointer(one, 1, false));
    EXPECT_TRUE(isDoorPointer(one, 2, false));
    EXPECT_FALSE(isDoorPointer(one, 3, false));
    EXPECT_FALSE(isDoorPointer(one, 2, true));

    // Two doors in a row: the second is the first one's pointer.
    const auto two = objectsOfTypes({0x0A, 0x13, 0x00});
    EXPECT_TRUE(isDoorPointer(two, 2, false));
    EXPECT_FALSE(isDoorPointer(two, 3, false));

    const auto later = objectsOfTypes({0x00, 0x00, 0x1D, 0x05});
    EXPECT_TRUE(isDoorPointer(later, 4, false));
    EXPECT_FALSE(isDoorPointer(later, 3, false));

    // A special object stands for type 256, which is no door.
    EXPECT_FALSE(isDoorPointer(objectsOfTypes({256, 0x00}), 2, false));
    // Indices past the list do not read beyond it.
    EXPECT_FALSE(isDoorPointer(one, 0, false));
    EXPECT_FALSE(isDoorPointer(one, 9, false));
}

TEST(CatalogueEnemies, Names)
{
    EXPECT_EQ(cat().enemyTypeName(0x00), "Heart");
    EXPECT_EQ(cat().enemyTypeName(0x1C), "Eggspout (grey)");
    EXPECT_EQ(cat().enemyTypeName(0x4A), "Vegetable throw (used in Gorlump's room)");
    EXPECT_EQ(cat().enemyTypeName(0x4B), "??? (may crash game)");
    EXPECT_EQ(cat().enemyTypeName(0x55), "??? (may crash game)");
    EXPECT_EQ(cat().enemyTypeName(0x5B), "??? (may crash game)");
    EXPECT_EQ(cat().enemyTypeName(0x5C),
              "Eggspout (grey) (level boss, makes a door appear when defeated)");
    EXPECT_EQ(cat().enemyTypeName(0x60),
              "Stray fireball (level boss, makes a door appear when defeated)");
    EXPECT_EQ(cat().enemyTypeName(0x7F),
              "Vigour cap (level boss, makes a door appear when defeated)");
    EXPECT_EQ(cat().enemyTypeName(0x80), "???");
    EXPECT_EQ(cat().enemyTypeName(0xC0), "???");
    EXPECT_EQ(cat().enemyTypeName(0xFF), "???");
}

TEST(CatalogueEnemies, SizesAndBossVariants)
{
    EXPECT_EQ(cat().enemyWidth(0x01), 1);
    EXPECT_EQ(cat().enemyHeight(0x01), 1);
    EXPECT_EQ(cat().enemyHeight(0x1A), 4);
    EXPECT_EQ(cat().enemyWidth(0x1F), 2);
    EXPECT_EQ(cat().enemyHeight(0x1F), 3);
    EXPECT_EQ(cat().enemyWidth(0x2C), 3);
    EXPECT_EQ(cat().enemyWidth(0x47), 2);
    EXPECT_EQ(cat().enemyHeight(0x47), 2);
    EXPECT_EQ(cat().enemyWidth(0x5C), 1);
    EXPECT_EQ(cat().enemyHeight(0x5C), 2);
    EXPECT_EQ(cat().enemyWidth(0x6C), 3);
    EXPECT_EQ(cat().enemyHeight(0x6C), 3);
    // 0xC7 would copy 0x87 if the boss range ran on; it stops at 0x7F.
    EXPECT_EQ(cat().enemyWidth(0xC7), 1);
    EXPECT_EQ(cat().enemyHeight(0x4B), 1);
}

TEST(CatalogueSpecialObjects, NamesAndExtraBytes)
{
    EXPECT_EQ(cat().specialObjectName(0), "Special object, changes ground setting");
    EXPECT_EQ(cat().specialObjectName(1), "Special object, changes ground setting");
    EXPECT_EQ(cat().specialObjectName(4), "Special object, places next objects at start");
    EXPECT_EQ(cat().specialObjectName(5), "Special object, acts as a pointer");
    EXPECT_EQ(cat().specialObjectName(6), "Special object, changes ground type");
    EXPECT_EQ(cat().specialObjectName(7), "Special object, probably not used");
    EXPECT_EQ(cat().specialObjectName(14), "Special object, probably not used");
    EXPECT_EQ(cat().specialObjectName(15), "Special object, ends level data");
    for (int kind = 0; kind < 16; ++kind)
        EXPECT_EQ(cat().specialObjExtraBytes(kind), specialObjExtraBytes[kind]);
    EXPECT_EQ(cat().specialObjExtraBytes(5), 2);
    EXPECT_EQ(cat().specialObjExtraBytes(15), 0);
}

TEST(CatalogueBounds, OutOfRangeIndicesReadAsDefaults)
{
    EXPECT_EQ(cat().objectTypeName(16, 0), "");
    EXPECT_EQ(cat().objectTypeName(0, 257), "");
    EXPECT_EQ(cat().objWidth(-1, 0x13), 1);
    EXPECT_EQ(cat().enemyTypeName(256), "");
    EXPECT_EQ(cat().enemyHeight(-1), 1);
    EXPECT_EQ(cat().specialObjectName(16), "");
}

} // namespace
} // namespace quorled
