#pragma once

#include "romdata/areadirectory.h"
#include "romdata/areamodel.h"

#include <string>
#include <vector>

namespace quorled {

// What an area's text holds: its header, objects and enemies in list order.
// Coordinates are in the form of the header's scrolling direction, as the
// loader gives them; object layers follow from the layer-switch objects.
struct AreaItems {
    HeaderBits header;
    std::vector<LevelObject> objects;
    std::vector<Enemy> enemies;
    bool operator==(const AreaItems&) const = default;
};

AreaItems areaItems(const AreaModel& model);

// "areas/0A.txt".
std::string areaTextPath(int area);

// The area as text: a comment with its number and name, the header line,
// then one line per object and per enemy, fields hexadecimal, the type's
// name as a comment, and the closing "end". The same model always gives
// the same text.
std::string writeAreaText(const AreaModel& model, const AreaDirectory& directory);

// Reads such a text strictly. Throws ProjectTextError naming `path`, the
// line and column, and what was expected there.
AreaItems readAreaText(const std::string& path, const std::string& text);

// Puts the items into the model as a save takes them (scrolling direction
// from the header, layers from the layer switches).
void applyAreaItems(const AreaItems& items, AreaModel& model);

} // namespace quorled
