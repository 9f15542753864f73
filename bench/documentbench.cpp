// The image as the editor's document: undo and redo of an area step,
// "Save all" of 20 changed areas (one checked write of the file) and the
// memory the history holds after 1,000 steps in the busiest area. Each runs
// on an editor core of its own, on a copy of the demo image.
#include "benchsetup.h"

#include "assets/artwork.h"
#include "core/editing/keyediting.h"
#include "core/session/editorcore.h"
#include "romdata/arealoader.h"
#include "romdata/filestore.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

namespace quorled::bench {

namespace {

const assets::Artwork& artwork()
{
    static const assets::Artwork pictures = assets::Artwork::load();
    return pictures;
}

// An editor core on a fresh copy of the demo image named `name`, opened at
// `area`, without backups.
std::unique_ptr<EditorCore> openCopy(const std::string& name, int area)
{
    const BenchImage& b = BenchImage::instance();
    const std::string image = b.file(name + ".nes");
    const std::string settings = b.file(name + ".ini");
    writeWholeFile(image, b.image.bytes());
    const std::string text = "[Options]\nStartArea= " + std::to_string(area) + "\nBackup= 0\n";
    writeWholeFile(settings, std::vector<std::uint8_t>(text.begin(), text.end()));
    auto core = std::make_unique<EditorCore>(artwork().sources());
    core->readSettings(settings);
    if (const auto failure = core->openImage(image))
        fail("Can't open the copy of the demo image: " + *failure);
    return core;
}

// The area with the most objects and enemies.
int busiestArea()
{
    const BenchImage& b = BenchImage::instance();
    int best = 0;
    std::size_t most = 0;
    for (int area = 0; area < kAreaCount; ++area) {
        const AreaModel model = loadArea(b.image, b.directory, b.kind, area);
        const std::size_t items = model.objects.size() + model.enemies.size();
        if (items > most) {
            most = items;
            best = area;
        }
    }
    return best;
}

// One undo or one redo (by turns) of a type change in the busy horizontal
// area, each with the redraw that follows it.
void BM_UndoRedo_AreaStep(benchmark::State& state)
{
    const auto core = openCopy("undo", BenchImage::instance().horizontal.area);
    core->keyDown(vk::Add, 0);
    if (core->document().undoTitle().empty())
        fail("The type change made no step to undo.");
    bool undo = true;
    for (auto _ : state) {
        undo ? core->undo() : core->redo();
        undo = !undo;
    }
    if (core->document().undoTitle().empty() && core->document().redoTitle().empty())
        fail("Undo and redo lost the step.");
}
BENCHMARK(BM_UndoRedo_AreaStep)->Unit(benchmark::kMicrosecond);

// "Save all changed areas" with 20 areas changed (the first object's type
// one up, then back down on the next run): every area planned by the save
// rules into one image in memory, then one locked, checked write.
void BM_SaveAll_20ChangedAreas(benchmark::State& state)
{
    const BenchImage& b = BenchImage::instance();
    std::vector<int> areas;
    for (int area = 0; area < kAreaCount && areas.size() < 20; ++area)
        if (!loadArea(b.image, b.directory, b.kind, area).objects.empty())
            areas.push_back(area);
    const auto core = openCopy("saveall", areas.front());
    bool up = true;
    for (auto _ : state) {
        state.PauseTiming();
        for (int area : areas) {
            if (!core->changeArea(area))
                fail("Can't open area " + std::to_string(area) + ": " + core->message());
            core->area().selectedObject = 1;
            core->keyDown(up ? vk::Add : vk::Subtract, 0);
        }
        up = !up;
        if (core->document().changedAreas().size() != areas.size())
            fail("Not every one of the 20 areas was changed.");
        state.ResumeTiming();
        core->saveAllAreas();
        if (!core->document().changedAreas().empty())
            fail("Save all left areas unsaved: " + core->notice().text + core->message());
    }
}
BENCHMARK(BM_SaveAll_20ChangedAreas)->Unit(benchmark::kMillisecond);

// 1,000 steps in the busiest area (moves and type changes by turns, so none
// merges with the one before), and the memory the history then holds.
void BM_History_1000StepsBusiestArea(benchmark::State& state)
{
    const int area = busiestArea();
    const auto core = openCopy("history", area);
    const int keys[] = {vk::Numpad6, vk::Add, vk::Numpad4, vk::Subtract};
    double megabytes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        if (const auto failure = core->reopenCurrentImage())
            fail("Can't read the copy again: " + *failure);
        state.ResumeTiming();
        for (int step = 0; step < 1000; ++step)
            core->keyDown(keys[step % 4], 0);
        if (core->document().undoSteps() != 1000)
            fail("The 1,000 key presses made " + std::to_string(core->document().undoSteps()) + " steps.");
        megabytes = static_cast<double>(core->document().history().memory()) / (1024.0 * 1024.0);
    }
    state.counters["history_mb"] = megabytes;
    state.counters["area"] = area;
}
BENCHMARK(BM_History_1000StepsBusiestArea)->Unit(benchmark::kMillisecond);

} // namespace

} // namespace quorled::bench
