// Crafted images within the limits: every area on one block of 9,000 layer
// switches, and every area on its own place inside such a block; and the
// zoom of the largest map picture a render may write.
#include "benchsetup.h"

#include "assets/imageconversion.h"
#include "cli/commands.h"
#include "core/workbench/areasearch.h"
#include "core/workbench/gameoverview.h"
#include "core/workbench/gamestats.h"
#include "core/workbench/problemrules.h"
#include "romdata/arealoader.h"
#include "romdata/filestore.h"
#include "view/renderer.h"

#include <benchmark/benchmark.h>

#include <sstream>

namespace quorled::bench {

namespace {

// The demo image with 9,000 layer switches at $10400 and an empty enemy
// block at $13800; area a's level data at $10400 + step * a.
std::string craftedImage(const std::string& name, long step)
{
    const BenchImage& b = BenchImage::instance();
    std::vector<std::uint8_t> bytes = b.image.bytes();
    constexpr long kLevel = 0x10400;
    constexpr long kEnemy = 0x13800;
    std::copy_n(std::vector<std::uint8_t>{0x50, 0x08, 0x00, 0x00}.begin(), 4, bytes.begin() + kLevel);
    std::fill_n(bytes.begin() + kLevel + 4, 9000, 0xF4);
    bytes[kLevel + 4 + 9000] = 0xFF;
    bytes[kEnemy] = 0x01;
    bytes[kEnemy + 1] = 0xFF;
    const auto pointer = [&](long low, long high, long offset) {
        bytes[static_cast<std::size_t>(low)] = static_cast<std::uint8_t>((offset - 0x8010) & 0xFF);
        bytes[static_cast<std::size_t>(high)] = static_cast<std::uint8_t>((offset - 0x8010) >> 8);
    };
    for (int area = 0; area < kAreaCount; ++area) {
        pointer(0x10025 + area, 0x100F7 + area, kLevel + step * area);
        const long group = 20L * (area / 10) + area % 10;
        pointer(0x1256E + group, 0x12564 + group, kEnemy);
    }
    const std::string path = b.file(name);
    writeWholeFile(path, bytes);
    return path;
}

void runCommand(benchmark::State& state, const std::vector<std::string>& words)
{
    std::ostringstream out;
    for (auto _ : state) {
        out.str({});
        cli::runCli(words, out, out);
    }
}

void BM_Verify_AllAreasOnOneLayerBlock(benchmark::State& state)
{
    runCommand(state, {"verify", craftedImage("layers.nes", 0)});
}
BENCHMARK(BM_Verify_AllAreasOnOneLayerBlock)->Unit(benchmark::kMillisecond);

void BM_Directory_AreasAtTheirOwnPlacesOfOneBlock(benchmark::State& state)
{
    runCommand(state, {"directory", craftedImage("distinct.nes", 2)});
}
BENCHMARK(BM_Directory_AreasAtTheirOwnPlacesOfOneBlock)->Unit(benchmark::kMillisecond);

// 210 different models of up to 9,000 objects each (1.9 million in all):
// every one decoded, measured against its room and checked or counted.
void BM_Check_AreasAtTheirOwnPlacesOfOneBlock(benchmark::State& state)
{
    runCommand(state, {"check", craftedImage("distinct-check.nes", 2)});
}
BENCHMARK(BM_Check_AreasAtTheirOwnPlacesOfOneBlock)->Unit(benchmark::kMillisecond);

void BM_Stats_AreasAtTheirOwnPlacesOfOneBlock(benchmark::State& state)
{
    runCommand(state, {"stats", craftedImage("distinct-stats.nes", 2)});
}
BENCHMARK(BM_Stats_AreasAtTheirOwnPlacesOfOneBlock)->Unit(benchmark::kMillisecond);

// What opening the image gives the whole-game views: every area loaded,
// the problem check, the statistics, a search, the overview's marks and
// arrows; all 210 areas on the one block of 9,000 layer switches.
void BM_GameViews_AllAreasOnOneLayerBlock(benchmark::State& state)
{
    const RomImage image = RomImage::open(craftedImage("layers-views.nes", 0));
    const AreaDirectory directory = buildAreaDirectory(image, ImageKind::Ines);
    const SearchQuery query = *parseSearchQuery("object 10");
    for (auto _ : state) {
        const GameAreas game = loadGameAreas(image, directory, ImageKind::Ines);
        const std::vector<Problem> problems = checkGame(game);
        const GameStats stats = gameStats(game, 10);
        const std::vector<SearchHit> hits = findItems(game, query);
        const std::vector<OverviewMarks> marks = overviewMarks(game, problems);
        const std::vector<OverviewArrow> arrows = overviewArrows(game, overviewLayout(game));
        benchmark::DoNotOptimize(problems.data());
        benchmark::DoNotOptimize(hits.data());
        benchmark::DoNotOptimize(marks.data());
        benchmark::DoNotOptimize(arrows.data());
        benchmark::DoNotOptimize(stats.areas.data());
    }
}
BENCHMARK(BM_GameViews_AllAreasOnOneLayerBlock)->Unit(benchmark::kMillisecond);

// The overview's 210 thumbnails of that image.
void BM_Overview_AllAreasOnOneLayerBlock(benchmark::State& state)
{
    const BenchImage& b = BenchImage::instance();
    const RomImage image = RomImage::open(craftedImage("layers-thumbs.nes", 0));
    const GameAreas game = loadGameAreas(image, buildAreaDirectory(image, ImageKind::Ines), ImageKind::Ines);
    for (auto _ : state) {
        // A painter of its own, as a newly shown overview has.
        ThumbnailPainter painter(b.graphics, b.palettes);
        for (int area = 0; area < kAreaCount; ++area) {
            Picture thumb = painter.thumbnail(game, area);
            benchmark::DoNotOptimize(thumb.pixels().data());
        }
    }
}
BENCHMARK(BM_Overview_AllAreasOnOneLayerBlock)->Unit(benchmark::kMillisecond);

// The map of the busy horizontal area stretched to 16 pages, at the zoom
// that keeps it inside 16 Mi pixels (4096 x 240 at 4), widened for PNG.
void BM_ZoomedMap_LargestPicture(benchmark::State& state)
{
    const BenchImage& b = BenchImage::instance();
    GraphicsModel graphics = b.graphics;
    AreaModel area = loadArea(b.image, b.directory, b.kind, b.horizontal.area);
    area.header.setField(17, 4, 15);
    Renderer renderer(graphics, b.palettes);
    const Picture map = drawAreaMap(renderer, area, busyViewOptions(), b.directory.worldFirstArea);
    for (auto _ : state) {
        const QImage image = assets::imageFromPicture(map, 4);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_ZoomedMap_LargestPicture)->Unit(benchmark::kMillisecond);

} // namespace

} // namespace quorled::bench
