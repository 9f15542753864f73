#pragma once

#include "spritecanvas.h"

namespace quorled::art {

enum class Arms { Side, Reach, Down, Chest, Up };
enum class Place { Ground, Chest, Head };

// One moment of pulling a vegetable: how far the character crouches, where its
// arms are, where the vegetable is and how far it has risen there.
struct FramePose {
    int crouch;
    Arms arms;
    Place vegetable;
    int rise;
};

// A 16 x 40 frame of character 0..3 (button order) in the pose, standing on a
// strip of ground; the vegetable only when `withVegetable`.
Canvas drawPickupFrame(int character, const FramePose& pose, bool withVegetable);

} // namespace quorled::art
