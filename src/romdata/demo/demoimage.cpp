#include "demoimage.h"

#include "../areadirectory.h"
#include "../romlayout.h"
#include "demoareas.h"
#include "demolayout.h"
#include "demotables.h"

#include <algorithm>

namespace quorled {

namespace {

constexpr long kInesSize = 0x40010;
constexpr long kSnesSize = 0x200200;
constexpr long kDiskSideSize = 65500;
constexpr long kFdsSize = 16 + 2 * kDiskSideSize;
// SNES compilation images carry the iNES stretch this much further on.
constexpr long kSnesShift = 0x781F0;
// The byte the game keeps at the start of the enemy pointer block.
constexpr long kEnemyPointerMark = 0x12510;

struct InesDemo {
    std::vector<std::uint8_t> bytes;
    DemoLayout layout;
};

void writePointerTables(std::vector<std::uint8_t>& image, ImageKind kind, const DemoLayout& layout)
{
    const RomLayout& at = romLayout(kind);
    for (int a = 0; a < kAreaCount; ++a) {
        const auto i = static_cast<std::size_t>(a);
        const long level = layout.level[i] - 0x8010;
        const long enemy = layout.enemy[i] - 0x8010;
        const long slot = 20L * (a / 10) + a % 10;
        image[static_cast<std::size_t>(at.levelPointerLow + a)] = static_cast<std::uint8_t>(level & 0xFF);
        image[static_cast<std::size_t>(at.levelPointerHigh + a)] = static_cast<std::uint8_t>(level >> 8);
        image[static_cast<std::size_t>(at.enemyPointerHigh + slot)] = static_cast<std::uint8_t>(enemy >> 8);
        image[static_cast<std::size_t>(at.enemyPointerLow + slot)] = static_cast<std::uint8_t>(enemy & 0xFF);
    }
}

InesDemo buildInes()
{
    InesDemo demo;
    std::vector<std::uint8_t>& b = demo.bytes;
    b.assign(kInesSize, 0x00);
    // Header: 16 program banks of 16 KB, no character banks, board 4.
    const std::uint8_t header[16] = {'N', 'E', 'S', 0x1A, 0x10, 0x00, 0x40, 0x00};
    std::copy(std::begin(header), std::end(header), b.begin());
    std::fill(b.begin() + kLevelRegionStart, b.begin() + kLevelRegionEnd + 1, 0xFF);
    demo.layout = placeDemoAreas(designDemoAreas(), b);
    std::fill(b.begin() + kEnemyPointerBlockStart, b.begin() + kEnemyPointerBlockEnd + 1, 0x00);
    b[kEnemyPointerMark] = 0xA5;
    writePointerTables(b, ImageKind::Ines, demo.layout);
    writeDemoGameTables(b, ImageKind::Ines);
    return demo;
}

std::vector<std::uint8_t> buildSnes(const InesDemo& ines)
{
    std::vector<std::uint8_t> b(kSnesSize, 0x00);
    const auto copy = [&](long from, long to) {
        std::copy(ines.bytes.begin() + from, ines.bytes.begin() + to, b.begin() + from + kSnesShift);
    };
    copy(kLevelRegionStart, kEnemyPointerBlockStart);
    copy(kEnemyPointerBlockEnd + 1, kDemoEnemyDataLimit);
    writePointerTables(b, ImageKind::Snes, ines.layout);
    writeDemoGameTables(b, ImageKind::Snes);
    return b;
}

std::vector<std::uint8_t> buildFds(const InesDemo& ines)
{
    std::vector<std::uint8_t> b(kFdsSize, 0x00);
    const std::uint8_t header[16] = {0x46, 0x44, 0x53, 0x1A, 0x02}; // disk-image file signature, two sides
    std::copy(std::begin(header), std::end(header), b.begin());
    const DemoLayout& l = ines.layout;
    for (std::size_t w = 0; w < 7; ++w) {
        const int first = static_cast<int>(w) * 30;
        const long levelShift = diskLevelShift(first);
        const long enemyShift = diskEnemyShift(first);
        std::copy(ines.bytes.begin() + l.worldLevelStart[w], ines.bytes.begin() + l.worldLevelEnd[w],
                  b.begin() + l.worldLevelStart[w] + levelShift);
        std::copy(ines.bytes.begin() + l.worldEnemyStart[w], ines.bytes.begin() + l.worldEnemyEnd[w],
                  b.begin() + l.worldEnemyStart[w] + enemyShift);
    }
    writeDemoGameTables(b, ImageKind::Fds);
    return b;
}

} // namespace

std::vector<std::uint8_t> buildDemoImage(ImageKind kind)
{
    const InesDemo ines = buildInes();
    switch (kind) {
    case ImageKind::Snes: return buildSnes(ines);
    case ImageKind::Fds: return buildFds(ines);
    case ImageKind::Ines: break;
    }
    return ines.bytes;
}

} // namespace quorled
