#include "datamove.h"

#include "arealoader.h"
#include "bytes.h"
#include "imageerror.h"
#include "romimage.h"
#include "romlayout.h"
#include "roomuse.h"
#include "shownname.h"

#include <algorithm>
#include <cctype>

namespace quorled {

namespace {

const char* dataWord(MoveData what) { return what == MoveData::Level ? "Level" : "Enemy"; }

bool inPointerBlock(long offset) { return offset >= kEnemyPointerBlockStart && offset <= kEnemyPointerBlockEnd; }

void requireRegion(const RomImage& image)
{
    if (image.size() <= kLevelRegionEnd + 1)
        throw ImageError("The image " + shownName(image.path()) + " is too short to hold the level-data region up to " +
                         hexAddress(kLevelRegionEnd) + ".");
}

AreaDirectory inesDirectory(const RomImage& image) { return buildAreaDirectory(image, ImageKind::Ines); }

// Steps of the checks that need no image bytes: range, pointer block, and
// for a copy the two limits of the block's end.
std::optional<std::string> checkTargetPlace(MoveData what, long target, long size, MoveOption option)
{
    if (target < kMoveTargetFirst || target > kMoveTargetLast)
        return moveRangeMessage();
    if (target >= kEnemyPointerBlockStart && target <= kEnemyPointerBlockEnd)
        return std::string("Addresses from $12510 to $12707 are used for enemy pointer data. "
                           "You can't move level data there!");
    if (option == MoveOption::PointersOnly)
        return std::nullopt;
    const std::string word = dataWord(what);
    if (target + size > kLevelRegionEnd - 1)
        return word + " data won't fit there, it exceeds $1400F!";
    if (target < kEnemyPointerBlockStart && target + size > kEnemyPointerBlockStart - 2)
        return word + " data won't fit there, it would overwrite enemy pointer data!";
    return std::nullopt;
}

std::string overwriteMessage(MoveData what)
{
    return std::string(dataWord(what)) + " data won't fit there, it would overwrite some level or enemy data!";
}

// Whether two areas load alike: the same blocks read the same way.
bool sameLoad(const AreaModel& a, const AreaModel& b)
{
    return a.levelDataOffset == b.levelDataOffset && a.enemyDataOffset == b.enemyDataOffset &&
           a.header == b.header && a.objects == b.objects && a.enemies == b.enemies &&
           a.enemyLastPage == b.enemyLastPage && a.levelEndMarkerOffset == b.levelEndMarkerOffset &&
           a.enemyTerminatorOffset == b.enemyTerminatorOffset;
}

// Whether the moved area still has the same header, objects and enemies.
// (A closing count byte 1 copied before free bytes reads as one more empty
// page, which changes nothing the area holds.)
bool sameContent(const RomImage& before, const RomImage& after, int area)
{
    const AreaModel a = loadArea(before, inesDirectory(before), ImageKind::Ines, area);
    const AreaModel b = loadArea(after, inesDirectory(after), ImageKind::Ines, area);
    return a.header == b.header && a.objects == b.objects && a.enemies == b.enemies;
}

std::vector<int> changedAreas(const std::vector<AreaModel>& before, const RomImage& after, int movedArea)
{
    const AreaDirectory directory = inesDirectory(after);
    std::vector<int> changed;
    for (int area = 0; area < kAreaCount; ++area) {
        if (area == movedArea)
            continue;
        if (!sameLoad(before[static_cast<std::size_t>(area)], loadArea(after, directory, ImageKind::Ines, area)))
            changed.push_back(area);
    }
    return changed;
}

} // namespace

std::string moveRefusedTitle(MoveData what)
{
    return what == MoveData::Level ? "Can't move level data there!" : "Can't move enemy data there!";
}

std::string moveRangeMessage() { return "Address must be between $101C9 and $1400B."; }

std::optional<long> parseMoveAddress(const std::string& text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && blank(text[first]))
        ++first;
    while (last > first && blank(text[last - 1]))
        --last;
    if (first < last && text[first] == '$')
        ++first;
    const std::size_t digits = last - first;
    if (digits < 1 || digits > 5)
        return std::nullopt;
    long value = 0;
    for (std::size_t i = first; i < last; ++i) {
        const char c = text[i];
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return std::nullopt;
        const int d = std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                                                                   : std::toupper(static_cast<unsigned char>(c)) - 'A' + 10;
        value = value * 16 + d;
    }
    return value;
}

