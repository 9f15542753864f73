#pragma once

#include "demoareawriter.h"

#include <vector>

namespace quorled {

// The set pieces the demo areas are built from, and the running choices
// that make every object and enemy type turn up somewhere: each piece takes
// the next type of its list, so the areas built one after the other use
// the lists in turn.
class DemoPieces {
public:
    // Fills page `page` of a horizontal area whose ground top is row `ground`.
    void horizontalPage(DemoAreaWriter& w, int page, int ground, int world, int variant);
    // Fills page `page` of a vertical area between its side walls.
    void verticalPage(DemoAreaWriter& w, int page, int world, int variant);
    // Clouds, star background and the like as a second layer over pages.
    void skyLayer(DemoAreaWriter& w, int world);

    int groundEnemy();
    int airEnemy();
    int item();
    int herb();
    // Next size 0..15 of a sized family 0x30..0xF0, limited to `maxSize`.
    int sized(int family, int maxSize);

private:
    int pieceCursor_ = 0;
    int groundCursor_ = 0;
    int airCursor_ = 0;
    int itemCursor_ = 0;
    int herbCursor_ = 0;
    int jarCursor_ = 0;
    int decorCursor_ = 0;
    int sizeCursor_[16] = {};
};

} // namespace quorled
