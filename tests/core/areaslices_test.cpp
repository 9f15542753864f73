// Areas visited a slice of time at a time.
#include "core/workbench/areaslices.h"

#include <gtest/gtest.h>

#include <vector>

namespace quorled {
namespace {

// A source that only notes which areas each visit asks for.
class RecordingSource : public GameAreaSource {
public:
    const GameAreas& heads() const override { return heads_; }
    void visitAreas(const std::vector<int>& which, const GameAreaVisit& visit) const override
    {
        visits.push_back(which);
        for (const int area : which)
            visit(heads_, area);
    }
    int currentArea() const override { return 0; }
    const PaletteTables& palettes() const override { return palettes_; }

    mutable std::vector<std::vector<int>> visits;

private:
    GameAreas heads_;
    PaletteTables palettes_;
};

TEST(AreaSlices, VisitEachQueuedAreaOnceInOrderWithinTheBudget)
{
    RecordingSource source;
    std::vector<int> seen;
    const auto note = [&](const GameAreas&, int area) { seen.push_back(area); };

    // No time at all: every run still visits, and visits shrink to one area.
    AreaSlices slices(AreaSlices::Budget(0));
    for (const int area : {7, 3, 9, 3, 1, 5})
        slices.add(area);
    EXPECT_EQ(slices.left(), 5u);
    int runs = 0;
    while (!slices.run(source, note))
        ++runs;
    EXPECT_EQ(seen, (std::vector<int>{1, 3, 5, 7, 9}));
    EXPECT_EQ(source.visits.front(), (std::vector<int>{1, 3, 5, 7}));
    EXPECT_EQ(source.visits.back(), std::vector<int>{9});
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(slices.empty());
    EXPECT_TRUE(slices.run(source, note)); // nothing left: no visit
    EXPECT_EQ(source.visits.size(), 2u);

    // Time enough: one run takes every area, in visits that grow.
    seen.clear();
    slices.setBudget(AreaSlices::Budget(10000));
    slices.addAll(kAreaCount);
    EXPECT_TRUE(slices.run(source, note));
    EXPECT_EQ(seen.size(), static_cast<std::size_t>(kAreaCount));
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
    EXPECT_LT(source.visits.size(), 20u);
}

} // namespace
} // namespace quorled