MoveSource measureMoveSource(const RomImage& image, int area, MoveData what)
{
    const AreaDirectory directory = inesDirectory(image);
    const AreaModel stored = loadArea(image, directory, ImageKind::Ines, area);
    MoveSource source;
    if (what == MoveData::Level) {
        source.offset = stored.levelDataOffset;
        // The header and every object up to the end marker.
        source.size = stored.levelEndMarkerOffset - stored.levelDataOffset;
    } else {
        source.offset = stored.enemyDataOffset;
        // One count byte per page, two bytes per enemy, and the closing byte.
        source.size = stored.enemyLastPage + 2L * stored.enemyCount() + 2;
    }
    return source;
}

std::optional<std::string> checkMoveTarget(const RomImage& image, MoveData what, long target, long size,
                                           MoveOption option, const MoveSource* source)
{
    if (auto refusal = checkTargetPlace(what, target, size, option))
        return refusal;
    if (option == MoveOption::PointersOnly)
        return std::nullopt;
    // The checked bytes N - 1 .. N + size must not reach the block itself.
    if (source && target - 1 <= source->offset + source->size - 1 && source->offset <= target + size)
        return overwriteMessage(what);
    for (long o = target - 1; o <= target + size; ++o)
        if (image.read(o) != 0xFF || !image.contains(o))
            return overwriteMessage(what);
    return std::nullopt;
}

std::optional<std::string> eraseRefusal(const RomImage& image, int area, const MoveSource& source)
{
    const long first = source.offset;
    const long last = source.offset + source.size - 1;
    if (first < kLevelRegionStart || last > kLevelRegionEnd || source.size <= 0)
        return std::string("they lie outside the level-data region");
    if (first <= kEnemyPointerBlockEnd && last >= kEnemyPointerBlockStart)
        return std::string("they reach into the enemy pointer data");
    for (const DataStart& other : dataStartingIn(inesDirectory(image), first, last + 1))
        if (other.area != area || other.offset != source.offset)
            return "area " + hex2(other.area) + " uses them too";
    return std::nullopt;
}

std::vector<ByteWrite> dataPointerWrites(MoveData what, int area, long target)
{
    const auto low = static_cast<std::uint8_t>(((target - 16) % 256 + 256) % 256);
    const auto high = static_cast<std::uint8_t>((((target - 16) / 256 + 128) % 256 + 256) % 256);
    const RomLayout& layout = romLayout(ImageKind::Ines);
    if (what == MoveData::Level)
        return {{layout.levelPointerLow + area, low}, {layout.levelPointerHigh + area, high}};
    const long group = 20L * (area / 10) + area % 10;
    return {{layout.enemyPointerHigh + group, high}, {layout.enemyPointerLow + group, low}};
}

LoadingMend keepOtherAreasLoading(const RomImage& before, RomImage& after, int movedArea)
{
    const AreaDirectory directory = inesDirectory(before);
    std::vector<AreaModel> loaded;
    loaded.reserve(kAreaCount);
    for (int area = 0; area < kAreaCount; ++area)
        loaded.push_back(loadArea(before, directory, ImageKind::Ines, area));

    LoadingMend mend;
    mend.changed = changedAreas(loaded, after, movedArea);
    if (mend.changed.empty())
        return mend;
    for (const int area : mend.changed) {
        // Only a block that ended on its bound can be mended: its closing
        // count byte 1 becomes 0xFF, which ends it there under any bound.
        const long closing = loaded[static_cast<std::size_t>(area)].enemyTerminatorOffset;
        if (closing < kLevelRegionStart || closing > kLevelRegionEnd || inPointerBlock(closing))
            continue;
        if (before.read(closing) == 0x01 && after.read(closing) == 0x01) {
            after.write(closing, 0xFF);
            mend.mended.push_back(area);
        }
    }
    mend.changed = changedAreas(loaded, after, movedArea);
    return mend;
}

