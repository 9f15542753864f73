// Lit entrances: a bright doorway with light spilling out to one side.

#include "theme.h"

namespace quorled::artwork {
namespace {

constexpr int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};

// Doorway cell: frame on the left, bright opening.
void doorway(TilePen p, const Theme& t, bool lower)
{
    const Sub frame = t.rock;
    p.rect(3, 0, 15, 15, t.sky.light());
    p.vline(0, 0, 15, frame.light());
    p.vline(1, 0, 15, frame.mid());
    p.vline(2, 0, 15, frame.dark());
    if (lower) {
        p.hline(0, 15, 15, frame.dark());
        p.hline(3, 15, 14, t.sky.mid());
    }
}

// Light that fades from `from` to `to` (0..16 of 16 pixels lit) across the cell.
void light(TilePen p, const Theme& t, int from, int to, bool lower)
{
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            // beams of two rows, with fainter light between them
            const int full = from + (to - from) * x / 16;
            const int density = (y % 4 < 2) ? full : full / 3;
            if (kBayer[y % 4][(x + y / 4) % 4] < density)
                p.px(x, y, t.sky.light());
        }
    if (lower)
        for (int x = 0; x < 16; ++x)
            if (kBayer[3][x % 4] < from + (to - from) * x / 16)
                p.px(x, 14, t.sky.mid());
}

} // namespace

void drawEntrances(SlotSheet& sheet, const Theme& t)
{
    for (int row = 0; row < 2; ++row) {
        const bool lower = row == 1;
        doorway(TilePen(sheet, 37 + 16 * row), t, lower);
        light(TilePen(sheet, 38 + 16 * row), t, 14, 7, lower);
        light(TilePen(sheet, 39 + 16 * row), t, 7, 0, lower);
        // the same facing left: 40 is the doorway, 41 and 42 run left of it
        for (int k = 0; k < 3; ++k) {
            TilePen p(sheet, 40 + k + 16 * row);
            p.copyFrom(37 + k + 16 * row);
            p.mirror();
        }
    }
}

} // namespace quorled::artwork
