#pragma once

// Drawing helpers confined to one 16 x 16 tile of a SlotSheet. Coordinates are
// tile-local (0..15); pixels outside the tile are dropped.

#include "slotsheet.h"

#include <initializer_list>
#include <string_view>

namespace quorled::artwork {

// Slots of one sub-palette: base 0, 4, 8 or 12 is its background slot.
struct Sub {
    int base = 0;
    int bg() const { return base; }
    int light() const { return base + 1; }
    int mid() const { return base + 2; }
    int dark() const { return base + 3; }
};

class TilePen {
public:
    TilePen(SlotSheet& sheet, int tile) : sheet_(sheet), ox_(16 * (tile % 16)), oy_(16 * (tile / 16)) {}

    void px(int x, int y, int slot)
    {
        if (x >= 0 && y >= 0 && x < 16 && y < 16)
            sheet_.set(ox_ + x, oy_ + y, slot);
    }
    int at(int x, int y) const { return (x >= 0 && y >= 0 && x < 16 && y < 16) ? sheet_.at(ox_ + x, oy_ + y) : 0; }
    void rect(int x0, int y0, int x1, int y1, int slot)
    {
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x)
                px(x, y, slot);
    }
    void fill(int slot) { rect(0, 0, 15, 15, slot); }
    void hline(int x0, int x1, int y, int slot) { rect(x0, y, x1, y, slot); }
    void vline(int x, int y0, int y1, int slot) { rect(x, y0, x, y1, slot); }
    void frame(int x0, int y0, int x1, int y1, int slot)
    {
        hline(x0, x1, y0, slot);
        hline(x0, x1, y1, slot);
        vline(x0, y0, y1, slot);
        vline(x1, y0, y1, slot);
    }
    // Pixel art: 16 rows of 16 characters; '.' leaves the pixel, '0'..'9' and
    // 'a'..'f' are slots, other letters look up `keys` ("Kslot" pairs, e.g. "L9").
    void art(std::initializer_list<std::string_view> rows, std::string_view keys = {})
    {
        int y = 0;
        for (std::string_view row : rows) {
            for (int x = 0; x < static_cast<int>(row.size()); ++x) {
                const int s = slotOf(row[static_cast<std::size_t>(x)], keys);
                if (s >= 0)
                    px(x, y, s);
            }
            ++y;
        }
    }
    // Mirrors the tile left to right (for left / right edge pieces).
    void mirror()
    {
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 8; ++x) {
                const int a = at(x, y), b = at(15 - x, y);
                px(x, y, b);
                px(15 - x, y, a);
            }
    }
    // Copies another tile of the same sheet into this one.
    void copyFrom(int tile)
    {
        const int sx = 16 * (tile % 16), sy = 16 * (tile / 16);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                px(x, y, sheet_.at(sx + x, sy + y));
    }
    // Replaces every pixel of slot `from` by `to`.
    void swapSlot(int from, int to)
    {
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                if (at(x, y) == from)
                    px(x, y, to);
    }

private:
    static int slotOf(char c, std::string_view keys)
    {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        for (std::size_t i = 0; i + 1 < keys.size(); i += 2)
            if (keys[i] == c) {
                const char v = keys[i + 1];
                return v >= 'a' ? v - 'a' + 10 : v - '0';
            }
        return -1;
    }

    SlotSheet& sheet_;
    int ox_;
    int oy_;
};

} // namespace quorled::artwork
