#include "core/forms/worldbounds.h"

namespace quorled {

WorldBounds::WorldBounds(const std::array<int, 9>& worldFirstArea)
{
    bounds_[0] = -1;
    for (std::size_t k = 1; k <= 8; ++k)
        bounds_[k] = worldFirstArea[k] / 10;
    bounds_[9] = 22;
}

bool WorldBounds::allowed(int button) const
{
    auto b = [this](int k) { return bound(k); };
    if (button >= 0 && button <= 6) {
        const int w = button + 1; // start of world w one slot earlier
        return b(w) > b(w - 1) + 1 && b(w) > b(w + 1) - 4 && b(w) > 0;
    }
    if (button >= 7 && button <= 13) {
        const int w = button - 6; // end of world w one slot later
        return b(w + 1) < b(w) + 4 && b(w + 1) < b(w + 2) - 1 && b(w + 1) < 21;
    }
    switch (button) {
    case 14: return b(1) > b(2) - 4 && b(1) >= 1;
    case 15: return b(1) < b(2) - 1 && b(1) < 20;
    case 16: return b(8) > b(7) + 1 && b(8) >= 1;
    case 17: return b(8) < b(7) + 4 && b(8) < 21;
    default: return false;
    }
}

bool WorldBounds::press(int button)
{
    if (!allowed(button))
        return false;
    int k = 0;
    int step = 0;
    if (button <= 6) {
        k = button + 1;
        step = -1;
    } else if (button <= 13) {
        k = button - 5;
        step = 1;
    } else {
        k = button <= 15 ? 1 : 8;
        step = button % 2 == 0 ? -1 : 1;
    }
    bounds_[static_cast<std::size_t>(k)] += step;
    return true;
}

std::array<std::uint8_t, 8> WorldBounds::tableBytes() const
{
    std::array<std::uint8_t, 8> bytes{};
    for (int k = 1; k <= 8; ++k)
        bytes[static_cast<std::size_t>(k - 1)] = static_cast<std::uint8_t>(bound(k) & 0xFF);
    return bytes;
}

int WorldBounds::squareSlot(int square)
{
    if (square >= kFirstEndSquare)
        return square - kFirstEndSquare;
    if (square >= kFirstStartSquare)
        return square - kFirstStartSquare;
    return square % kSlots;
}

std::uint32_t WorldBounds::squareColour(int square) const
{
    if (square < 0 || square >= kSquares)
        return kOutside;
    const int slot = squareSlot(square);
    if (square >= kFirstEndSquare)
        return slot == bound(8) - 1 ? kMarked : kOutside;
    if (square >= kFirstStartSquare)
        return slot == bound(1) ? kMarked : kOutside;
    const int w = square / kSlots + 1;
    return bound(w) <= slot && slot < bound(w + 1) ? kInside : kOutside;
}

} // namespace quorled
