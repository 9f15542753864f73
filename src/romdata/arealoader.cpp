#include "arealoader.h"
#include "areadecodekey.h"

#include "areadecoding.h"
#include "bytes.h"
#include "romimage.h"
#include "romlayout.h"

namespace quorled {

long enemyDataEndFor(const AreaDirectory& directory, ImageKind kind, int area)
{
    const long own = directory.areaEnemyOffset[static_cast<std::size_t>(area)];
    const long next = directory.areaEnemyOffset[static_cast<std::size_t>(area + 1)];
    if (next != own)
        return next;
    long best = romLayout(kind).enemySearchLimit;
    for (int i = 0; i <= lastAreaIndex; ++i) {
        const long offset = directory.areaEnemyOffset[static_cast<std::size_t>(i)];
        if (offset > own && offset < best)
            best = offset;
    }
    return best;
}

std::string areaCaption(int area, const AreaDirectory& directory)
{
    return "Quorl editor -- Area " + hex2(area) + " -- " + directory.areaName(area);
}

decoding::DecodeBounds decodeBoundsFor(const AreaDirectory& directory, ImageKind kind, int area)
{
    return decodeBoundsFor(kind, area, enemyDataEndFor(directory, kind, area));
}

decoding::DecodeBounds decodeBoundsFor(ImageKind kind, int area, long enemyDataEnd)
{
    // The iNES level-data region; the other kinds carry the same stretch
    // moved: a SNES compilation image by the difference of the pointer
    // bases, a disk image by the world's level or enemy shift.
    const auto moved = [](long shift) { return decoding::DataRegion{kLevelRegionStart + shift, kLevelRegionEnd + 1 + shift}; };
    decoding::DecodeBounds bounds;
    bounds.enemyDataEnd = enemyDataEnd;
    switch (kind) {
    case ImageKind::Ines:
        bounds.level = bounds.enemies = moved(0);
        break;
    case ImageKind::Snes:
        bounds.level = bounds.enemies = moved(romLayout(kind).pointerBase - romLayout(ImageKind::Ines).pointerBase);
        break;
    case ImageKind::Fds:
        bounds.level = moved(diskLevelShift(area));
        bounds.enemies = moved(diskEnemyShift(area));
        break;
    }
    return bounds;
}

AreaDecodeKey areaDecodeKey(const AreaDirectory& directory, ImageKind kind, int area)
{
    const decoding::DecodeBounds bounds = decodeBoundsFor(directory, kind, area);
    return {directory.areaLevelOffset[static_cast<std::size_t>(area)],
            directory.areaEnemyOffset[static_cast<std::size_t>(area)],
            bounds.enemyDataEnd,
            bounds.level.start,
            bounds.level.end,
            bounds.enemies.start,
            bounds.enemies.end};
}

AreaModel loadArea(const RomImage& image, const AreaDirectory& directory, ImageKind kind, int area)
{
    return decoding::decodeArea(image, directory, decodeBoundsFor(directory, kind, area), area);
}

} // namespace quorled
