#include "slotsheet.h"

#include <QImage>

namespace quorled::artwork {

int SlotSheet::at(int x, int y) const
{
    if (x < 0 || y < 0 || x >= kSize || y >= kSize)
        return 0;
    return slots_[static_cast<std::size_t>(y * kSize + x)];
}

void SlotSheet::set(int x, int y, int slot)
{
    if (x < 0 || y < 0 || x >= kSize || y >= kSize)
        return;
    slots_[static_cast<std::size_t>(y * kSize + x)] = static_cast<std::uint8_t>(slot & 15);
}

QImage SlotSheet::toGreyImage() const
{
    QImage image(kSize, kSize, QImage::Format_RGB32);
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            const int v = 16 * at(x, y) + 8;
            image.setPixel(x, y, qRgb(v, v, v));
        }
    return image;
}

QImage SlotSheet::toColourImage(const std::array<std::uint32_t, 16>& rgbOfSlot, int rows) const
{
    QImage image(kSize, rows, QImage::Format_RGB32);
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < kSize; ++x)
            image.setPixel(x, y, 0xFF000000u | rgbOfSlot[static_cast<std::size_t>(at(x, y))]);
    return image;
}

std::uint32_t noise(int x, int y, int seed)
{
    std::uint32_t h = static_cast<std::uint32_t>(x) * 0x8DA6B343u
        ^ static_cast<std::uint32_t>(y) * 0xD8163841u ^ static_cast<std::uint32_t>(seed) * 0xCB1AB31Fu;
    h ^= h >> 13;
    h *= 0x5BD1E995u;
    h ^= h >> 15;
    return h;
}

} // namespace quorled::artwork
