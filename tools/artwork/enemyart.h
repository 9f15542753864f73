#pragma once

#include "spritecanvas.h"

namespace quorled::art {

// The picture of enemy type 0x00..0x4A over its whole size (16 pixels per
// cell), or an empty 0 x 0 canvas when the type has no picture.
Canvas drawEnemy(int type);

// The groups of pictures; each draws the types it knows into a canvas of the
// enemy's size and returns false for the others.
bool drawWalkers(int type, Canvas& c);
bool drawFlyers(int type, Canvas& c);
bool drawBosses(int type, Canvas& c);
bool drawHazards(int type, Canvas& c);
bool drawItems(int type, Canvas& c);

// Shared parts.
void drawHoodedWalker(Canvas& c, int x, int y, Ink body);
void drawFuseBeetle(Canvas& c, int x, int y);
void drawJarRim(Canvas& c, int x, int y);
void drawSmallFlame(Canvas& c);

} // namespace quorled::art
