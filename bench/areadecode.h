#pragma once

// The editor's area load (directory and decode) written once more as
// templates over the reader, so the byte-per-call baseline runs exactly the
// same decoding steps as src/romdata's loadArea. main.cpp checks that both
// give the same directory and model on every demo area.

#include "romdata/areadirectory.h"
#include "romdata/arealoader.h"
#include "romdata/areamodel.h"
#include "romdata/bytes.h"
#include "romdata/coordinates.h"
#include "romdata/levelformat.h"
#include "romdata/romlayout.h"

namespace quorled::bench {

// buildAreaDirectory for images with pointer tables.
template <class Reader>
AreaDirectory decodeDirectory(const Reader& image, ImageKind kind)
{
    const RomLayout& layout = romLayout(kind);
    AreaDirectory directory;
    for (int i = 1; i <= 8; ++i)
        directory.worldFirstArea[static_cast<std::size_t>(i)] = image.read(layout.levelsPerWorld + i - 1) * 10;
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
    directory.areaEnemyOffset[kAreaCount] = 0;
    return directory;
}

template <class Reader>
long decodeObjects(const Reader& image, AreaModel& model)
{
    long p = model.levelDataOffset + 4;
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
        model.objects.push_back(object);
        p += 2;
        if (image.read(p) == 0xFF)
            return p;
    }
}

template <class Reader>
long decodeEnemies(const Reader& image, AreaModel& model)
{
    long p = model.enemyDataOffset;
    int count = 0;
    int page = -1;
    for (;;) {
        if (count >= 1 && count <= 0xF9) {
            if (!image.contains(p))
                break;
            const int type = image.read(p);
            const int position = image.read(p + 1);
            count = (count - 2) % 256;
            if (count >= 1 && count <= 0xFA) {
                p += 2;
                Enemy enemy;
                enemy.type = type;
                if (model.isVertical) {
                    enemy.x = highNibble(position);
                    enemy.y = page * 16 + lowNibble(position);
                } else {
                    enemy.x = page * 16 + highNibble(position);
                    enemy.y = lowNibble(position);
                }
                model.enemies.push_back(enemy);
            }
        } else {
            count = image.read(p);
            if (count == 0xFF || (count == 1 && p + 1 >= model.enemyDataEnd))
                break;
            ++p;
            ++page;
        }
    }
    model.enemyLastPage = page;
    return p;
}

template <class Reader>
int countRun(const Reader& image, long from, long step, int value)
{
    int count = 0;
    for (long o = from; image.contains(o) && image.read(o) == value; o += step)
        ++count;
    return count;
}

// loadArea over any reader.
template <class Reader>
AreaModel decodeArea(const Reader& image, const AreaDirectory& directory, ImageKind kind, int area)
{
    AreaModel model;
    model.area = area;
    model.levelDataOffset = directory.areaLevelOffset[static_cast<std::size_t>(area)];
    model.enemyDataOffset = directory.areaEnemyOffset[static_cast<std::size_t>(area)];
    model.enemyDataEnd = enemyDataEndFor(directory, kind, area);

    const std::string label = "area " + hex2(area);
    if (!image.contains(model.levelDataOffset))
        model.damage.push_back(label + ": the level data pointer " + hexAddress(model.levelDataOffset) +
                               " lies outside the file");
    if (!image.contains(model.enemyDataOffset))
        model.damage.push_back(label + ": the enemy data pointer " + hexAddress(model.enemyDataOffset) +
                               " lies outside the file");

    model.header = HeaderBits::fromBytes({image.read(model.levelDataOffset), image.read(model.levelDataOffset + 1),
                                          image.read(model.levelDataOffset + 2),
                                          image.read(model.levelDataOffset + 3)});
    model.isVertical = 1 - model.header.bit(1);
    model.selectedObject = 1;
    model.selectedEnemy = 1;

    const long endMarker = decodeObjects(image, model);
    model.levelEndMarkerOffset = endMarker;
    if (!image.contains(endMarker) && image.contains(model.levelDataOffset))
        model.damage.push_back(label + ": level data runs past the end of the file");
    model.levelSpareFF = countRun(image, endMarker + 1, 1, 0xFF);

    const long stop = decodeEnemies(image, model);
    model.enemyTerminatorOffset = stop;
    if (!image.contains(stop) && image.contains(model.enemyDataOffset))
        model.damage.push_back(label + ": enemy data runs past the end of the file");
    model.enemySpareBytes = 0;
    if (image.contains(stop) && (image.read(stop) == 0xFF || image.read(stop + 1) == 0xFF))
        model.enemySpareBytes = countRun(image, stop - 1, -1, 0x01) + countRun(image, stop + 1, 1, 0xFF);

    normalizeObjectCoordinates(model);
    return model;
}

} // namespace quorled::bench
