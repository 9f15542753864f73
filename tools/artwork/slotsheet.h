#pragma once

// A 256 x 256 sheet of palette slots (0..15), the form in which the scenery
// artwork is drawn before it is written out as grey levels.

#include <array>
#include <cstdint>

class QImage;

namespace quorled::artwork {

class SlotSheet {
public:
    static constexpr int kSize = 256;

    int at(int x, int y) const;
    void set(int x, int y, int slot); // ignores pixels outside the sheet

    // Grey-level form: slot s becomes grey 16 * s + 8.
    QImage toGreyImage() const;
    // Screen colours: slot s becomes rgbOfSlot[s] (0xRRGGBB).
    QImage toColourImage(const std::array<std::uint32_t, 16>& rgbOfSlot, int rows) const;

private:
    std::array<std::uint8_t, kSize * kSize> slots_{};
};

// Deterministic pixel noise: a well-mixed 32-bit value of (x, y, seed).
std::uint32_t noise(int x, int y, int seed);

} // namespace quorled::artwork
