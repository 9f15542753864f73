#include "freespace.h"

#include "romimage.h"
#include "romlayout.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <cmath>

namespace quorled {

namespace {

// How many of the eight offsets from `at` hold 0xFF in both their byte and
// the next (reads at + 0 .. at + 8): the bytes of the two overlapping words
// ANDed are 0xFF exactly there, and those are counted as the zero bytes of
// the complement.
long freePairsInWord(const std::uint8_t* at)
{
    std::uint64_t here = 0;
    std::uint64_t next = 0;
    std::memcpy(&here, at, 8);
    std::memcpy(&next, at + 1, 8);
    const std::uint64_t x = ~(here & next);
    constexpr std::uint64_t low7 = 0x7F7F7F7F7F7F7F7FULL;
    // The top bit of each byte is set exactly where that byte of x is 0.
    const std::uint64_t zero = ~(((x & low7) + low7) | x | low7);
    return std::popcount(zero);
}

} // namespace

FreeSpaceCount countFreeSpace(const RomImage& image)
{
    FreeSpaceCount count;
    const std::uint8_t* bytes = image.bytes().data();
    const long size = image.size();
    // Past the end of the file bytes read as 0xFF.
    const auto freeAt = [&](long o) { return o >= size || bytes[o] == 0xFF; };
    // The offsets first..last (inclusive) whose byte and the next are free:
    // a plain pass over the bytes where both lie in the file.
    const auto countPairs = [&](long first, long last) {
        count.total += last - first + 1;
        const long inFile = std::min(last, size - 2);
        long o = first;
        for (; o + 7 <= inFile; o += 8)
            count.free += freePairsInWord(bytes + o);
        for (; o <= inFile; ++o)
            count.free += (bytes[o] & bytes[o + 1]) == 0xFF;
        for (long o = std::max(first, inFile + 1); o <= last; ++o)
            count.free += freeAt(o) && freeAt(o + 1);
    };
    countPairs(kLevelRegionStart, kEnemyPointerBlockStart - 1);
    countPairs(kEnemyPointerBlockEnd + 1, kLevelRegionEnd);
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
