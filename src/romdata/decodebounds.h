#pragma once

namespace quorled::decoding {

// Where an area's streams may lie: the enemy data's bound (enemyDataEnd) and
// the stretch of file offsets [start, end) that holds level data and enemy
// data. Bytes outside a stretch read as 0xFF, which ends either stream.
struct DataRegion {
    long start = 0;
    long end = 0;
    bool contains(long offset) const { return offset >= start && offset < end; }
};
struct DecodeBounds {
    long enemyDataEnd = 0;
    DataRegion level;
    DataRegion enemies;
};

} // namespace quorled::decoding
