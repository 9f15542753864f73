// The level view's drawing: one screen of a busy horizontal and vertical
// area, the whole-area map of a 16-page area, and the recolouring of the
// working sheet.
#include "allocationcount.h"
#include "benchsetup.h"

#include "romdata/arealoader.h"
#include "view/graphics.h"
#include "view/renderer.h"

#include <benchmark/benchmark.h>

namespace quorled::bench {

namespace {

void drawBusyArea(benchmark::State& state, const BusySpot& spot)
{
    const BenchImage& b = BenchImage::instance();
    GraphicsModel graphics = b.graphics;
    AreaModel area = loadArea(b.image, b.directory, b.kind, spot.area);
    applyLevelPalette(graphics, area, b.directory.worldFirstArea, b.palettes);
    Renderer renderer(graphics, b.palettes);
    ViewState view = spot.view;
    // The first drawing may set up what later ones reuse.
    renderer.drawArea(area, view, b.directory.worldFirstArea);
    const std::uint64_t before = allocationCount();
    for (auto _ : state) {
        view = spot.view;
        renderer.drawArea(area, view, b.directory.worldFirstArea);
        benchmark::DoNotOptimize(renderer.picture().pixels().data());
    }
    state.counters["allocs"] =
        benchmark::Counter(static_cast<double>(allocationCount() - before), benchmark::Counter::kAvgIterations);
    state.SetLabel("area " + std::to_string(spot.area) + " at " + std::to_string(spot.view.viewColumn) + "," +
                   std::to_string(spot.view.viewRow) + ": " + std::to_string(spot.objectsInView) + " objects, " +
                   std::to_string(spot.enemiesInView) + " enemies");
}

void BM_DrawArea_BusyHorizontal(benchmark::State& state) { drawBusyArea(state, BenchImage::instance().horizontal); }
BENCHMARK(BM_DrawArea_BusyHorizontal);

void BM_DrawArea_BusyVertical(benchmark::State& state) { drawBusyArea(state, BenchImage::instance().vertical); }
BENCHMARK(BM_DrawArea_BusyVertical);

void BM_DrawAreaMap_16Pages(benchmark::State& state)
{
    const BenchImage& b = BenchImage::instance();
    GraphicsModel graphics = b.graphics;
    // No demo area is that long: the busy horizontal one, stretched to 16 pages.
    AreaModel area = loadArea(b.image, b.directory, b.kind, b.horizontal.area);
    area.header.setField(17, 4, 15);
    applyLevelPalette(graphics, area, b.directory.worldFirstArea, b.palettes);
    Renderer renderer(graphics, b.palettes);
    const ViewState view = busyViewOptions();
    for (auto _ : state) {
        const Picture map = drawAreaMap(renderer, area, view, b.directory.worldFirstArea);
        benchmark::DoNotOptimize(map.pixels().data());
    }
    state.SetLabel("area " + std::to_string(b.horizontal.area) + ", 16 pages");
}
BENCHMARK(BM_DrawAreaMap_16Pages)->Unit(benchmark::kMicrosecond);

void BM_ApplyLevelPalette(benchmark::State& state)
{
    const BenchImage& b = BenchImage::instance();
    GraphicsModel graphics = b.graphics;
    const AreaModel area = loadArea(b.image, b.directory, b.kind, b.horizontal.area);
    for (auto _ : state) {
        applyLevelPalette(graphics, area, b.directory.worldFirstArea, b.palettes);
        benchmark::DoNotOptimize(graphics.working.pixels().data());
    }
}
BENCHMARK(BM_ApplyLevelPalette);

} // namespace

} // namespace quorled::bench
