#pragma once

#include <array>

namespace quorled {

struct AreaModel;

// The ground setting and ground type in force at each position 0..255 of an
// area: a column of a horizontal area, a row of a vertical one. The header
// gives the values at position 0; special objects of kinds 0 and 1 change
// the setting and kind 6 the type further on.
struct GroundColumns {
    static constexpr int kPositions = 256;
    std::array<int, kPositions> setting{};
    std::array<int, kPositions> type{};

    // The setting at a position, or -1 (no ground) outside 0..255.
    int settingAt(int position) const
    {
        return position >= 0 && position < kPositions ? setting[static_cast<std::size_t>(position)] : -1;
    }
    int typeAt(int position) const
    {
        return position >= 0 && position < kPositions ? type[static_cast<std::size_t>(position)] : 0;
    }
};

// Raw position of a special object of kind 0 or 1: the start of its page
// plus 8 * kind plus (parameter / 32). Objects in drawing coordinates.
int rawGroundChangePosition(const AreaModel& area, int objectIndex);

// Works out both arrays from the header and the ground objects, the objects
// in drawing coordinates. Changes are matched from position 1 on, so one at
// position 0 never takes effect; in a vertical area each list is followed
// in order, one change per position, so a change at or before the position
// of the one before it blocks the rest of its list.
void computeGroundColumns(const AreaModel& area, GroundColumns& out);

} // namespace quorled
