#pragma once

#include "areamodel.h"

namespace quorled {

// Turns decoded object positions into drawing coordinates, in place: in a
// horizontal area the column becomes absolute (16 per page) and the row the
// row within the page; in a vertical area the column is kept within 0..15.
// Running it again changes nothing.
void normalizeObjectCoordinates(AreaModel& model);

} // namespace quorled
