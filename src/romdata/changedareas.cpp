#include "changedareas.h"

#include "areadecoding.h"
#include "arealoader.h"
#include "arearoom.h"
#include "romimage.h"

#include <algorithm>
#include <tuple>
#include <utility>

namespace quorled {

namespace {

// The runs of bytes that differ, as half-open ranges in ascending order.
std::vector<std::pair<long, long>> changedSpans(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b)
{
    std::vector<std::pair<long, long>> spans;
    auto i = a.begin();
    auto j = b.begin();
    while (true) {
        std::tie(i, j) = std::mismatch(i, a.end(), j, b.end());
        if (i == a.end())
            break;
        const long first = i - a.begin();
        while (i != a.end() && *i != *j) {
            ++i;
            ++j;
        }
        spans.emplace_back(first, i - a.begin());
    }
    return spans;
}

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
    // The bytes read for a stream from `start` whose last byte is `last`,
    // and the free run after it that its room may take.
    const auto footprintTouched = [&](long start, long last) {
        return touched(start, std::max(last + 1, nextTakenOffset(before, directory, kind, last)));
    };
    for (int area = 0; area < kAreaCount; ++area) {
        const long level = directory.areaLevelOffset[static_cast<std::size_t>(area)];
        const long enemy = directory.areaEnemyOffset[static_cast<std::size_t>(area)];
        const decoding::StreamExtent extent =
            decoding::streamExtent(before, decodeBoundsFor(directory, kind, area), level, enemy);
        if (footprintTouched(level, extent.levelLast) || footprintTouched(enemy, extent.enemyLast))
            changed.push_back(area);
    }
    return changed;
}

} // namespace quorled
