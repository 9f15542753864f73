#include "core/workbench/areaslices.h"

#include <algorithm>
#include <vector>

namespace quorled {

void AreaSlices::addAll(int count)
{
    for (int area = 0; area < count; ++area)
        queue_.insert(area);
}

bool AreaSlices::run(const GameAreaSource& source, const GameAreaVisit& visit)
{
    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    bool first = true;
    while (!queue_.empty() && (first || Clock::now() - start < budget_)) {
        first = false;
        std::vector<int> which;
        while (!queue_.empty() && which.size() < visitSize_) {
            which.push_back(*queue_.begin());
            queue_.erase(queue_.begin());
        }
        const Clock::time_point before = Clock::now();
        source.visitAreas(which, visit);
        // Half the budget's worth of areas at the pace of these.
        const auto perArea = std::max<Clock::duration::rep>(1, (Clock::now() - before).count() /
                                                                    static_cast<Clock::duration::rep>(which.size()));
        const auto fit = std::chrono::duration_cast<Clock::duration>(budget_).count() / 2 / perArea;
        visitSize_ = static_cast<std::size_t>(std::clamp<Clock::duration::rep>(fit, 1, kAreaCount));
    }
    return queue_.empty();
}

} // namespace quorled
