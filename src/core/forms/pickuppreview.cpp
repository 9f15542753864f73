#include "core/forms/pickuppreview.h"

#include <algorithm>
#include <cmath>

namespace quorled {

int PickupPreview::frameDuration(int frame, const std::array<int, 6>& pickupTimes)
{
    if (frame == 1)
        return 1000;
    if (frame == 2)
        return 83;
    if (frame == kFrames)
        return 500;
    const int steps = std::max(1, pickupTimes[static_cast<std::size_t>(8 - frame)]);
    return static_cast<int>(std::nearbyint(steps * 1000.0 / 60.0));
}

bool PickupPreview::tick(std::int64_t now, const std::array<int, 6>& pickupTimes)
{
    const int duration = frameDuration(frame_, pickupTimes);
    if (duration >= now - frameStart_)
        return false;
    frameStart_ += duration;
    frame_ = frame_ % kFrames + 1;
    return true;
}

} // namespace quorled
