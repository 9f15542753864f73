#pragma once

#include "enemysheets.h"

#include <QImage>

namespace quorled::art {

// A picture for checking the artwork by eye: every enemy type 0x00..0x4A
// drawn from the sheets through the mask (as the level view draws it) on a
// mid-blue background at zoom 2 with its type in hex below, then the four
// sheets and the mask side by side.
QImage drawEnemyPreview(const EnemySheets& sheets);

// A picture enlarged by a whole factor, each pixel a zoom x zoom square.
QImage enlarged(const QImage& image, int zoom);

} // namespace quorled::art
