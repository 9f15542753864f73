#include "core/editing/areaediting.h"

#include <gtest/gtest.h>

namespace quorled {
namespace {

LevelObject normal(int x, int y, int layer = 0, int type = 0x31)
{
    LevelObject o;
    o.type = type;
    o.x = x;
    o.y = y;
    o.layer = layer;
    return o;
}

LevelObject special(int page, int kind, int y, int layer = 0)
{
    LevelObject o;
    o.type = kSpecialObjectType;
    o.special = true;
    o.x = 16 * page + kind;
    o.y = y;
    o.layer = layer;
    return o;
}

AddObjectRequest normalRequest(const std::string& x, const std::string& y, const std::string& z = "0",
                               const std::string& type = "0")
{
    return {false, 0, x, y, z, type};
}

AddObjectRequest specialRequest(int kind, const std::string& x, const std::string& y = "0")
{
    return {true, kind, x, y, "0", "0"};
}

TEST(AreaEditingAdd, FreeSpaceDecidesWhatFits)
{
    AreaModel area;
    area.levelSpareFF = 1;
    const auto refused = AreaEditing::addObject(area, normalRequest("3", "4"));
    ASSERT_TRUE(refused);
    EXPECT_EQ(*refused, (Notice{"Not enough free space to add object!", "Can't add object!", NoticeIcon::Information}));
    EXPECT_EQ(area.objCount(), 0);
    EXPECT_EQ(area.levelSpareFF, 1);

    // "Type 2 (1 byte)" fits the last byte; then nothing fits any more.
    EXPECT_FALSE(AreaEditing::addObject(area, specialRequest(2, "0")));
    EXPECT_EQ(area.levelSpareFF, 0);
    EXPECT_EQ(area.objCount(), 1);
    EXPECT_TRUE(AreaEditing::addObject(area, specialRequest(2, "0")));
    EXPECT_TRUE(AreaEditing::addObject(area, specialRequest(4, "0")));
    EXPECT_EQ(area.objCount(), 1);
    EXPECT_EQ(area.levelSpareFF, 0);
}

TEST(AreaEditingAdd, SpecialObjectsBookTheirOwnSize)
{
    for (int kind = 0; kind <= 6; ++kind) {
        AreaModel area;
        area.levelSpareFF = 10;
        ASSERT_FALSE(AreaEditing::addObject(area, specialRequest(kind, "0")));
        const int expected = kind == 5 ? 3 : (kind >= 2 && kind <= 4) ? 1 : 2;
        EXPECT_EQ(10 - area.levelSpareFF, expected) << "kind " << kind;
    }
}

TEST(AreaEditingAdd, GoesInFrontOfTheFirstObjectOfItsLayer)
{
    AreaModel area;
    area.levelSpareFF = 20;
    for (int i = 1; i <= 4; ++i)
        area.objects.push_back(normal(i, 1, 0));
    for (int i = 5; i <= 9; ++i)
        area.objects.push_back(normal(i, 1, 1));
    ASSERT_FALSE(AreaEditing::addObject(area, normalRequest("40", "7", "1", "18")));
    EXPECT_EQ(area.objCount(), 10);
    EXPECT_EQ(area.selectedObject, 5);
    EXPECT_EQ(area.object(5), normal(40, 7, 1, 18));
    EXPECT_EQ(area.object(6).x, 5);
    EXPECT_EQ(area.levelSpareFF, 18);

    // No object of layer 7: appended, and the layer is stored at once.
    ASSERT_FALSE(AreaEditing::addObject(area, normalRequest("2", "3", "7")));
    EXPECT_EQ(area.selectedObject, 11);
    EXPECT_EQ(area.object(11).layer, 7);
    EXPECT_EQ(area.levelSpareFF, 16);
}

TEST(AreaEditingAdd, NumbersAreReadAndRoundedAsTyped)
{
    AreaModel area;
    area.levelSpareFF = 100;
    // Every new object of layer 0 goes in front: the newest is object 1.
    ASSERT_FALSE(AreaEditing::addObject(area, normalRequest("16.5", " 17.5", "0", "300")));
    EXPECT_EQ(area.selectedObject, 1);
    EXPECT_EQ(area.object(1).x, 16);
    EXPECT_EQ(area.object(1).y, 18);
    EXPECT_EQ(area.object(1).type, 44);
    EXPECT_FALSE(area.object(1).special);
    ASSERT_FALSE(AreaEditing::addObject(area, normalRequest("3x", "x3", "0", "-5")));
    EXPECT_EQ(area.object(1).x, 3);
    EXPECT_EQ(area.object(1).y, 0);
    EXPECT_EQ(area.object(1).type, 5);

    // The page of X stays and the kind takes the low four bits.
    ASSERT_FALSE(AreaEditing::addObject(area, specialRequest(5, "37", "4")));
    EXPECT_EQ(area.object(1).x, 37);
    ASSERT_FALSE(AreaEditing::addObject(area, specialRequest(5, "40")));
    EXPECT_EQ(area.object(1).x, 37);
    EXPECT_TRUE(area.object(1).special);
    EXPECT_EQ(area.object(1).type, kSpecialObjectType);
    EXPECT_EQ(area.object(1).param, (std::array<int, 2>{0, 0}));
}

TEST(AreaEditingAdd, NumbersBeyondSixteenBitsAreRefusedWithoutChange)
{
    AreaModel area;
    area.levelSpareFF = 100;
    const auto refused = AreaEditing::addObject(area, normalRequest("99999", "1"));
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->title, "Can't add object!");
    EXPECT_NE(refused->text.find("99999"), std::string::npos);
    EXPECT_TRUE(AreaEditing::addObject(area, normalRequest("1", "-99999")));
    EXPECT_TRUE(AreaEditing::addObject(area, normalRequest("1", "1", "40000")));
    EXPECT_EQ(area.objCount(), 0);
    EXPECT_EQ(area.levelSpareFF, 100);
}

TEST(AreaEditingEnemy, NeedsABytePerPageUpToTheView)
{
    AreaModel area;
    area.enemyLastPage = 1;
    area.enemySpareBytes = 3;
    ViewState view;
    view.viewColumn = 48;
    view.viewRow = 2;
    EXPECT_EQ(AreaEditing::enemyAddBytes(area, view), 4);
    const auto refused = AreaEditing::addEnemy(area, view);
    ASSERT_TRUE(refused);
    EXPECT_EQ(*refused, (Notice{"Not enough free space!", "Can't add an enemy!", NoticeIcon::None}));
    EXPECT_EQ(area.enemyCount(), 0);
    EXPECT_EQ(area.enemySpareBytes, 3);

    area.enemySpareBytes = 4;
    ASSERT_FALSE(AreaEditing::addEnemy(area, view));
    EXPECT_EQ(area.enemySpareBytes, 0);
    ASSERT_EQ(area.enemyCount(), 1);
    EXPECT_EQ(area.enemy(1), (Enemy{1, 48, 2}));
    EXPECT_EQ(area.selectedEnemy, 1);
    EXPECT_EQ(area.enemyLastPage, 1);

    // A view on a page already in use needs only the two bytes.
    view.viewColumn = 16;
    EXPECT_EQ(AreaEditing::enemyAddBytes(area, view), 2);
}

TEST(AreaEditingDelete, GivesBytesBackAndKeepsASelectionInTheList)
{
    AreaModel area;
    area.levelSpareFF = 0;
    area.objects = {normal(1, 1), special(2, 5, 15), normal(3, 3)};
    area.selectedObject = 3;
    AreaEditing::deleteSelected(area, 0);
    EXPECT_EQ(area.objCount(), 2);
    EXPECT_EQ(area.selectedObject, 2);
    EXPECT_EQ(area.levelSpareFF, 2);
    AreaEditing::deleteSelected(area, 0);
    EXPECT_EQ(area.levelSpareFF, 5);
    EXPECT_EQ(area.selectedObject, 1);
    AreaEditing::deleteSelected(area, 0);
    EXPECT_EQ(area.objCount(), 0);
    EXPECT_EQ(area.selectedObject, 0);
    EXPECT_EQ(area.levelSpareFF, 7);
    // An empty list gives nothing back.
    AreaEditing::deleteSelected(area, 0);
    EXPECT_EQ(area.levelSpareFF, 7);

    area.enemies = {{1, 2, 3}, {4, 5, 6}};
    area.selectedEnemy = 1;
    AreaEditing::deleteSelected(area, 1);
    EXPECT_EQ(area.enemies, (std::vector<Enemy>{{4, 5, 6}}));
    EXPECT_EQ(area.selectedEnemy, 1);
    EXPECT_EQ(area.enemySpareBytes, 2);
}

TEST(AreaEditingDelete, EverythingGivesBackEveryByte)
{
    AreaModel area;
    area.objects = {normal(1, 1), special(0, 2, 15), special(1, 5, 15), special(1, 0, 15), normal(3, 3)};
    area.enemies = {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}};
    area.selectedObject = 2;
    area.selectedEnemy = 2;
    AreaEditing::deleteAll(area);
    EXPECT_EQ(area.objCount(), 0);
    EXPECT_EQ(area.enemyCount(), 0);
    EXPECT_EQ(area.levelSpareFF, 2 + 1 + 3 + 2 + 2);
    EXPECT_EQ(area.enemySpareBytes, 6);
    EXPECT_EQ(area.selectedObject, 0);
    EXPECT_EQ(area.selectedEnemy, 0);
}

TEST(AreaEditingFreeSpace, CountsWithTheirPlural)
{
    AreaModel area;
    area.levelSpareFF = 1;
    area.enemySpareBytes = 0;
    EXPECT_EQ(AreaEditing::freeSpaceNotice(area),
              (Notice{"Objects: 1 byte\nEnemy: 0 byte", "Free space for this level", NoticeIcon::None}));
    area.levelSpareFF = 2;
    area.enemySpareBytes = 17;
    EXPECT_EQ(AreaEditing::freeSpaceNotice(area).text, "Objects: 2 bytes\nEnemy: 17 bytes");
}

} // namespace
} // namespace quorled
