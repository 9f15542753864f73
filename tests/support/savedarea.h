#pragma once

#include "romdata/areadirectory.h"
#include "romdata/arealoader.h"
#include "romdata/areawriter.h"
#include "support/testimage.h"

#include <vector>

namespace quorled::test {

using Bytes = std::vector<int>;

inline constexpr long kLevel = 0x10400;
inline constexpr long kEnemy = 0x12800;
inline constexpr int kArea = 3;
inline constexpr int kHorizontal = 0x80;
inline constexpr int kVertical = 0x00;

// One area's data in a test image, loaded, edited and saved in memory.
struct SavedArea {
    TestImage rom;
    RomImage image;
    AreaDirectory directory;
    AreaModel model;
    ViewPosition view;

    SavedArea(const std::vector<int>& level, const std::vector<int>& enemies, long nextEnemy = kEnemy + 0x100)
    {
        rom.setLevelPointer(kArea, kLevel);
        rom.setEnemyPointer(kArea, kEnemy);
        rom.setEnemyPointer(kArea + 1, nextEnemy);
        rom.put(kLevel, level);
        rom.put(kEnemy, enemies);
        rom.put(0x12510, {0xA5});
        image = rom.image();
        directory = buildAreaDirectory(image, ImageKind::Ines);
        model = loadArea(image, directory, ImageKind::Ines, kArea);
    }
    SaveResult save() { return saveArea(image, directory, ImageKind::Ines, model, view); }
    std::vector<int> bytesAt(long offset, int count) const
    {
        std::vector<int> out;
        for (int i = 0; i < count; ++i)
            out.push_back(image.read(offset + i));
        return out;
    }
};


} // namespace quorled::test
