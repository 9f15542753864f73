#include "support/testimage.h"

#include "romdata/romlayout.h"

namespace quorled::test {

TestImage::TestImage(ImageKind kind, long size) : kind_(kind), bytes_(static_cast<std::size_t>(size), 0xFF)
{
    if (kind == ImageKind::Ines)
        put(0, {'N', 'E', 'S', 0x1A}); // the start of every iNES image
    setLevelsPerWorld({0, 3, 6, 9, 12, 15, 18, 20});
    if (!romLayout(kind).hasPointerTables)
        return;
    const long base = romLayout(kind).pointerBase;
    // Every area starts out with one empty horizontal area at the start of
    // the level region and one empty enemy page.
    const long level = 0x101C9 - 0x8010 + base;
    const long enemy = 0x12708 - 0x8010 + base;
    put(level, {0x80, 0x00, 0x00, 0x00, 0x0F, 0x00, 0xFF});
    put(enemy, {0x01, 0xFF});
    for (int area = 0; area < 210; ++area) {
        setLevelPointer(area, level);
        setEnemyPointer(area, enemy);
    }
}

void TestImage::put(long offset, std::initializer_list<int> bytes) { put(offset, std::vector<int>(bytes)); }

void TestImage::put(long offset, const std::vector<int>& bytes)
{
    for (int value : bytes)
        bytes_.at(static_cast<std::size_t>(offset++)) = static_cast<std::uint8_t>(value);
}

void TestImage::setLevelPointer(int area, long fileOffset)
{
    const RomLayout& layout = romLayout(kind_);
    const long pointer = fileOffset - layout.pointerBase;
    put(layout.levelPointerLow + area, {static_cast<int>(pointer & 0xFF)});
    put(layout.levelPointerHigh + area, {static_cast<int>((pointer >> 8) & 0xFF)});
}

void TestImage::setEnemyPointer(int area, long fileOffset)
{
    const RomLayout& layout = romLayout(kind_);
    const long pointer = fileOffset - layout.pointerBase;
    const long group = 20L * (area / 10) + area % 10;
    put(layout.enemyPointerHigh + group, {static_cast<int>((pointer >> 8) & 0xFF)});
    put(layout.enemyPointerLow + group, {static_cast<int>(pointer & 0xFF)});
}

void TestImage::setLevelsPerWorld(std::initializer_list<int> firstLevels)
{
    long offset = romLayout(kind_).levelsPerWorld;
    for (int value : firstLevels)
        put(offset++, {value});
}

} // namespace quorled::test
