#include "datamove.h"

#include "areadecoding.h"
#include "arealoader.h"
#include "bytes.h"
#include "imageerror.h"
#include "romimage.h"
#include "romlayout.h"
#include "roomuse.h"
#include "shownname.h"
#include "stagedimage.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <cstring>
#include <map>
#include <optional>

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
// The same directory read through staged writes.
AreaDirectory inesDirectory(const StagedImage& image)
{
    AreaDirectory directory;
    decoding::readDirectoryTables(image, romLayout(ImageKind::Ines), directory);
    directory.areaEnemyOffset[kAreaCount] = 0;
    return directory;
}

// An area loaded for comparing what it holds and where its blocks end.
template <class Bytes>
AreaModel loadStreams(const Bytes& image, const AreaDirectory& directory, int area)
{
    return decoding::decodeArea(image, directory, decodeBoundsFor(directory, ImageKind::Ines, area), area,
                                decoding::SpareBytes::Skip);
}
template <class Bytes>
AreaModel loadStreams(const Bytes& image, const AreaDirectory& directory, int area, long enemyDataEnd)
{
    return decoding::decodeArea(image, directory, decodeBoundsFor(ImageKind::Ines, area, enemyDataEnd), area,
                                decoding::SpareBytes::Skip);
}

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
template <class After>
bool sameContent(const RomImage& before, const After& after, int area)
{
    const AreaModel a = loadStreams(before, inesDirectory(before), area);
    const AreaModel b = loadStreams(after, inesDirectory(after), area);
    return a.header == b.header && a.objects == b.objects && a.enemies == b.enemies;
}

// The last offset at which the two images differ, or -1 when they do not.
// Compared a stretch at a time from the end, as most moves change bytes
// low in the file.
long lastDifference(const RomImage& before, const RomImage& after)
{
    const std::vector<std::uint8_t>& a = before.bytes();
    const std::vector<std::uint8_t>& b = after.bytes();
    if (a.size() != b.size())
        return static_cast<long>(std::max(a.size(), b.size()));
    constexpr std::size_t stretch = 512;
    std::size_t end = a.size();
    while (end > 0) {
        const std::size_t start = end > stretch ? end - stretch : 0;
        if (std::memcmp(a.data() + start, b.data() + start, end - start) != 0) {
            for (std::size_t o = end; o-- > start;)
                if (a[o] != b[o])
                    return static_cast<long>(o);
        }
        end = start;
    }
    return -1;
}
long lastDifference(const RomImage&, const StagedImage& after) { return after.lastDifference(); }

// Whether the bytes first..last (inclusive, clipped to the file) differ.
bool differIn(const RomImage& before, const RomImage& after, long first, long last)
{
    if (before.size() != after.size())
        return true;
    first = std::max(first, 0L);
    last = std::min(last, before.size() - 1);
    if (first > last)
        return false;
    return std::memcmp(before.bytes().data() + first, after.bytes().data() + first,
                       static_cast<std::size_t>(last - first + 1)) != 0;
}
bool differIn(const RomImage&, const StagedImage& after, long first, long last)
{
    return after.differIn(first, last);
}

// What an area's load depends on besides the bytes it reads: its two
// pointers and the bound of its enemy data.
struct LoadKey {
    long level = 0;
    long enemy = 0;
    long enemyEnd = 0;
    auto operator<=>(const LoadKey&) const = default;
};

// The bound of every area's enemy data, as enemyDataEndFor gives it, found
// with one sorted list of the pointers instead of a search per area.
std::vector<long> enemyDataEnds(const AreaDirectory& directory)
{
    const auto& offsets = directory.areaEnemyOffset;
    std::vector<long> sorted(offsets.begin(), offsets.begin() + lastAreaIndex + 1);
    std::sort(sorted.begin(), sorted.end());
    const long limit = romLayout(ImageKind::Ines).enemySearchLimit;
    std::vector<long> ends(static_cast<std::size_t>(kAreaCount));
    for (int area = 0; area < kAreaCount; ++area) {
        const long own = offsets[static_cast<std::size_t>(area)];
        const long next = offsets[static_cast<std::size_t>(area + 1)];
        const auto later = std::upper_bound(sorted.begin(), sorted.end(), own);
        long end = limit;
        if (next != own)
            end = next;
        else if (later != sorted.end() && *later < limit)
            end = *later;
        ends[static_cast<std::size_t>(area)] = end;
    }
    return ends;
}

