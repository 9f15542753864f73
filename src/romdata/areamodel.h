#pragma once

#include "headerbits.h"
#include "itemselection.h"

#include <array>
#include <string>
#include <vector>

namespace quorled {

// Type number that every special object carries in place of a type byte.
inline constexpr int kSpecialObjectType = 256;

// One object of the level data. For a normal object `type` is its type byte,
// `x` its column and `y` its row; for a special object `type` is 256 and the
// kind 0..15 lives in the low four bits of `x`. Right after decoding, `x` is
// the column within the page and `y` the running row (page * 15 + row); the
// drawing coordinates are produced by normalizeObjectCoordinates.
struct LevelObject {
    int type = 0;
    int x = 0;
    int y = 0;
    bool special = false;
    int layer = 0;
    // Special object: byte 2 and (three-byte objects only) byte 3. A one-byte
    // special object holds in param[0] the byte that follows it.
    std::array<int, 2> param{0, 0};

    int kind() const { return x & 15; }
    bool operator==(const LevelObject&) const = default;
};

// One enemy: its type byte and its position, in a horizontal area x counts
// 16 columns per page, in a vertical area y counts 16 rows per page.
struct Enemy {
    int type = 0;
    int x = 0;
    int y = 0;
    bool operator==(const Enemy&) const = default;
};

// The decoded area: header, objects and enemies in stream order, and what the
// load found out about the area's place in the image.
struct AreaModel {
    int area = 0;
    long levelDataOffset = 0;
    long enemyDataOffset = 0;
    long enemyDataEnd = 0;
    HeaderBits header;
    int isVertical = 0;
    std::vector<LevelObject> objects;
    std::vector<Enemy> enemies;
    int enemyLastPage = -1;
    int levelSpareFF = 0;
    int enemySpareBytes = 0;
    // Where the load stopped: the level data's end marker and the byte that
    // ended the enemy data.
    long levelEndMarkerOffset = 0;
    long enemyTerminatorOffset = 0;
    // The selection, 1-based as the user sees it ("Object #").
    int selectedObject = 1;
    int selectedEnemy = 1;
    // The items selected together. It counts only while it holds the item
    // above of the current edit mode (the last one clicked); otherwise that
    // item alone is selected, as edits that pick another item leave it.
    ItemSelection group;
    // Problems met while decoding a damaged area, one sentence each.
    std::vector<std::string> damage;

    int objCount() const { return static_cast<int>(objects.size()); }
    int enemyCount() const { return static_cast<int>(enemies.size()); }
    // 1-based access, as the selection counts.
    LevelObject& object(int i) { return objects[static_cast<std::size_t>(i - 1)]; }
    const LevelObject& object(int i) const { return objects[static_cast<std::size_t>(i - 1)]; }
    Enemy& enemy(int i) { return enemies[static_cast<std::size_t>(i - 1)]; }
    const Enemy& enemy(int i) const { return enemies[static_cast<std::size_t>(i - 1)]; }
    // Whether `group` is the selection in edit mode `editMode` (0 objects,
    // 1 enemies): it holds the current item and only numbers in range.
    bool groupActive(int editMode) const
    {
        const bool holdsCurrent = editMode == 1 ? group.hasEnemy(selectedEnemy) : group.hasObject(selectedObject);
        auto inRange = [](const std::vector<int>& list, int count) {
            return list.empty() || (list.front() >= 1 && list.back() <= count);
        };
        return holdsCurrent && inRange(group.objects, objCount()) && inRange(group.enemies, enemyCount());
    }
    bool operator==(const AreaModel&) const = default;
};

} // namespace quorled
