#pragma once

#include <string>

namespace quorled {

// The value labels of the "Level information" dialog.
struct LevelInfo {
    std::string areaName;
    std::string areaNumber; // two upper-case hex digits
    std::string objectData; // level data offset, upper-case hex
    std::string enemyData;  // enemy data offset, upper-case hex
    std::string objects;    // number of objects, decimal
    std::string enemies;    // number of enemies, decimal
};

} // namespace quorled
