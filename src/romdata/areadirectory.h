#pragma once

#include "areanames.h"
#include "imagekind.h"

#include <array>
#include <string>

namespace quorled {

class RomImage;

// Offsets of every area's data in an unmodified iNES image of the game;
// disk images keep no pointer tables and are read through these.
struct DiskImageOffsets {
    std::array<long, kAreaCount> level{};
    std::array<long, kAreaCount> enemy{};
};

// Where each area's data lies, which world it belongs to and its name.
struct AreaDirectory {
    // Index 1..8: the first area number of world i (entry 0 unused).
    std::array<int, 9> worldFirstArea{};
    std::array<long, kAreaCount> areaLevelOffset{};
    // Entry 210 holds no pointer: it is 0, the end bound of area 209.
    std::array<long, kAreaCount + 1> areaEnemyOffset{};

    const std::string& areaName(int area) const { return areaNames()[static_cast<std::size_t>(area)]; }
};

// Reads the directory from the image's tables. A disk image needs the
// offsets taken from a reference image; throws ImageError without them.
AreaDirectory buildAreaDirectory(const RomImage& image, ImageKind kind, const DiskImageOffsets* disk = nullptr);

// The iNES level and enemy offsets of a published image of the game, read
// from its pointer tables. Throws ImageError when the file is too short or
// is not an unmodified image of the game.
DiskImageOffsets diskOffsetsFromReference(const RomImage& inesReference);

// What is added to an area's iNES offsets to find its data in a disk image.
long diskLevelShift(int area);
long diskEnemyShift(int area);

} // namespace quorled
