#pragma once

// The decoding steps of the area directory and of an area, written once over
// any byte source with `read(offset)` (0xFF outside the data) and
// `contains(offset)`. The editor reads from a RomImage; the benchmarks also
// read through a source that fetches every byte from the file by itself.

#include "areadirectory.h"
#include "areamodel.h"
#include "bytes.h"
#include "coordinates.h"
#include "decodebounds.h"
#include "levelformat.h"
#include "romlayout.h"

#include <string>
#include <vector>

namespace quorled::decoding {

// The levels-per-world bytes and, for kinds that keep them, the pointer tables.
template <class Bytes>
void readDirectoryTables(const Bytes& image, const RomLayout& layout, AreaDirectory& directory)
{
    for (int i = 1; i <= 8; ++i)
        directory.worldFirstArea[static_cast<std::size_t>(i)] = image.read(layout.levelsPerWorld + i - 1) * 10;
    if (!layout.hasPointerTables)
        return;
    for (int area = 0; area < kAreaCount; ++area) {
        const int low = image.read(layout.levelPointerLow + area);
        const int high = image.read(layout.levelPointerHigh + area);
        directory.areaLevelOffset[static_cast<std::size_t>(area)] = low + 256L * high + layout.pointerBase;
    }
    for (int level = 0; level < 21; ++level) {
        for (int slot = 0; slot < 10; ++slot) {
            const int high = image.read(layout.enemyPointerHigh + 20L * level + slot);
            const int low = image.read(layout.enemyPointerLow + 20L * level + slot);
            directory.areaEnemyOffset[static_cast<std::size_t>(10 * level + slot)] =
                256L * high + low + layout.pointerBase;
        }
    }
}

// A byte source seen through a region: nothing outside it exists.
template <class Bytes>
struct RegionBytes {
    const Bytes& image;
    DataRegion region;
    int read(long offset) const { return region.contains(offset) ? image.read(offset) : 0xFF; }
    bool contains(long offset) const { return region.contains(offset) && image.contains(offset); }
};

// Walks the object stream that starts at `p` (after the four header
// bytes), handing each object to `visit`. Returns the offset of the end
// marker, the last byte the stream reads.
template <class Bytes, class Visit>
long walkObjects(const Bytes& image, long p, Visit&& visit)
{
    int row = 0;
    int layer = 0;
    for (;;) {
        const int b1 = image.read(p);
        const int b2 = image.read(p + 1);
        LevelObject object;
        object.layer = layer;
        if (highNibble(b1) < 15) {
            object.type = b2;
            row += highNibble(b1);
            object.y = row;
            object.x = lowNibble(b1);
        } else {
            const int kind = lowNibble(b1);
            object.special = true;
            object.type = kSpecialObjectType;
            object.param[0] = b2;
            object.y = row;
            object.x = kind;
            if (specialObjExtraBytes[static_cast<std::size_t>(kind)] == 2) {
                object.param[1] = image.read(p + 2);
                p += 1;
            } else if (specialObjExtraBytes[static_cast<std::size_t>(kind)] == 0) {
                p -= 1;
            }
            row = rowAfterSkip(row, kind);
            if (kind == kKindNextLayer) {
                row = 0;
                ++layer;
            }
        }
        visit(object);
        p += 2;
        if (image.read(p) == 0xFF)
            return p;
    }
}

// Where the enemy pages ended: the byte that ended them and the last page.
struct EnemyStop {
    long offset = 0;
    int lastPage = -1;
};

// Walks the enemy pages from `p`, bounded by `dataEnd`, handing each enemy
// to `visit`. The last byte the walk reads is the one after the stop.
template <class Bytes, class Visit>
EnemyStop walkEnemies(const Bytes& image, long p, long dataEnd, bool vertical, Visit&& visit)
{
    int count = 0;
    int page = -1;
    for (;;) {
        if (count >= 1 && count <= 0xF9) {
            if (!image.contains(p))
                break; // an enemy would start past the end of the file
            const int type = image.read(p);
            const int position = image.read(p + 1);
            count = (count - 2) % 256;
            if (count >= 1 && count <= 0xFA) {
                p += 2;
                Enemy enemy;
                enemy.type = type;
                if (vertical) {
                    enemy.x = highNibble(position);
                    enemy.y = page * 16 + lowNibble(position);
                } else {
                    enemy.x = page * 16 + highNibble(position);
                    enemy.y = lowNibble(position);
                }
                visit(enemy);
            }
        } else {
            count = image.read(p);
            if (count == 0xFF || (count == 1 && p + 1 >= dataEnd))
                break;
            ++p;
            ++page;
        }
    }
    return {p, page};
}

// Decodes the object stream that starts after the four header bytes.
// Returns the offset of the end marker.
template <class Bytes>
long decodeObjects(const Bytes& image, AreaModel& model)
{
    // Counted first, so that a long stream (a crafted area holds thousands
    // of objects) takes one allocation of its size, not a doubling series.
    std::size_t count = 0;
    walkObjects(image, model.levelDataOffset + 4, [&](const LevelObject&) { ++count; });
    model.objects.reserve(count);
    return walkObjects(image, model.levelDataOffset + 4,
                       [&](const LevelObject& object) { model.objects.push_back(object); });
}

// Decodes the enemy pages. Returns the offset of the byte that ended them.
template <class Bytes>
long decodeEnemies(const Bytes& image, AreaModel& model)
{
    model.enemies.reserve(16);
    const EnemyStop stop = walkEnemies(image, model.enemyDataOffset, model.enemyDataEnd, model.isVertical != 0,
                                       [&](const Enemy& enemy) { model.enemies.push_back(enemy); });
    model.enemyLastPage = stop.lastPage;
    return stop.offset;
}

// Consecutive bytes equal to `value` from `from` on in steps of `step`,
// inside the file only.
template <class Bytes>
int countRun(const Bytes& image, long from, long step, int value)
{
    int count = 0;
    for (long o = from; image.contains(o) && image.read(o) == value; o += step)
        ++count;
    return count;
}

// Whether a load counts the spare bytes after the streams. A check that
// only compares what areas hold leaves them at 0: counting can run through
// a long stretch of free bytes.
enum class SpareBytes { Count, Skip };

// What is damaged in an area's data: pointers outside the file or their
// region, streams that run past the end of their region or the file.
// `endMarker` and `stop` are where the level and enemy streams ended.
template <class Bytes>
std::vector<std::string> streamDamage(const Bytes& file, const DecodeBounds& bounds, int area, long level,
                                      long enemy, long endMarker, long stop)
{
    // Built only for a damage note: most areas have none.
    std::vector<std::string> damage;
    const auto label = [area] { return "area " + hex2(area); };
    const auto checkPointer = [&](const char* what, long offset, const DataRegion& region) {
        if (!file.contains(offset))
            damage.push_back(label() + ": the " + what + " pointer " + hexAddress(offset) + " lies outside the file");
        else if (!region.contains(offset))
            damage.push_back(label() + ": the " + what + " pointer " + hexAddress(offset) +
                             " lies outside the level-data region " + hexAddress(region.start) + ".." +
                             hexAddress(region.end - 1));
    };
    checkPointer("level data", level, bounds.level);
    checkPointer("enemy data", enemy, bounds.enemies);
    const auto runsPast = [&](const char* what, long last, const DataRegion& region, long start) {
        const RegionBytes<Bytes> bytes{file, region};
        if (bytes.contains(last) || !bytes.contains(start))
            return;
        damage.push_back(label() + ": " + what + " runs past the end of the " +
                         (file.contains(last) ? "level-data region" : "file"));
    };
    runsPast("level data", endMarker, bounds.level, level);
    runsPast("enemy data", stop, bounds.enemies, enemy);
    return damage;
}

// The header a load reads at `offset`, straight from the file.
template <class Bytes>
HeaderBits headerAt(const Bytes& file, long offset)
{
    return HeaderBits::fromBytes({file.read(offset), file.read(offset + 1), file.read(offset + 2), file.read(offset + 3)});
}

// What a load knows of an area before its streams: number, data offsets,
// header and scrolling direction.
template <class Bytes>
AreaModel areaHead(const Bytes& file, const AreaDirectory& directory, int area)
{
    AreaModel model;
    model.area = area;
    model.levelDataOffset = directory.areaLevelOffset[static_cast<std::size_t>(area)];
    model.enemyDataOffset = directory.areaEnemyOffset[static_cast<std::size_t>(area)];
    model.header = headerAt(file, model.levelDataOffset);
    model.isVertical = 1 - model.header.bit(1);
    return model;
}

// The whole area load: offsets from the directory, header, objects, spare
// level bytes, enemies, spare enemy bytes, drawing coordinates.
// The streams and the spare runs around them are read through their
// regions, so damaged data (no end marker, pointers elsewhere) or a file of
// free bytes costs at most one region's bytes.
template <class Bytes>
AreaModel decodeArea(const Bytes& file, const AreaDirectory& directory, const DecodeBounds& bounds, int area,
                     SpareBytes spare = SpareBytes::Count)
{
    AreaModel model = areaHead(file, directory, area);
    model.enemyDataEnd = bounds.enemyDataEnd;

    const RegionBytes<Bytes> image{file, bounds.level};
    const RegionBytes<Bytes> enemyBytes{file, bounds.enemies};

    model.selectedObject = 1;
    model.selectedEnemy = 1;

    const long endMarker = decodeObjects(image, model);
    model.levelEndMarkerOffset = endMarker;
    if (spare == SpareBytes::Count)
        model.levelSpareFF = countRun(image, endMarker + 1, 1, 0xFF);

    const long stop = decodeEnemies(enemyBytes, model);
    model.enemyTerminatorOffset = stop;
    model.damage = streamDamage(file, bounds, area, model.levelDataOffset, model.enemyDataOffset, endMarker, stop);
    model.enemySpareBytes = 0;
    if (spare == SpareBytes::Count && enemyBytes.contains(stop) &&
        (file.read(stop) == 0xFF || file.read(stop + 1) == 0xFF))
        model.enemySpareBytes = countRun(enemyBytes, stop - 1, -1, 0x01) + countRun(enemyBytes, stop + 1, 1, 0xFF);

    normalizeObjectCoordinates(model);
    return model;
}

// The bytes an area's streams read, found without building the area: level
// data from `level` to its end marker, enemy data from `enemy` to the byte
// after the one that ended it. Outside them no byte changes what decodeArea
// gives for these pointers and bounds (with SpareBytes::Skip).
struct StreamExtent {
    long levelLast = 0;
    long enemyLast = 0;
};
template <class Bytes>
StreamExtent streamExtent(const Bytes& file, const DecodeBounds& bounds, long level, long enemy)
{
    const RegionBytes<Bytes> levelBytes{file, bounds.level};
    const RegionBytes<Bytes> enemyBytes{file, bounds.enemies};
    const long levelLast = walkObjects(levelBytes, level + 4, [](const LevelObject&) {});
    const EnemyStop stop = walkEnemies(enemyBytes, enemy, bounds.enemyDataEnd, false, [](const Enemy&) {});
    return {levelLast, stop.offset + 1};
}

// Where an area's streams end and what is damaged in them, as decodeArea
// finds it, without building the area.
struct StreamEnds {
    long levelEndMarker = 0;
    long enemyTerminator = 0;
    std::vector<std::string> damage;
};
template <class Bytes>
StreamEnds scanStreams(const Bytes& file, const DecodeBounds& bounds, int area, long level, long enemy)
{
    const StreamExtent extent = streamExtent(file, bounds, level, enemy);
    StreamEnds ends{extent.levelLast, extent.enemyLast - 1, {}};
    ends.damage = streamDamage(file, bounds, area, level, enemy, ends.levelEndMarker, ends.enemyTerminator);
    return ends;
}

} // namespace quorled::decoding
