#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace quorled {

struct AreaModel;
class HeaderBits;
struct ViewState;

// The texts of the selection read-outs beside the level view.
struct ReadoutTexts {
    std::string objectNumber;   // "Object #001"
    std::string objectPosition; // "X:9F   Y:03   Z:00"
    std::string objectType;     // "Object type: 1A", "Parameter: ..", "Parameters: .."
    std::string objectName;
    std::string enemyNumber;    // "Enemy #001"
    std::string enemyPosition;  // "X:35   Y:0A"
    std::string enemyType;      // "Enemy type: 01"
    std::string enemyName;
};

// The header bits as the header panel shows them: the colour of each of
// the 32 bit boxes and the text of digits.
struct HeaderBitsDisplay {
    std::array<std::uint32_t, 32> boxColours{};
    std::string text;
};

// Texts for the selected object and enemy. A negative selectedEnemy is set
// to 0 (after its number has been shown). An index with no object or enemy
// behind it shows its number and "Nothing".
ReadoutTexts updateReadouts(AreaModel& area, const ViewState& view);

// Box colours from `bitBoxColours` indexed by each bit's value, and the
// digits: each preceded by a blank, one more blank after every byte.
HeaderBitsDisplay showHeaderBits(const HeaderBits& header, const std::array<std::uint32_t, 3>& bitBoxColours);

// After a keyboard selection or move of an object: clamps the selection,
// scrolls so the object is eight cells from the edge when it left the view,
// and moves a door's pointer object to the door's page and row when
// pointersFollowDoors is on.
void followSelectedObject(AreaModel& area, ViewState& view);

// While an object is dragged: as followSelectedObject, but scrolls only as
// far as needed to keep the object in view.
void trackDraggedObject(AreaModel& area, ViewState& view);

// After a keyboard selection or move of an enemy: clamps the selection,
// scrolls to it and keeps it within the area's enemy pages, opening one more
// page when a spare byte is left for it.
void followSelectedEnemy(AreaModel& area, ViewState& view);

} // namespace quorled
