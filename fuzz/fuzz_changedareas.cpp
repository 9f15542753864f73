// Two images that differ in a few bytes, read with one directory, as the
// editor compares the image before and after a save: every area that
// areasWithChangedData leaves out must load alike in both (header, items,
// damage notes) and have the same room. The input's last bytes name the
// changes, each near the start of the data of an area they choose, and the
// areas checked.
#include "fuzzimage.h"

#include "romdata/arealoader.h"
#include "romdata/changedareas.h"
#include "romdata/romimage.h"
#include "romdata/roomuse.h"

#include <algorithm>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace quorled;
    const fuzz::FuzzRom input = fuzz::fuzzRomImage(data, size);
    const RomImage& before = input.image;
    const AreaDirectory directory = buildAreaDirectory(before, input.kind);
    std::size_t at = size;
    const auto take = [&]() -> int { return at > 0 ? data[--at] : 0; };

    std::vector<std::uint8_t> bytes = before.bytes();
    const int changes = 1 + take() % 4;
    for (int change = 0; change < changes; ++change) {
        const auto area = static_cast<std::size_t>(take() % kAreaCount);
        const long start = take() & 1 ? directory.areaEnemyOffset[area] : directory.areaLevelOffset[area];
        const long offset = start + take() - 16;
        const int value = take();
        if (offset >= 0 && offset < static_cast<long>(bytes.size()))
            bytes[static_cast<std::size_t>(offset)] = static_cast<std::uint8_t>(value);
    }
    const RomImage after = RomImage::fromBytes(std::move(bytes));
    const std::vector<int> told = areasWithChangedData(before, after, directory, input.kind);
    if (!std::is_sorted(told.begin(), told.end()))
        __builtin_trap();

    for (int check = 0; check < 6; ++check) {
        const int area = take() % kAreaCount;
        if (std::binary_search(told.begin(), told.end(), area))
            continue;
        const AreaModel a = loadArea(before, directory, input.kind, area);
        const AreaModel b = loadArea(after, directory, input.kind, area);
        if (a.objects != b.objects || a.enemies != b.enemies || a.header != b.header || a.damage != b.damage)
            __builtin_trap();
        const auto roomA = findSaveRoom(before, directory, input.kind, a);
        const auto roomB = findSaveRoom(after, directory, input.kind, b);
        if (roomA.has_value() != roomB.has_value() ||
            (roomA && (roomA->levelStart != roomB->levelStart || roomA->levelEnd != roomB->levelEnd ||
                       roomA->enemyStart != roomB->enemyStart || roomA->enemyEnd != roomB->enemyEnd)))
            __builtin_trap();
    }
    return 0;
}