// The areas of one image, each distinct load decoded once and only when
// asked for. Areas with equal keys read the same bytes the same way (the
// iNES regions are the same for every area), so they share one model; only
// its area number and damage notes name the first area asked for, and the
// comparisons below look at neither.
template <class Bytes>
class AreaLoads {
public:
    explicit AreaLoads(const Bytes& image)
        : image_(image), directory_(inesDirectory(image)), enemyEnds_(enemyDataEnds(directory_))
    {
    }
    // The areas of `image`, taking the bounds of `like` when the enemy
    // pointers are the same (a move of level data leaves them so).
    template <class Other>
    AreaLoads(const Bytes& image, const AreaLoads<Other>& like) : image_(image), directory_(inesDirectory(image))
    {
        enemyEnds_ = directory_.areaEnemyOffset == like.directory().areaEnemyOffset ? like.enemyEnds()
                                                                                    : enemyDataEnds(directory_);
    }
    const AreaDirectory& directory() const { return directory_; }
    const std::vector<long>& enemyEnds() const { return enemyEnds_; }
    LoadKey key(int area) const
    {
        const auto i = static_cast<std::size_t>(area);
        return {directory_.areaLevelOffset[i], directory_.areaEnemyOffset[i], enemyEnds_[i]};
    }
    // The last byte each of the area's streams reads (cached per area).
    const decoding::StreamExtent& extent(int area)
    {
        const auto i = static_cast<std::size_t>(area);
        if (!extents_[i]) {
            const LoadKey k = key(area);
            extents_[i] = decoding::streamExtent(image_, decodeBoundsFor(ImageKind::Ines, area, k.enemyEnd), k.level,
                                                 k.enemy);
        }
        return *extents_[i];
    }
    const AreaModel& model(int area)
    {
        const LoadKey k = key(area);
        auto known = models_.find(k);
        if (known == models_.end())
            known = models_.emplace(k, loadStreams(image_, directory_, area, k.enemyEnd)).first;
        return known->second;
    }

private:
    const Bytes& image_;
    AreaDirectory directory_;
    std::vector<long> enemyEnds_;
    std::map<LoadKey, AreaModel> models_;
    std::array<std::optional<decoding::StreamExtent>, kAreaCount> extents_{};
};

