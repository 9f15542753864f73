#pragma once

#include "romdata/areawriter.h"
#include "romdata/arearoom.h"

#include <optional>

#include <ostream>
#include <vector>

namespace quorled::cli {

// Throws ImageError with the title and text of a refused save.
void throwIfRefused(const SaveResult& result);

// "no bytes changed" or "3 bytes changed: $12809, $1280A, $12510".
void printChangedOffsets(const std::vector<long>& offsets, std::ostream& out);

// "Note: areas 06, 07, 08 and 09 use the same data and changed with it",
// on a line of its own, when a save of `area` into `room` (its room before
// the save, none for an area a save refuses) changed other areas too.
void printSharedAreas(const AreaDirectory& directory, int area, const std::optional<AreaRoom>& room,
                      const std::vector<long>& changedOffsets, std::ostream& out);

} // namespace quorled::cli
