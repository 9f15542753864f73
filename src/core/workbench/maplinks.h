#pragma once

#include "romdata/areadirectory.h"
#include "romdata/areamodel.h"
#include "view/viewstate.h"

#include <string>

namespace quorled {

// What the area map says about a door or its pointer: where it leads, as
// the read-outs write it ("Object 4 → area 0B, 1-2, key room, page 3").

// For object `index` (1-based); empty when it is neither a pointer nor a
// door followed by one.
std::string mapLinkText(const AreaModel& area, const AreaDirectory& directory, int index);
// For the door or pointer on an area cell (the topmost one that leads
// somewhere); empty when none lies there.
std::string mapLinkTextAt(const AreaModel& area, const ViewState& view, const AreaDirectory& directory, int column,
                          int row);

} // namespace quorled
