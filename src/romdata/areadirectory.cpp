#include "areadirectory.h"

#include "areadecoding.h"
#include "bytes.h"
#include "imageerror.h"
#include "romimage.h"
#include "romlayout.h"
#include "shownname.h"

namespace quorled {

namespace {

// Added to the iNES offsets per world (areas 0..29, 30..59, ...) in a disk image.
constexpr long kDiskLevelShift[7] = {0xFB6, 0x1D1C, 0x2A40, 0x37EB, 0x4558, 0x529D, 0x5EE8};
constexpr long kDiskEnemyShift[7] = {-0x1095, 0x33, 0x114F, 0x2203, 0x32BB, 0x447A, 0x5463};

} // namespace

long diskLevelShift(int area) { return kDiskLevelShift[area / 30]; }
long diskEnemyShift(int area) { return kDiskEnemyShift[area / 30]; }

AreaDirectory buildAreaDirectory(const RomImage& image, ImageKind kind, const DiskImageOffsets* disk)
{
    const RomLayout& layout = romLayout(kind);
    AreaDirectory directory;
    decoding::readDirectoryTables(image, layout, directory);
    if (!layout.hasPointerTables) {
        if (disk == nullptr)
            throw ImageError("A disk image needs a published iNES image of the game as its reference, "
                             "to know where each area's data lies.");
        for (int area = 0; area < kAreaCount; ++area) {
            const auto a = static_cast<std::size_t>(area);
            directory.areaLevelOffset[a] = disk->level[a] + diskLevelShift(area);
            directory.areaEnemyOffset[a] = disk->enemy[a] + diskEnemyShift(area);
        }
    }
    directory.areaEnemyOffset[kAreaCount] = 0;
    return directory;
}

DiskImageOffsets diskOffsetsFromReference(const RomImage& reference)
{
    const long needed = minimumImageLength(ImageKind::Ines);
    if (reference.size() < needed)
        throw ImageError("The reference image " + shownName(reference.path()) + " is too short: it has " +
                         std::to_string(reference.size()) + " bytes, and an iNES image needs at least " +
                         std::to_string(needed) + " bytes.");
    AreaDirectory directory;
    decoding::readDirectoryTables(reference, romLayout(ImageKind::Ines), directory);

    struct Known {
        int area;
        long level;
        long enemy; // 0: not checked
    };
    constexpr Known kPublished[] = {{0, 0x101C9, 0x12708}, {1, 0x101EA, 0x12711}, {2, 0x1023A, 0x12726},
                                    {5, 0x10335, 0},       {209, 0x1242F, 0x1302F}};
    for (const Known& known : kPublished) {
        const auto a = static_cast<std::size_t>(known.area);
        const bool levelDiffers = directory.areaLevelOffset[a] != known.level;
        const bool enemyDiffers = known.enemy != 0 && directory.areaEnemyOffset[a] != known.enemy;
        if (levelDiffers || enemyDiffers)
            throw ImageError("The reference image " + shownName(reference.path()) +
                             " is not an unmodified image of the game (area " + hex2(known.area) +
                             " has its data at " + hexAddress(directory.areaLevelOffset[a]) + " and " +
                             hexAddress(directory.areaEnemyOffset[a]) +
                             "). Offsets from a modified image would make later writes land in the wrong place.");
    }
    DiskImageOffsets offsets;
    for (std::size_t a = 0; a < kAreaCount; ++a) {
        offsets.level[a] = directory.areaLevelOffset[a];
        offsets.enemy[a] = directory.areaEnemyOffset[a];
    }
    return offsets;
}

} // namespace quorled
