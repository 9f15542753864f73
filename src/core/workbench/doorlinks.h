#pragma once

#include "romdata/areadirectory.h"
#include "romdata/areamodel.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace quorled {

// Where a pointer (special object of kind 5) sends the player, as the game
// reads it: byte 2 the level (0..20), byte 3 the area slot within the level
// (high nibble, 0..9) and the page (low nibble).
struct DoorDestination {
    int level = 0;
    int slot = 0;
    int page = 0;

    int area() const { return 10 * level + slot; }
    // Whether the level and slot name one of the 210 areas.
    bool areaExists() const { return level >= 0 && level <= 20 && slot >= 0 && slot <= 9; }
    bool operator==(const DoorDestination&) const = default;
};

// The destination of a pointer object; none for any other object.
std::optional<DoorDestination> pointerDestination(const LevelObject& object);
// The pointer bytes 2 and 3 that lead to a destination.
std::array<int, 2> pointerBytes(const DoorDestination& destination);

// "→ area 0B, 1-2, key room, page 3"; for a level or slot outside the game
// "→ level 16, slot 0C (no such area), page 3".
std::string destinationText(const DoorDestination& destination, const AreaDirectory& directory);

// One pointer of an area and the door before it (0 when the object before
// the pointer is no door), both 1-based object numbers.
struct DoorLink {
    int door = 0;
    int pointer = 0;
    DoorDestination to;
    bool operator==(const DoorLink&) const = default;
};

// Every pointer of an area, in object order.
std::vector<DoorLink> doorLinks(const AreaModel& model);

// The pointer that belongs to object `index` (1-based): the object itself
// when it is a pointer, or the pointer right after it when it is a door.
std::optional<DoorLink> linkOfObject(const AreaModel& model, int index);

} // namespace quorled
