#include "romdata/areawriter.h"
#include "romdata/enemyencoder.h"

#include <gtest/gtest.h>

namespace quorled {
namespace {

LevelObject normal(int x, int y, int type)
{
    LevelObject o;
    o.x = x;
    o.y = y;
    o.type = type;
    return o;
}

LevelObject special(int kind, int x, int y)
{
    LevelObject o = normal(kind + 16 * (x / 16), y, kSpecialObjectType);
    o.special = true;
    return o;
}

AreaModel horizontalArea()
{
    AreaModel model;
    model.header.setBit(1, 1);
    model.isVertical = 0;
    return model;
}

TEST(ConvertEnemyCoordinates, MovesPagesBetweenAxes)
{
    AreaModel model = horizontalArea();
    model.isVertical = 1;
    model.enemies = {Enemy{1, 34, 10}};
    convertEnemyCoordinates(model);
    EXPECT_EQ(model.enemy(1), (Enemy{1, 2, 40}));

    model.isVertical = 0;
    convertEnemyCoordinates(model);
    EXPECT_EQ(model.enemy(1), (Enemy{1, 34, 10}));
    // Already horizontal: unchanged, except that row 15 moves to row 0 of
    // the next page.
    model.enemies = {Enemy{2, 35, 14}, Enemy{3, 3, 15}};
    convertEnemyCoordinates(model);
    EXPECT_EQ(model.enemy(1), (Enemy{2, 35, 14}));
    EXPECT_EQ(model.enemy(2), (Enemy{3, 19, 0}));
}

TEST(RenormalizeArea, SortsWithoutMovingSpecialObjects)
{
    AreaModel model = horizontalArea();
    model.objects = {normal(37, 4, 0x10), special(6, 0, 5), normal(3, 7, 0x20), normal(2, 2, 0x30)};
    model.selectedObject = 3;
    ViewPosition view{16, 0};
    renormalizeArea(model, view);
    ASSERT_EQ(model.objCount(), 4);
    // Rows 2, 5 (the special object keeps its row), 7, then page 2.
    EXPECT_EQ(model.object(1), normal(2, 2, 0x30));
    EXPECT_EQ(model.object(2), special(6, 0, 5));
    EXPECT_EQ(model.object(3), normal(3, 7, 0x20));
    EXPECT_EQ(model.object(4), normal(37, 4, 0x10));
    EXPECT_EQ(model.selectedObject, 3);
    EXPECT_EQ(view.viewColumn, 16);
}

TEST(RenormalizeArea, DirectionChangeKeepsPages)
{
    AreaModel model = horizontalArea();
    model.objects = {normal(37, 4, 0x10)};
    model.enemies = {Enemy{1, 34, 10}};
    model.header.setBit(1, 0); // the header dialog made the area vertical
    ViewPosition view{48, 2};
    renormalizeArea(model, view);
    EXPECT_EQ(model.isVertical, 1);
    EXPECT_EQ(model.object(1), normal(5, 34, 0x10));
    EXPECT_EQ(model.enemy(1), (Enemy{1, 2, 40}));
    EXPECT_EQ(view.viewColumn, 2);
    EXPECT_EQ(view.viewRow, 48);

    model.header.setBit(1, 1);
    renormalizeArea(model, view);
    EXPECT_EQ(model.object(1), normal(37, 4, 0x10));
    EXPECT_EQ(model.enemy(1), (Enemy{1, 34, 10}));
}

TEST(EncodeEnemyData, PagesAndClosing)
{
    AreaModel model = horizontalArea();
    model.enemies = {Enemy{0x11, 35, 11}, Enemy{0x3C, 4, 5}, Enemy{0x10, 34, 10}};
    model.enemyLastPage = 2;
    sortEnemies(model);
    EXPECT_EQ(encodeEnemyData(model),
              (std::vector<std::uint8_t>{0x03, 0x3C, 0x45, 0x01, 0x05, 0x10, 0x2A, 0x11, 0x3B, 0x01}));
}

} // namespace
} // namespace quorled
