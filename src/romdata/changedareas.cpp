#include "changedareas.h"

#include "areadecodekey.h"
#include "areadecoding.h"
#include "arealoader.h"
#include "arearoom.h"
#include "romimage.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <utility>

namespace quorled {

namespace {

// The runs of bytes that differ, as half-open ranges in ascending order.
// Equal blocks are passed over whole.
std::vector<std::pair<long, long>> changedSpans(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b)
{
    constexpr std::size_t kBlock = 4096;
    std::vector<std::pair<long, long>> spans;
    for (std::size_t block = 0; block < a.size(); block += kBlock) {
        const std::size_t end = std::min(a.size(), block + kBlock);
        if (std::memcmp(a.data() + block, b.data() + block, end - block) == 0)
            continue;
        for (std::size_t i = block; i < end; ++i) {
            if (a[i] == b[i])
                continue;
            // A run that goes on from the block before joins its span.
            if (!spans.empty() && spans.back().second == static_cast<long>(i))
                ++spans.back().second;
            else
                spans.emplace_back(static_cast<long>(i), static_cast<long>(i) + 1);
        }
    }
    return spans;
}

// An image whose bytes from `end` on all read as 0xFF.
struct BytesBefore {
    const RomImage& image;
    long end;
    std::uint8_t read(long offset) const { return offset < end ? image.read(offset) : 0xFF; }
    bool contains(long offset) const { return image.contains(offset); }
};

} // namespace

std::vector<int> areasWithChangedData(const RomImage& before, const RomImage& after, const AreaDirectory& directory,
                                      ImageKind kind)
{
    std::vector<int> changed;
    if (before.size() != after.size()) {
        for (int area = 0; area < kAreaCount; ++area)
            changed.push_back(area);
        return changed;
    }
    const auto spans = changedSpans(before.bytes(), after.bytes());
    if (spans.empty())
        return changed;
    // Whether a changed byte lies in [from, to).
    const auto touched = [&](long from, long to) {
        const auto span = std::lower_bound(spans.begin(), spans.end(), from,
                                           [](const std::pair<long, long>& s, long offset) { return s.second <= offset; });
        return span != spans.end() && span->first < to;
    };
    const TakenOffsets taken(before, directory, kind);
    // Whether the bytes a stream from `start` reads, up to its last byte, or
    // the free run after it that its room may take, hold a change. Together
    // they reach at least the next data after the start, so a change there
    // needs no walk of the stream. Else the stream is walked as if every
    // byte from the first change on were 0xFF: up to that change it reads
    // what it reads in `before`, and it reaches the change in one exactly
    // when it does in the other, so the walk stops there.
    const auto streamTouched = [&](int area, long start, bool level) {
        const auto span = std::lower_bound(spans.begin(), spans.end(), start,
                                           [](const std::pair<long, long>& s, long offset) { return s.second <= offset; });
        if (span == spans.end())
            return false;
        const long change = std::max(start, span->first);
        if (change < taken.next(start))
            return true;
        const BytesBefore clipped{before, change};
        const long levelStart = directory.areaLevelOffset[static_cast<std::size_t>(area)];
        const long enemyStart = directory.areaEnemyOffset[static_cast<std::size_t>(area)];
        const decoding::StreamExtent extent =
            decoding::streamExtent(clipped, decodeBoundsFor(directory, kind, area), levelStart, enemyStart);
        const long last = level ? extent.levelLast : extent.enemyLast;
        return touched(start, std::max(last + 1, taken.next(last)));
    };
    // Areas on the same data and bounds are answered once.
    std::map<AreaDecodeKey, bool> known;
    for (int area = 0; area < kAreaCount; ++area) {
        const auto [answer, added] = known.emplace(areaDecodeKey(directory, kind, area), false);
        if (added)
            answer->second = streamTouched(area, directory.areaLevelOffset[static_cast<std::size_t>(area)], true) ||
                             streamTouched(area, directory.areaEnemyOffset[static_cast<std::size_t>(area)], false);
        if (answer->second)
            changed.push_back(area);
    }
    return changed;
}

} // namespace quorled
