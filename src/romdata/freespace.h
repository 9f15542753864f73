#pragma once

#include <string>

namespace quorled {

class RomImage;

// The free space of the level-data region of an iNES image: every offset of
// the region outside the enemy pointer block counts towards `total`; it
// counts as free when it and the byte after it are both 0xFF, so a run of
// k free bytes gives k - 1 (the last byte of a run may still end a block).
struct FreeSpaceCount {
    long free = 0;
    long total = 0;
};

FreeSpaceCount countFreeSpace(const RomImage& image);

// "F / T bytes   (P%)" with P = F * 100 / T to one decimal.
std::string freeSpaceText(const FreeSpaceCount& count);

} // namespace quorled
