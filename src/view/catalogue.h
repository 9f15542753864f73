#pragma once

#include "romdata/areamodel.h"

#include <array>
#include <string>
#include <vector>

namespace quorled {

// Display names and cell sizes of every object type (by object set) and enemy
// type, and the door types. Built once on first use, read-only afterwards.
// A negative width or height means the object extends left or up from its
// own cell. Indices outside the documented ranges read as an empty name and
// a 1 x 1 size.
class Catalogue {
public:
    static constexpr int kObjectSets = 16;
    static constexpr int kObjectTypes = 257;   // 0x00..0xFF and 256 (special)
    static constexpr int kEnemyTypes = 256;

    static const Catalogue& instance();

    const std::string& objectTypeName(int objectSet, int type) const;
    int objWidth(int objectSet, int type) const;
    int objHeight(int objectSet, int type) const;
    bool isDoorType(int type) const;
    const std::string& specialObjectName(int kind) const;
    int specialObjExtraBytes(int kind) const;
    const std::string& enemyTypeName(int type) const;
    int enemyWidth(int type) const;
    int enemyHeight(int type) const;

private:
    Catalogue();
    void buildSizeTables();
    void buildNameTables();

    static bool validObject(int objectSet, int type);

    std::array<std::array<std::string, kObjectTypes>, kObjectSets> objectNames_;
    std::array<std::array<int, kObjectTypes>, kObjectSets> objWidths_{};
    std::array<std::array<int, kObjectTypes>, kObjectSets> objHeights_{};
    std::array<std::string, 16> specialNames_;
    std::array<std::string, kEnemyTypes> enemyNames_;
    std::array<int, kEnemyTypes> enemyWidths_{};
    std::array<int, kEnemyTypes> enemyHeights_{};
};

// Whether object i (1-based) is the pointer of the door just before it: the
// object before it is a door type and is not itself the pointer of an earlier
// door. Never true while pointers are shown as plain objects, nor for an i
// whose predecessor is not in the list.
bool isDoorPointer(const std::vector<LevelObject>& objects, int i, bool showPointersAsObjects);

} // namespace quorled
