// Patches at the sizes their formats allow: a BPS patch between two 8 MiB
// images that differ in one byte, and an IPS patch of two million run
// records applied to an image.
#include "patch/bps.h"
#include "patch/ips.h"

#include <benchmark/benchmark.h>

#include <random>

namespace quorled::bench {

namespace {

PatchBytes noise(std::size_t size)
{
    std::mt19937 random(7);
    PatchBytes bytes(size);
    for (std::uint8_t& byte : bytes)
        byte = static_cast<std::uint8_t>(random());
    return bytes;
}

void BM_BpsPatch_8MiBOneByteChanged(benchmark::State& state)
{
    const PatchBytes source = noise(8u << 20);
    PatchBytes target = source;
    target[target.size() / 2] ^= 0x5A;
    for (auto _ : state)
        benchmark::DoNotOptimize(makeBpsPatch(source, target).data());
}
BENCHMARK(BM_BpsPatch_8MiBOneByteChanged)->Unit(benchmark::kMillisecond);

void BM_IpsApply_2MillionRuns(benchmark::State& state)
{
    // Runs of 32 bytes, each over the one before it shifted by one byte.
    PatchBytes patch{'P', 'A', 'T', 'C', 'H'};
    for (std::size_t i = 0; i < 2'000'000; ++i)
        patch.insert(patch.end(), {static_cast<std::uint8_t>(i >> 16 & 0x0F), static_cast<std::uint8_t>(i >> 8),
                                   static_cast<std::uint8_t>(i), 0, 0, 0, 32, static_cast<std::uint8_t>(i)});
    patch.insert(patch.end(), {'E', 'O', 'F'});
    const PatchBytes image(1u << 20, 0xFF);
    for (auto _ : state)
        benchmark::DoNotOptimize(applyIpsPatch(image, patch).data());
}
BENCHMARK(BM_IpsApply_2MillionRuns)->Unit(benchmark::kMillisecond);

} // namespace

} // namespace quorled::bench
