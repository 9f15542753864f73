// The benchmark runner. Before measuring, checks that the byte-per-call
// baseline decodes exactly what the editor's loader decodes.
#include "areadecode.h"
#include "benchsetup.h"
#include "bytereader.h"

#include <benchmark/benchmark.h>

namespace quorled::bench {

namespace {

bool sameModel(const AreaModel& a, const AreaModel& b)
{
    return a.header == b.header && a.objects == b.objects && a.enemies == b.enemies && a.isVertical == b.isVertical &&
           a.enemyLastPage == b.enemyLastPage && a.levelSpareFF == b.levelSpareFF &&
           a.enemySpareBytes == b.enemySpareBytes && a.levelEndMarkerOffset == b.levelEndMarkerOffset &&
           a.enemyTerminatorOffset == b.enemyTerminatorOffset && a.damage == b.damage;
}

void checkBaselineDecodesTheSame()
{
    const BenchImage& b = BenchImage::instance();
    const ByteReader reader(b.path);
    const AreaDirectory directory = decodeDirectory(reader, b.kind);
    if (directory.areaLevelOffset != b.directory.areaLevelOffset ||
        directory.areaEnemyOffset != b.directory.areaEnemyOffset ||
        directory.worldFirstArea != b.directory.worldFirstArea)
        fail("The byte-per-call directory differs from the editor's.");
    for (int area = 0; area < kAreaCount; ++area)
        if (!sameModel(decodeArea(reader, directory, b.kind, area), loadArea(b.image, b.directory, b.kind, area)))
            fail("The byte-per-call decode of area " + std::to_string(area) + " differs from the editor's.");
}

} // namespace

} // namespace quorled::bench

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;
    quorled::bench::checkBaselineDecodesTheSame();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
