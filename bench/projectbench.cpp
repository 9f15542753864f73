// The text project: quorled-cli unpack of the demo image into a new folder
// (every file written), and pack of an unchanged project to a new image.
#include "benchsetup.h"

#include "cli/commands.h"
#include "romdata/filestore.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>

namespace quorled::bench {

namespace {

namespace fs = std::filesystem;

void BM_Unpack_WholeImage(benchmark::State& state)
{
    const BenchImage& b = BenchImage::instance();
    std::ostringstream out;
    int run = 0;
    for (auto _ : state) {
        const std::string folder = b.file("unpack-" + std::to_string(run++));
        if (cli::runUnpack({b.path, folder}, out) != 0)
            fail("unpack failed:\n" + out.str());
        state.PauseTiming();
        fs::remove_all(folder);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Unpack_WholeImage)->Unit(benchmark::kMillisecond);

void BM_Pack_WholeProject(benchmark::State& state)
{
    const BenchImage& b = BenchImage::instance();
    std::ostringstream out;
    const std::string folder = b.file("pack-project");
    cli::runUnpack({b.path, folder}, out);
    int run = 0;
    for (auto _ : state) {
        const std::string output = b.file("packed-" + std::to_string(run++) + ".nes");
        if (cli::runPack({folder, "--base", b.path, "-o", output}, out) != 0)
            fail("pack failed:\n" + out.str());
        state.PauseTiming();
        if (readWholeFile(output) != b.image.bytes())
            fail("pack of an unchanged project changed the image.");
        fs::remove(output);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Pack_WholeProject)->Unit(benchmark::kMillisecond);

} // namespace

} // namespace quorled::bench
