#pragma once

#include "romdata/areamodel.h"
#include "view/viewstate.h"

#include <string>

namespace quorled {

// The status bar's text for the cell under the pointer: its page, column
// and row in hexadecimal as the read-outs write numbers, and the name of
// the item there ("Page 02  X:0A  Y:05  Enemy: ..."). A horizontal area
// counts 16 columns to a page, a vertical one 15 rows. Pixels are those of
// the 256 x 240 view picture.
std::string pointerCellText(const AreaModel& area, const ViewState& view, double x, double y);

} // namespace quorled
