#pragma once

#include "romdata/areamodel.h"

namespace quorled {

// The cells an object covers as the view picks it: `width` columns from
// `left` and `height` rows from `top`. A door pointer shown as a pointer is
// one cell; a negative catalogue size reaches left or up and ends at the
// object's own cell. A size of 0 stays 0 (a click cannot pick it; a
// selection box counts it as one cell).
struct ObjectFootprint {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const ObjectFootprint&) const = default;
};
ObjectFootprint objectFootprint(const AreaModel& area, int index, bool showPointersAsObjects);

} // namespace quorled
