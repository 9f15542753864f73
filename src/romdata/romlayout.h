#pragma once

#include "imagekind.h"

namespace quorled {

// Where the area directory's tables lie in each kind of image (file offsets,
// header included).
struct RomLayout {
    long levelsPerWorld;      // byte i of the levels-per-world table at + i - 1
    bool hasPointerTables;    // disk images keep built-in offsets instead
    long levelPointerLow;     // + area
    long levelPointerHigh;    // + area
    long enemyPointerHigh;    // + 20 * level + slot
    long enemyPointerLow;     // + 20 * level + slot
    long pointerBase;         // added to a 16-bit pointer to give the file offset
    long enemySearchLimit;    // bound for enemy data when no later area has any
};

const RomLayout& romLayout(ImageKind kind);

// Fixed regions of an iNES image.
inline constexpr long kLevelRegionStart = 0x101C9;
inline constexpr long kLevelRegionEnd = 0x1400F;      // last byte, inclusive
inline constexpr long kEnemyPointerBlockStart = 0x12510;
inline constexpr long kEnemyPointerBlockEnd = 0x12707; // last byte, inclusive

} // namespace quorled
