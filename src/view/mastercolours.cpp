#include "mastercolours.h"

namespace quorled {

std::uint32_t toColorRef(std::uint32_t rgb)
{
    const std::uint32_t red = (rgb >> 16) & 0xFF;
    const std::uint32_t green = (rgb >> 8) & 0xFF;
    const std::uint32_t blue = rgb & 0xFF;
    return (blue << 16) | (green << 8) | red;
}

std::uint32_t masterColourRef(int colourNumber)
{
    return toColorRef(kMasterColoursRgb[static_cast<std::size_t>(colourNumber & 0x3F)]);
}

} // namespace quorled
