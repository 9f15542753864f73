#pragma once

#include <array>
#include <cstdint>

namespace quorled {

// The four header bytes of an area as 32 bits, k = 1 the most significant bit
// of the first byte and k = 32 the least significant bit of the fourth.
class HeaderBits {
public:
    HeaderBits() = default;
    static HeaderBits fromBytes(const std::array<int, 4>& bytes);

    int bit(int k) const { return bits_[static_cast<std::size_t>(k - 1)]; }
    void setBit(int k, int value) { bits_[static_cast<std::size_t>(k - 1)] = value ? 1 : 0; }
    // Header byte b = 1..4, packed most significant bit first.
    int byte(int b) const;
    std::array<int, 4> bytes() const;

    // The fields of the header, read from the bits.
    int scrollsHorizontally() const { return bit(1); }
    int levelPalette() const { return field(3, 3); }
    int enemyPalette() const { return field(7, 2); }
    int groundSetting() const { return field(12, 5); }
    int levelLength() const { return field(17, 4); }
    int objectSet() const { return field(21, 4); }
    int groundType() const { return field(27, 3); }
    int music() const { return field(31, 2); }

    // The value of `width` bits starting at bit `first`, most significant first.
    int field(int first, int width) const;
    void setField(int first, int width, int value);

    bool operator==(const HeaderBits&) const = default;

private:
    std::array<std::uint8_t, 32> bits_{};
};

} // namespace quorled
