#pragma once

#include <QImage>

namespace quorled::art {

// The character sprite picture of the character dialog, 192 x 160: one row of
// 40 pixels per character in button order; at x = 48, 64, .. 176 the nine
// frames (16 pixels wide) of pulling a vegetable out of the ground, and at
// x = 16 the character standing. Pixel (1, 1) has the background colour.
QImage drawCharacterPicture();

} // namespace quorled::art
