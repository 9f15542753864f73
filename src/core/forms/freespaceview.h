#pragma once

#include "romdata/freespace.h"

#include <cstdint>
#include <string>
#include <vector>

namespace quorled {

// One shape of the "Total free space" bar: a filled box or a line from
// (x1, y1) to (x2, y2), both corners included, in a 0x00BBGGRR colour.
struct BarShape {
    bool filled = false;
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    std::uint32_t colour = 0;
    bool operator==(const BarShape&) const = default;
};

// What the "Total free space" dialog shows: the value label and the bar
// with its scale, in drawing order. `error` is set when the image could
// not be read (and nothing else is).
struct FreeSpaceView {
    std::string text;
    std::vector<BarShape> shapes;
    std::string error;
};

// The bar: a dark blue box 300 wide and 15 high, the free share over it in
// yellow, and under it a tick every 3 units whose length marks multiples of
// 150, 75, 30 and 15.
FreeSpaceView freeSpaceView(const FreeSpaceCount& count);

} // namespace quorled
