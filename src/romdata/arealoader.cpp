#include "arealoader.h"

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

AreaModel loadArea(const RomImage& image, const AreaDirectory& directory, ImageKind kind, int area)
{
    return decoding::decodeArea(image, directory, enemyDataEndFor(directory, kind, area), area);
}

} // namespace quorled
