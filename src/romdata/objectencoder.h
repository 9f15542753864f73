#pragma once

#include "areamodel.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quorled {

// Turns drawing coordinates back into stream form, in place: in a horizontal
// area the absolute column's page moves into the row counter (15 rows a
// page); in both directions the column keeps its low four bits.
void foldObjectColumns(AreaModel& model);

// Puts the objects into stream order by row within each run of one layer
// (stable: equal rows keep their order; objects of different layers are never
// exchanged). When `writing`, every special object except a pointer first
// moves to the last row of its page so that it follows the normal objects of
// that page, and a layer switch moves behind every object of its layer.
void sortObjects(AreaModel& model, bool writing);

// Inserts page-skip objects in front of every normal object whose row is more
// than 14 rows below the running row, and in front of every special object
// whose page the running row has not reached, so that the stream can express
// them and a load finds them on their pages.
// An empty list gets the kind-15 object that a load finds in an empty stream.
// Returns a sentence for the user when an object lies above the row a
// page-skip object before it moves to, which no insertion can mend, or when
// a kind-15 object would end the stream early.
std::optional<std::string> repairRowSteps(std::vector<LevelObject>& objects);

// The level data of a folded, sorted and repaired model: the four header
// bytes, the object stream and the end marker.
std::vector<std::uint8_t> encodeLevelData(const AreaModel& model);

} // namespace quorled
