// Baseline (a), the floor of any redraw: one copy of a 256 x 240 frame of
// 32-bit pixels plus 240 plain 16 x 16 tile copies (a full screen of tiles)
// from a 256 x 256 sheet.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace {

void BM_Floor_FrameCopyAnd240Tiles(benchmark::State& state)
{
    constexpr int kWidth = 256;
    constexpr int kHeight = 240;
    constexpr int kSheet = 256;
    std::vector<std::uint32_t> sheet(kSheet * kSheet);
    for (std::size_t i = 0; i < sheet.size(); ++i)
        sheet[i] = static_cast<std::uint32_t>(i * 2654435761u);
    std::vector<std::uint32_t> source(kWidth * kHeight, 0x123456);
    std::vector<std::uint32_t> frame(kWidth * kHeight);
    for (auto _ : state) {
        // In 64-byte pieces the compiler copies inline: libc's large-block
        // copy is much slower on some machines for page-aligned buffers.
        for (std::size_t i = 0; i < frame.size(); i += 16)
            std::memcpy(frame.data() + i, source.data() + i, 16 * sizeof(std::uint32_t));
        for (int t = 0; t < 240; ++t) {
            const int tile = (t * 37) % 256;
            const std::uint32_t* from = sheet.data() + (tile / 16) * 16 * kSheet + (tile % 16) * 16;
            std::uint32_t* to = frame.data() + (t / 16) * 16 * kWidth + (t % 16) * 16;
            for (int row = 0; row < 16; ++row)
                std::memcpy(to + row * kWidth, from + row * kSheet, 16 * sizeof(std::uint32_t));
        }
        benchmark::DoNotOptimize(frame.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Floor_FrameCopyAnd240Tiles);

} // namespace
