#pragma once

#include "romdata/imagekind.h"
#include "romdata/romimage.h"

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace quorled::test {

// A synthetic image for tests: all 0xFF (free space), pointer tables of the
// kind filled so that every area points at a harmless default, and helpers
// to place bytes and pointers.
class TestImage {
public:
    explicit TestImage(ImageKind kind = ImageKind::Ines, long size = 0x40010);

    void put(long offset, std::initializer_list<int> bytes);
    void put(long offset, const std::vector<int>& bytes);
    void setLevelPointer(int area, long fileOffset);
    void setEnemyPointer(int area, long fileOffset);
    void setLevelsPerWorld(std::initializer_list<int> firstLevels);

    std::vector<std::uint8_t>& bytes() { return bytes_; }
    RomImage image() const { return RomImage::fromBytes(bytes_); }

private:
    ImageKind kind_;
    std::vector<std::uint8_t> bytes_;
};

} // namespace quorled::test
