#pragma once

#include "demoareawriter.h"

#include <cstdint>
#include <vector>

namespace quorled {

// What a demo area slot holds: its own area, or the data of the slot before
// it (unused slots, as the game's own layout shares them).
struct DemoAreaDesign {
    bool sharesPrevious = false;
    std::vector<std::uint8_t> level;      // header, objects, end marker
    std::vector<std::uint8_t> enemyPages; // pages without a closing byte
    // Closes the enemy data with a count byte 1 right before the next area's
    // data instead of an empty page, 0xFF and spare 0xFF.
    bool endsAtNextArea = false;
};

// Designs all 210 slots, in area order. The same every run.
std::vector<DemoAreaDesign> designDemoAreas();

} // namespace quorled
