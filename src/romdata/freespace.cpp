#include "freespace.h"

#include "romimage.h"
#include "romlayout.h"

#include <cmath>

namespace quorled {

FreeSpaceCount countFreeSpace(const RomImage& image)
{
    FreeSpaceCount count;
    const std::uint8_t* bytes = image.bytes().data();
    const long size = image.size();
    // Past the end of the file bytes read as 0xFF.
    const auto freeAt = [&](long o) { return o >= size || bytes[o] == 0xFF; };
    for (long o = kLevelRegionStart; o <= kLevelRegionEnd; ++o) {
        if (o == kEnemyPointerBlockStart)
            o = kEnemyPointerBlockEnd + 1;
        ++count.total;
        if (freeAt(o) && freeAt(o + 1))
            ++count.free;
    }
    return count;
}

std::string freeSpaceText(const FreeSpaceCount& count)
{
    // Tenths of a percent, halves to the even neighbour.
    const long tenths =
        count.total > 0 ? static_cast<long>(std::nearbyint(static_cast<double>(count.free) * 1000.0 /
                                                           static_cast<double>(count.total)))
                        : 0;
    return std::to_string(count.free) + " / " + std::to_string(count.total) + " bytes   (" +
           std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + "%)";
}

} // namespace quorled
