#pragma once

#include <array>
#include <cstdint>

namespace quorled {

// The looping pick-up animation of the character dialog: nine frames, the
// middle six timed by the character's pick-up times, measured against a
// millisecond clock whatever the timer that drives it.
class PickupPreview {
public:
    static constexpr int kFrames = 9;
    static constexpr int kFrameWidth = 16;
    static constexpr int kFrameHeight = 40;

    explicit PickupPreview(std::int64_t now = 0) : frameStart_(now) {}

    int frame() const { return frame_; } // 1..9

    // How long frame f lasts in milliseconds: 1000, 83, then the pick-up
    // times 5, 4, .. 0 in 1/60 s steps (0 counts as one step), then 500.
    static int frameDuration(int frame, const std::array<int, 6>& pickupTimes);

    // Moves on by at most one frame once the current one has lasted longer
    // than its duration. True when the frame changed.
    bool tick(std::int64_t now, const std::array<int, 6>& pickupTimes);

    // Where the current frame lies in the character picture, for the row of
    // the character's button.
    int sourceX() const { return 32 + kFrameWidth * frame_; }
    static int sourceY(int button) { return kFrameHeight * button; }

private:
    int frame_ = 1;
    std::int64_t frameStart_;
};

} // namespace quorled