// The areas other than `movedArea` that load differently from `after`. An
// area is decoded only when what it depends on may have changed: its
// pointers or bound, or a byte in what it read (the level data up to its end
// marker, the enemy data up to the byte after the one that ended it, found
// by a scan of the streams that builds nothing). The streams are read
// forwards from their pointers, so an area whose data both start after the
// last changed byte cannot have changed. Areas on the same data are decoded
// and compared once.
template <class After>
std::vector<int> changedAreas(AreaLoads<RomImage>& before, const RomImage& beforeImage, const After& after,
                              int movedArea)
{
    AreaLoads<After> now(after, before);
    const long last = lastDifference(beforeImage, after);
    std::map<std::pair<LoadKey, LoadKey>, bool> compared;
    std::vector<int> changed;
    for (int area = 0; area < kAreaCount; ++area) {
        if (area == movedArea)
            continue;
        const LoadKey key = before.key(area);
        const LoadKey nowKey = now.key(area);
        const bool sameKey = key == nowKey;
        if (sameKey && key.level > last && key.enemy > last)
            continue;
        if (sameKey) {
            const decoding::StreamExtent& read = before.extent(area);
            if (!differIn(beforeImage, after, key.level, read.levelLast) &&
                !differIn(beforeImage, after, key.enemy, read.enemyLast))
                continue;
        }
        const auto [verdict, added] = compared.emplace(std::pair{key, nowKey}, false);
        if (added)
            verdict->second = !sameLoad(before.model(area), now.model(area));
        if (verdict->second)
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
    const AreaModel stored = loadStreams(image, directory, area);
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

namespace {

template <class After>
LoadingMend mendOtherAreas(const RomImage& before, After& after, int movedArea)
{
    AreaLoads<RomImage> loaded(before);
    LoadingMend mend;
    mend.changed = changedAreas(loaded, before, after, movedArea);
    if (mend.changed.empty())
        return mend;
    for (const int area : mend.changed) {
        // Only a block that ended on its bound can be mended: its closing
        // count byte 1 becomes 0xFF, which ends it there under any bound.
        const long closing = loaded.model(area).enemyTerminatorOffset;
        if (closing < kLevelRegionStart || closing > kLevelRegionEnd || inPointerBlock(closing))
            continue;
        if (before.read(closing) == 0x01 && after.read(closing) == 0x01) {
            after.write(closing, 0xFF);
            mend.mended.push_back(area);
        }
    }
    mend.changed = changedAreas(loaded, before, after, movedArea);
    return mend;
}

} // namespace

LoadingMend keepOtherAreasLoading(const RomImage& before, RomImage& after, int movedArea)
{
    return mendOtherAreas(before, after, movedArea);
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

    // The move is staged over the image and kept only when it holds.
    StagedImage moved(image);
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

    const LoadingMend mend = mendOtherAreas(image, moved, request.area);
    std::optional<int> spoilt;
    if (!mend.changed.empty())
        spoilt = mend.changed.front();
    else if (request.option != MoveOption::PointersOnly && !sameContent(image, moved, request.area))
        spoilt = request.area; // the copy would read short at its new place
    if (spoilt) {
        result.spoiltArea = spoilt;
        result.refusal = SaveMessage{title, std::string(dataWord(request.what)) + " data can't go there: area " +
                                                hex2(*spoilt) + " would no longer load as it does now."};
        return result;
    }
    result.mendedAreas = mend.mended;
    moved.commitTo(image);
    return result;
}

namespace {

// Calls visit(first, last) for each run of 0xFF bytes (inside the file)
// from kMoveTargetFirst - 1 to the region's end, in order, until visit
// returns true.
template <class Visit>
void forEachFreeRun(const RomImage& image, Visit visit)
{
    const std::uint8_t* bytes = image.bytes().data();
    const long end = std::min(kLevelRegionEnd, image.size() - 1);
    long o = kMoveTargetFirst - 1;
    while (o <= end) {
        if (bytes[o] != 0xFF) {
            const void* next = std::memchr(bytes + o, 0xFF, static_cast<std::size_t>(end - o + 1));
            if (next == nullptr)
                return;
            o = static_cast<const std::uint8_t*>(next) - bytes;
        }
        const long first = o;
        // Whole words of free bytes at a time, then byte by byte.
        constexpr std::uint64_t allFree = ~std::uint64_t{0};
        while (o + 8 <= end) {
            std::uint64_t word = 0;
            std::memcpy(&word, bytes + o + 1, 8);
            if (word != allFree)
                break;
            o += 8;
        }
        while (o + 1 <= end && bytes[o + 1] == 0xFF)
            ++o;
        if (visit(first, o))
            return;
        ++o;
    }
}

// The largest size a copy to `target` can have when the free bytes from
// target - 1 run to `runLast`, or -1 when none fits.
long roomAt(long target, long runLast)
{
    if (target < kMoveTargetFirst || target > kMoveTargetLast || inPointerBlock(target))
        return -1;
    long room = runLast - target; // N - 1 and N + size are free too
    room = std::min(room, kLevelRegionEnd - 1 - target);
    if (target < kEnemyPointerBlockStart)
        room = std::min(room, kEnemyPointerBlockStart - 2 - target);
    return room;
}

// Where copies into a run first..last may start: the room shrinks with
// every step inside the stretch below the enemy pointer block and inside
// the stretch above it, so each stretch's first target has its most room.
std::array<long, 2> firstTargets(long first, long last)
{
    const long low = first + 1;
    const long high = std::max(low, kEnemyPointerBlockEnd + 1);
    return {low < kEnemyPointerBlockStart ? low : -1, high <= last ? high : -1};
}

} // namespace

namespace {

// Calls take(target) for the first target of each free run (and side of the
// enemy pointer block) that fits a copy of `size` bytes, in address order,
// until take returns true.
template <class Take>
void forEachMoveTarget(const RomImage& image, MoveData what, long size, Take take)
{
    if (size < 1 || image.size() <= kLevelRegionEnd + 1)
        return;
    forEachFreeRun(image, [&](long first, long last) {
        for (const long start : firstTargets(first, last)) {
            if (start < 0)
                continue;
            // The same answer as the dialogs' checks, by construction.
            for (long target = start; target <= last && roomAt(target, last) >= size; ++target)
                if (!checkMoveTarget(image, what, target, size, MoveOption::Copy)) {
                    if (take(target))
                        return true;
                    break;
                }
        }
        return false;
    });
}

} // namespace

std::optional<long> findMoveTarget(const RomImage& image, MoveData what, long size)
{
    std::optional<long> found;
    forEachMoveTarget(image, what, size, [&](long target) {
        found = target;
        return true;
    });
    return found;
}

std::vector<long> findMoveTargets(const RomImage& image, MoveData what, long size)
{
    std::vector<long> targets;
    forEachMoveTarget(image, what, size, [&](long target) {
        targets.push_back(target);
        return false;
    });
    return targets;
}

long largestMoveSize(const RomImage& image, MoveData what)
{
    (void)what; // both blocks have the same limits
    if (image.size() <= kLevelRegionEnd + 1)
        return 0;
    long largest = 0;
    forEachFreeRun(image, [&](long first, long last) {
        for (const long start : firstTargets(first, last))
            if (start >= 0)
                largest = std::max(largest, roomAt(start, last));
        return false;
    });
    return largest;
}

} // namespace quorled
