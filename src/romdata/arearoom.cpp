#include "arearoom.h"

#include "romimage.h"
#include "romlayout.h"

#include <algorithm>

namespace quorled {

namespace {

// Every offset where free bytes stop besides the end of the file: the start
// of any area's data, and for iNES the enemy pointer block and the end of
// the level-data region.
template <class Visit>
void forEachTakenOffset(const AreaDirectory& directory, ImageKind kind, Visit&& visit)
{
    for (int area = 0; area < kAreaCount; ++area) {
        visit(directory.areaLevelOffset[static_cast<std::size_t>(area)]);
        visit(directory.areaEnemyOffset[static_cast<std::size_t>(area)]);
    }
    if (kind == ImageKind::Ines) {
        visit(kEnemyPointerBlockStart);
        visit(kLevelRegionEnd + 1);
    }
}

} // namespace

long nextTakenOffset(const RomImage& image, const AreaDirectory& directory, ImageKind kind, long after)
{
    long bound = image.size();
    forEachTakenOffset(directory, kind, [&](long offset) {
        if (offset > after)
            bound = std::min(bound, offset);
    });
    return bound;
}

TakenOffsets::TakenOffsets(const RomImage& image, const AreaDirectory& directory, ImageKind kind)
    : size_(image.size())
{
    forEachTakenOffset(directory, kind, [&](long offset) { offsets_.push_back(offset); });
    std::sort(offsets_.begin(), offsets_.end());
}

long TakenOffsets::next(long after) const
{
    const auto found = std::upper_bound(offsets_.begin(), offsets_.end(), after);
    return found == offsets_.end() ? size_ : std::min(size_, *found);
}

namespace {

// The end of the run of free bytes from `from`, looked for up to `limit`
// only: a file of free bytes costs no more than the room can be.
long freeRunEnd(const RomImage& image, long from, long limit)
{
    long o = from;
    while (o < limit && image.contains(o) && image.read(o) == 0xFF)
        ++o;
    return o;
}

// The room of a block that starts at `start` and whose last byte is `last`.
long roomEnd(const RomImage& image, const AreaDirectory& directory, ImageKind kind, long start, long last)
{
    const long blockEnd = std::max(start, last + 1);
    const long taken = nextTakenOffset(image, directory, kind, last);
    const long runEnd = std::min(freeRunEnd(image, blockEnd, taken), taken);
    return std::clamp(std::max(blockEnd, runEnd), 0L, image.size());
}

} // namespace

AreaRoom findAreaRoom(const RomImage& image, const AreaDirectory& directory, ImageKind kind, const AreaModel& loaded)
{
    AreaRoom room;
    room.levelStart = loaded.levelDataOffset;
    room.levelEnd = roomEnd(image, directory, kind, loaded.levelDataOffset, loaded.levelEndMarkerOffset);
    room.enemyStart = loaded.enemyDataOffset;
    room.enemyEnd = roomEnd(image, directory, kind, loaded.enemyDataOffset, loaded.enemyTerminatorOffset);
    return room;
}

} // namespace quorled
