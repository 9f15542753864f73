#include "core/forms/freespaceview.h"

#include <cmath>

namespace quorled {

namespace {

constexpr std::uint32_t kBarBack = 0x550000; // red 0, green 0, blue 85
constexpr std::uint32_t kBarFree = 0x00F0FF; // red 255, green 240, blue 0
constexpr std::uint32_t kTick = 0x000000;

int tickLength(int x)
{
    if (x % 150 == 0)
        return 8;
    if (x % 75 == 0)
        return 5;
    if (x % 30 == 0)
        return 3;
    if (x % 15 == 0)
        return 2;
    return 1;
}

} // namespace

FreeSpaceView freeSpaceView(const FreeSpaceCount& count)
{
    FreeSpaceView view;
    view.text = freeSpaceText(count);
    const int freeWidth =
        count.total > 0 ? static_cast<int>(std::nearbyint(300.0 * static_cast<double>(count.free) /
                                                          static_cast<double>(count.total)))
                        : 0;
    view.shapes.push_back({true, 0, 0, 300, 15, kBarBack});
    view.shapes.push_back({true, 0, 0, freeWidth, 15, kBarFree});
    for (int x = 0; x <= 300; x += 3)
        view.shapes.push_back({false, x, 16, x, 16 + tickLength(x), kTick});
    return view;
}

} // namespace quorled
