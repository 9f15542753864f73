#pragma once

#include "areadirectory.h"
#include "areamodel.h"
#include "imagekind.h"

#include <vector>

namespace quorled {

class RomImage;

// The bytes an area may fill when it is written back, as half-open ranges
// of file offsets. The level room is the level data as loaded (header,
// objects, end marker) and the 0xFF run after it; the enemy room is the
// enemy block as loaded and the 0xFF run after it. Neither run reaches into
// the data of any area (its pointers), the enemy pointer block or past the
// level-data region of an iNES image, or past the end of the file.
struct AreaRoom {
    long levelStart = 0;
    long levelEnd = 0;
    long enemyStart = 0;
    long enemyEnd = 0;

    long levelBytes() const { return levelEnd - levelStart; }
    long enemyBytes() const { return enemyEnd - enemyStart; }
};

// The first offset after `after` where bytes stop being free for an area
// whose block ends at `after`: the start of any area's data, the enemy
// pointer block or the end of the level-data region (iNES), the end of the
// file.
long nextTakenOffset(const RomImage& image, const AreaDirectory& directory, ImageKind kind, long after);

// The same for many questions about one image: the offsets kept in order.
class TakenOffsets {
public:
    TakenOffsets(const RomImage& image, const AreaDirectory& directory, ImageKind kind);
    long next(long after) const;

private:
    long size_;
    std::vector<long> offsets_;
};

// `loaded` is the area as a load of `image` finds it now.
AreaRoom findAreaRoom(const RomImage& image, const AreaDirectory& directory, ImageKind kind, const AreaModel& loaded);

} // namespace quorled
