#pragma once

#include "../areanames.h"
#include "demoareas.h"

#include <array>
#include <cstdint>
#include <vector>

namespace quorled {

// Where the demo areas landed in the iNES image.
struct DemoLayout {
    std::array<long, kAreaCount> level{};
    std::array<long, kAreaCount> enemy{};
    // Each world's stretch of level data and of enemy data (spare bytes
    // included, end exclusive). A disk image carries each stretch moved by
    // the world's amount.
    std::array<long, 7> worldLevelStart{};
    std::array<long, 7> worldLevelEnd{};
    std::array<long, 7> worldEnemyStart{};
    std::array<long, 7> worldEnemyEnd{};
};

// The published offsets every demo image keeps.
inline constexpr long kDemoArea0Level = 0x101C9;
inline constexpr long kDemoArea1Level = 0x101EA;
inline constexpr long kDemoArea2Level = 0x1023A;
inline constexpr long kDemoArea5Level = 0x10335;
inline constexpr long kDemoArea209Level = 0x1242F;
inline constexpr long kDemoArea0Enemy = 0x12708;
inline constexpr long kDemoArea1Enemy = 0x12711;
inline constexpr long kDemoArea2Enemy = 0x12726;
inline constexpr long kDemoArea209Enemy = 0x1302F;
// Enemy data stays below this offset: in a SNES compilation image the same
// stretch, moved, holds the character table there.
inline constexpr long kDemoEnemyDataLimit = 0x13A50;

// Writes the level and enemy data of the designed areas into an iNES image
// (whose level-data region must be 0xFF) so that every world's data, moved
// into a disk image, overlaps no other. Throws ImageError when the designs
// do not fit.
DemoLayout placeDemoAreas(const std::vector<DemoAreaDesign>& designs, std::vector<std::uint8_t>& ines);

} // namespace quorled
