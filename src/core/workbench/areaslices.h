#pragma once

#include "core/workbench/gameareas.h"

#include <chrono>
#include <cstddef>
#include <set>

namespace quorled {

// The areas a view still has to visit, visited a slice of time at a time
// so that a window lets its events in between: each run visits areas from
// the front of the queue for about the budget (one area at least), in
// visits of as many areas as the time the areas before took says fit.
class AreaSlices {
public:
    using Budget = std::chrono::milliseconds;

    explicit AreaSlices(Budget budget = Budget(40)) : budget_(budget) {}

    // A new budget; the visits start again from one area.
    void setBudget(Budget budget)
    {
        budget_ = budget;
        visitSize_ = 1;
    }
    // Queues areas; each is visited once however often it is queued.
    void add(int area) { queue_.insert(area); }
    void addAll(int count);
    void clear() { queue_.clear(); }
    bool empty() const { return queue_.empty(); }
    std::size_t left() const { return queue_.size(); }

    // Visits queued areas for about the budget, taking them off the queue;
    // true when none is left.
    bool run(const GameAreaSource& source, const GameAreaVisit& visit);

private:
    Budget budget_;
    std::set<int> queue_;
    std::size_t visitSize_ = 4; // areas a visit takes, fitted to the budget
};

} // namespace quorled
