#pragma once

#include <array>
#include <cstdint>

namespace quorled {

// The rules of the "Change number of levels in worlds" dialog without its
// widgets: the world boundaries, the eighteen "<" / ">" buttons and the
// colours of the 189 squares.
//
// bound(k), k = 1..8, is the number of level slots before world k, so world
// k (1..7) owns slots bound(k) .. bound(k + 1) - 1 and bound(8) counts the
// slots in use; bound(0) = -1 and bound(9) = 22 only limit the outer worlds.
class WorldBounds {
public:
    static constexpr int kSlots = 21;
    static constexpr int kWorlds = 7;
    static constexpr int kButtons = 18;
    static constexpr int kSquares = 189;
    static constexpr int kFirstStartSquare = 147; // "Start :" row
    static constexpr int kFirstEndSquare = 168;   // "End :" row

    // Square colours, 0xRRGGBB.
    static constexpr std::uint32_t kOutside = 0x404040;
    static constexpr std::uint32_t kInside = 0xFFEA00;
    static constexpr std::uint32_t kMarked = 0xCECAFE;

    // From the first area number of each world (index 1..8, ten areas a slot).
    explicit WorldBounds(const std::array<int, 9>& worldFirstArea);

    int bound(int k) const { return bounds_[static_cast<std::size_t>(k)]; }

    // Buttons: 0..6 "<" of worlds 1..7, 7..13 ">" of worlds 1..7, 14 "<" and
    // 15 ">" of the "Start :" row, 16 "<" and 17 ">" of the "End :" row.
    bool allowed(int button) const;
    // Moves the button's boundary by one slot when allowed; whether it moved.
    bool press(int button);

    // The eight table bytes: the low byte of bound(1) .. bound(8).
    std::array<std::uint8_t, 8> tableBytes() const;

    // Colour of square 0..188. Squares are only marked for slots 0..20, so a
    // boundary outside them (a damaged table) marks nothing.
    std::uint32_t squareColour(int square) const;
    // The level slot 0..20 a square stands for.
    static int squareSlot(int square);

private:
    std::array<int, 10> bounds_{};
};

} // namespace quorled
