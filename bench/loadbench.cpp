// Reading and writing areas: an area load from the file, the same load with
// one file read per byte, an unchanged save and the verify command's work.
#include "areadecode.h"
#include "benchsetup.h"
#include "bytereader.h"

#include "cli/commands.h"
#include "romdata/arealoader.h"
#include "romdata/areawriter.h"
#include "romdata/filestore.h"
#include "romdata/roomuse.h"

#include <benchmark/benchmark.h>

#include <sstream>

namespace quorled::bench {

namespace {

// What the editor does to show an area: open the file, read the area
// directory, decode the area.
void BM_LoadArea_FromFile(benchmark::State& state)
{
    const BenchImage& b = BenchImage::instance();
    for (auto _ : state) {
        const RomImage image = RomImage::openChecked(b.path, b.kind);
        const AreaDirectory directory = buildAreaDirectory(image, b.kind);
        AreaModel area = loadArea(image, directory, b.kind, b.horizontal.area);
        benchmark::DoNotOptimize(area.objects.data());
    }
    state.SetLabel("area " + std::to_string(b.horizontal.area));
}
BENCHMARK(BM_LoadArea_FromFile)->Unit(benchmark::kMicrosecond);

// Baseline (b): the same load, each byte by its own file read.
void BM_LoadArea_BytePerCall(benchmark::State& state)
{
    const BenchImage& b = BenchImage::instance();
    long reads = 0;
    for (auto _ : state) {
        const ByteReader image(b.path);
        const AreaDirectory directory = decodeDirectory(image, b.kind);
        AreaModel area = decodeArea(image, directory, b.kind, b.horizontal.area);
        benchmark::DoNotOptimize(area.objects.data());
        reads = image.calls();
    }
    state.counters["reads"] = static_cast<double>(reads);
    state.SetLabel("area " + std::to_string(b.horizontal.area));
}
BENCHMARK(BM_LoadArea_BytePerCall)->Unit(benchmark::kMicrosecond);

// Save of an unedited area, as the save command does it: open the file,
// plan the writes, write the whole file to a temporary one, flush and rename.
void BM_SaveArea_Unchanged(benchmark::State& state)
{
    const BenchImage& b = BenchImage::instance();
    const std::string path = b.file("save.nes");
    writeWholeFile(path, b.image.bytes());
    AreaModel model = loadArea(b.image, b.directory, b.kind, b.horizontal.area);
    for (auto _ : state) {
        RomImage image = RomImage::openChecked(path, b.kind);
        ViewPosition view;
        const SaveResult result = saveArea(image, b.directory, b.kind, model, view);
        if (!result.saved || !result.changedOffsets.empty())
            fail("An unedited save of area " + std::to_string(b.horizontal.area) + " changed the image.");
    }
    if (readWholeFile(path) != b.image.bytes())
        fail("The unedited saves changed the file.");
    state.SetLabel("area " + std::to_string(b.horizontal.area) + ", " + path);
}
BENCHMARK(BM_SaveArea_Unchanged)->Unit(benchmark::kMicrosecond);

// The room meter after an edit: the model encoded as a save does it and
// measured against the room found when the area was loaded.
void BM_RoomMeter_AfterEdit(benchmark::State& state)
{
    const BenchImage& b = BenchImage::instance();
    AreaModel model = loadArea(b.image, b.directory, b.kind, b.horizontal.area);
    const AreaRoom room = findAreaRoom(b.image, b.directory, b.kind, model);
    int step = 0;
    for (auto _ : state) {
        if (!model.objects.empty())
            model.objects.front().x = (model.objects.front().x + (++step & 1 ? 1 : -1)) & 0xFF;
        const RoomUse use = measureRoomUse(model, room);
        benchmark::DoNotOptimize(use.levelBytes);
    }
}
BENCHMARK(BM_RoomMeter_AfterEdit)->Unit(benchmark::kMicrosecond);

// quorled-cli verify on the demo image: every area loaded and planned.
void BM_VerifyAllAreas(benchmark::State& state)
{
    const BenchImage& b = BenchImage::instance();
    std::ostringstream out;
    for (auto _ : state) {
        out.str({});
        cli::runCli({"verify", b.path}, out, out);
    }
    if (out.str().find("0 of 210 areas would change bytes of the image, 0 would be refused") == std::string::npos)
        fail("verify did not find every demo area unchanged:\n" + out.str());
}
BENCHMARK(BM_VerifyAllAreas)->Unit(benchmark::kMillisecond);

} // namespace

} // namespace quorled::bench
