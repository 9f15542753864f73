// Feeds fuzzed level dumps and move addresses to the space tools: a dump
// is put into the demo image, then one move is tried. Nothing may crash or
// read outside the image; a refused move changes no byte; a move that goes
// through leaves the area's pointer at the target; a found free target
// passes the checks of the move dialogs.
#include "romdata/areadirectory.h"
#include "romdata/datamove.h"
#include "romdata/demo/demoimage.h"
#include "romdata/freespace.h"
#include "romdata/leveldump.h"
#include "romdata/romimage.h"

#include <algorithm>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace quorled;
    static const std::vector<std::uint8_t> demo = buildDemoImage(ImageKind::Ines);
    if (size < 2)
        return 0;
    // Byte 0: what moves, the option and the area; byte 1: the length of
    // the address text that follows; the rest lies over the level block.
    const int selector = data[0];
    const std::size_t textLength = std::min<std::size_t>(data[1] % 12, size - 2);
    const std::string text(reinterpret_cast<const char*>(data + 2), textLength);
    const std::optional<long> parsed = parseMoveAddress(text);
    if (parsed && (*parsed < 0 || *parsed > 0xFFFFF))
        __builtin_trap();

    // One image, block and copy for every input: inserting the block puts
    // back every byte a move may write, which the end of each run checks.
    static std::vector<std::uint8_t> block(kLevelDumpSize);
    static RomImage image = RomImage::fromBytes(demo);
    static std::vector<std::uint8_t> before;
    std::copy(demo.begin() + kLevelDumpStart, demo.begin() + kLevelDumpStart + kLevelDumpSize, block.begin());
    const std::size_t rest = size - 2 - textLength;
    std::copy(data + 2 + textLength, data + 2 + textLength + std::min<std::size_t>(rest, block.size()), block.begin());
    insertLevelBlock(image, block);
    if (countFreeSpace(image).total != 15439)
        __builtin_trap();

    MoveRequest request;
    request.what = (selector & 1) ? MoveData::Enemy : MoveData::Level;
    request.option = static_cast<MoveOption>((selector >> 1) % 3);
    request.area = (selector * 7) % kAreaCount;
    request.target = parsed.value_or(0);
    // Moves write inside the level block only (checked below), so a
    // refused move is checked to leave that block as it was.
    before.assign(image.bytes().begin() + kLevelDumpStart, image.bytes().begin() + kLevelDumpStart + kLevelDumpSize);
    const MoveResult result = moveData(image, request);
    if (result.refusal) {
        if (std::memcmp(image.bytes().data() + kLevelDumpStart, before.data(), before.size()) != 0)
            __builtin_trap();
    } else {
        const AreaDirectory directory = buildAreaDirectory(image, ImageKind::Ines);
        const auto area = static_cast<std::size_t>(request.area);
        const long now = request.what == MoveData::Level ? directory.areaLevelOffset[area]
                                                         : directory.areaEnemyOffset[area];
        if (now != request.target)
            __builtin_trap();
    }
    const long wanted = 1 + (selector >> 3);
    if (const std::optional<long> target = findMoveTarget(image, request.what, wanted))
        if (checkMoveTarget(image, request.what, *target, wanted, MoveOption::Copy))
            __builtin_trap();
    if (largestMoveSize(image, request.what) >= wanted && !findMoveTarget(image, request.what, wanted))
        __builtin_trap();
    // Moves write inside the level block only.
    const std::vector<std::uint8_t>& now = image.bytes();
    if (now.size() != demo.size() || std::memcmp(now.data(), demo.data(), kLevelDumpStart) != 0 ||
        std::memcmp(now.data() + kLevelDumpStart + kLevelDumpSize, demo.data() + kLevelDumpStart + kLevelDumpSize,
                    demo.size() - kLevelDumpStart - kLevelDumpSize) != 0)
        __builtin_trap();
    return 0;
}
