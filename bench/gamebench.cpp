// The whole-game views: all thumbnails of the overview, a search and the
// problem check over all 210 areas, and the problems of one area after an
// edit.
#include "benchsetup.h"

#include "core/workbench/areasearch.h"
#include "core/workbench/gameoverview.h"
#include "core/workbench/problemrules.h"

#include <benchmark/benchmark.h>

namespace quorled::bench {

namespace {

const GameAreas& demoAreas()
{
    static const GameAreas game = [] {
        const BenchImage& b = BenchImage::instance();
        return loadGameAreas(b.image, b.directory, b.kind);
    }();
    return game;
}

void BM_Overview_AllThumbnails(benchmark::State& state)
{
    const BenchImage& b = BenchImage::instance();
    const GameAreas& game = demoAreas();
    for (auto _ : state) {
        // A painter of its own: it keeps what it drew for areas that share data.
        ThumbnailPainter painter(b.graphics, b.palettes);
        for (int area = 0; area < kAreaCount; ++area) {
            Picture thumb = painter.thumbnail(game, area);
            benchmark::DoNotOptimize(thumb.pixels().data());
        }
    }
}
BENCHMARK(BM_Overview_AllThumbnails)->Unit(benchmark::kMillisecond);

void BM_Find_AllAreas(benchmark::State& state)
{
    const GameAreas& game = demoAreas();
    const SearchQuery query = *parseSearchQuery("Cloud");
    std::size_t hits = 0;
    for (auto _ : state) {
        const auto found = findItems(game, query);
        hits = found.size();
        benchmark::DoNotOptimize(found.data());
    }
    if (hits == 0)
        fail("The demo image has no cloud to find.");
}
BENCHMARK(BM_Find_AllAreas)->Unit(benchmark::kMicrosecond);

void BM_Check_AllAreas(benchmark::State& state)
{
    const GameAreas& game = demoAreas();
    for (auto _ : state) {
        const auto problems = checkGame(game);
        benchmark::DoNotOptimize(problems.data());
    }
}
BENCHMARK(BM_Check_AllAreas)->Unit(benchmark::kMicrosecond);

// What the Problems dock does after an edit: the edited area and the tables.
void BM_Problems_AfterEdit(benchmark::State& state)
{
    const BenchImage& b = BenchImage::instance();
    GameAreas game = demoAreas();
    AreaModel& model = game.areas[static_cast<std::size_t>(b.horizontal.area)].editModel();
    for (auto _ : state) {
        model.objects.front().x ^= 1;
        auto problems = checkArea(game, b.horizontal.area);
        auto tables = checkGameTables(game);
        benchmark::DoNotOptimize(problems.data());
        benchmark::DoNotOptimize(tables.data());
    }
}
BENCHMARK(BM_Problems_AfterEdit)->Unit(benchmark::kMicrosecond);

} // namespace

} // namespace quorled::bench
