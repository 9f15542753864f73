#include "headerbits.h"

namespace quorled {

HeaderBits HeaderBits::fromBytes(const std::array<int, 4>& bytes)
{
    HeaderBits header;
    for (int b = 1; b <= 4; ++b)
        for (int j = 1; j <= 8; ++j)
            header.setBit(8 * (b - 1) + j, (bytes[static_cast<std::size_t>(b - 1)] >> (8 - j)) & 1);
    return header;
}

int HeaderBits::byte(int b) const { return field(8 * (b - 1) + 1, 8); }

std::array<int, 4> HeaderBits::bytes() const { return {byte(1), byte(2), byte(3), byte(4)}; }

int HeaderBits::field(int first, int width) const
{
    int value = 0;
    for (int k = first; k < first + width; ++k)
        value = value * 2 + bit(k);
    return value;
}

void HeaderBits::setField(int first, int width, int value)
{
    for (int i = 0; i < width; ++i)
        setBit(first + width - 1 - i, (value >> i) & 1);
}

} // namespace quorled
