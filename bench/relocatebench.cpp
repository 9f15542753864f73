// "Move and save": a relocating save of an area grown past its room, which
// tries free runs in order until the move rules accept one.
#include "benchsetup.h"

#include "romdata/arealoader.h"
#include "romdata/relocatingsave.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace quorled::bench {

namespace {

// Each run of the loop saves the next area of the demo image, four enemies
// added, on a copy of the image in memory; so the time is the mean over all
// 210 areas, most of which have to move their enemy data.
void BM_RelocatingSave_FourEnemiesAdded(benchmark::State& state)
{
    const BenchImage& b = BenchImage::instance();
    std::vector<AreaModel> grown;
    for (int area = 0; area < kAreaCount; ++area) {
        grown.push_back(loadArea(b.image, b.directory, b.kind, area));
        for (int i = 0; i < 4; ++i)
            grown.back().enemies.push_back(Enemy{5, 2 + i, 6});
    }
    std::size_t next = 0;
    long moved = 0;
    for (auto _ : state) {
        AreaModel model = grown[next];
        RomImage image = RomImage::fromBytes(b.image.bytes());
        ViewPosition view;
        const RelocatingSave saved = saveWithRelocation(image, b.directory, model, view);
        if (!saved.result.saved)
            fail("The relocating save of area " + std::to_string(next) + " was refused: " +
                 saved.result.refusal->text);
        moved += saved.moves.empty() ? 0 : 1;
        next = (next + 1) % grown.size();
    }
    state.counters["moved"] = benchmark::Counter(static_cast<double>(moved), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_RelocatingSave_FourEnemiesAdded)->Unit(benchmark::kMicrosecond);

} // namespace

} // namespace quorled::bench