MoveResult moveData(RomImage& image, const MoveRequest& request)
{
    requireRegion(image);
    MoveResult result;
    result.source = measureMoveSource(image, request.area, request.what);
    const std::string title = moveRefusedTitle(request.what);
    if (auto refusal =
            checkMoveTarget(image, request.what, request.target, result.source.size, request.option, &result.source)) {
        result.refusal = SaveMessage{title, *refusal};
        return result;
    }

    RomImage moved = image;
    for (const ByteWrite& write : dataPointerWrites(request.what, request.area, request.target))
        moved.write(write.offset, write.value);
    if (request.option != MoveOption::PointersOnly) {
        for (long i = 0; i < result.source.size; ++i)
            moved.write(request.target + i, image.read(result.source.offset + i));
        if (request.option == MoveOption::CopyErase) {
            result.keptOldBytes = eraseRefusal(image, request.area, result.source);
            if (!result.keptOldBytes)
                for (long i = 0; i < result.source.size; ++i)
                    moved.write(result.source.offset + i, 0xFF);
        }
    }

    const LoadingMend mend = keepOtherAreasLoading(image, moved, request.area);
    std::optional<int> spoilt;
    if (!mend.changed.empty())
        spoilt = mend.changed.front();
    else if (request.option != MoveOption::PointersOnly && !sameContent(image, moved, request.area))
        spoilt = request.area; // the copy would read short at its new place
    if (spoilt) {
        result.refusal = SaveMessage{title, std::string(dataWord(request.what)) + " data can't go there: area " +
                                                hex2(*spoilt) + " would no longer load as it does now."};
        return result;
    }
    result.mendedAreas = mend.mended;
    image = std::move(moved);
    return result;
}

namespace {

// For each offset, how many 0xFF bytes start there (inside the file).
std::vector<long> freeRunsFrom(const RomImage& image)
{
    std::vector<long> runs(static_cast<std::size_t>(kLevelRegionEnd + 2), 0);
    for (long o = kLevelRegionEnd; o >= kMoveTargetFirst - 1; --o)
        runs[static_cast<std::size_t>(o)] =
            image.contains(o) && image.read(o) == 0xFF ? runs[static_cast<std::size_t>(o + 1)] + 1 : 0;
    return runs;
}

// The largest size a copy to `target` can have, or -1 when none fits.
long roomAt(const std::vector<long>& runs, long target)
{
    if (target < kMoveTargetFirst || target > kMoveTargetLast || inPointerBlock(target))
        return -1;
    long room = runs[static_cast<std::size_t>(target - 1)] - 2; // N - 1 and N + size are free too
    room = std::min(room, kLevelRegionEnd - 1 - target);
    if (target < kEnemyPointerBlockStart)
        room = std::min(room, kEnemyPointerBlockStart - 2 - target);
    return room;
}

} // namespace

std::optional<long> findMoveTarget(const RomImage& image, MoveData what, long size)
{
    if (size < 1 || image.size() <= kLevelRegionEnd + 1)
        return std::nullopt;
    const std::vector<long> runs = freeRunsFrom(image);
    for (long target = kMoveTargetFirst; target <= kMoveTargetLast; ++target) {
        if (roomAt(runs, target) >= size) {
            // The same answer as the dialogs' checks, by construction.
            if (!checkMoveTarget(image, what, target, size, MoveOption::Copy))
                return target;
        }
    }
    return std::nullopt;
}

long largestMoveSize(const RomImage& image, MoveData what)
{
    (void)what; // both blocks have the same limits
    if (image.size() <= kLevelRegionEnd + 1)
        return 0;
    const std::vector<long> runs = freeRunsFrom(image);
    long largest = 0;
    for (long target = kMoveTargetFirst; target <= kMoveTargetLast; ++target)
        largest = std::max(largest, roomAt(runs, target));
    return largest;
}

} // namespace quorled
