#pragma once

#include "imagekind.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace quorled {

// The movement table of the four playable characters: four records of 23
// bytes, one per character, of which 22 are edited (byte 16 never is).
namespace characters {

inline constexpr int kCount = 4;
inline constexpr int kRecordSize = 23;
inline constexpr int kProperties = 22;
inline constexpr int kBars = 16;
inline constexpr int kPickupBoxes = 6;

// File offset of record 0 in each kind of image.
long recordBase(ImageKind kind);
// The last byte the table reads or writes.
long lastOffset(ImageKind kind);

// A character as its button shows it; buttons are not in record order.
struct Character {
    std::string_view caption;
    int record;
    int spriteRow;
};
const std::array<Character, kCount>& buttons();

// Record offset of property n (0..21).
int propertyOffset(int property);
// File offset of property n of the character of button c.
long propertyFileOffset(ImageKind kind, int button, int property);

// Property n edited by bar j (0..15); pick-up box i edits property i.
int barProperty(int bar);
// Bar 0 (floating time) shows 0..255; every other bar a signed byte.
constexpr bool barShowsSigned(int bar) { return bar >= 1; }
// The bar that edits property n, or -1 for the pick-up times.
int propertyBar(int property);

// Captions of what a property edits: its row and, where the row has two
// columns or boxes, its column ("No object", "With A button", "1".."6").
struct PropertyCaption {
    std::string_view row;
    std::string_view column;
};
PropertyCaption propertyCaption(int property);

// Button colours, 0x00BBGGRR.
inline constexpr std::uint32_t kSelectedColour = 0xC0C0C0;
inline constexpr std::uint32_t kOtherColour = 0x808080;

// A typed pick-up time: clamped to 0..255, then rounded (halves to even).
// "300" gives 255, "-5" 0, "255.5" 255, "" and "x" 0.
int pickupValue(double typed);

} // namespace characters

} // namespace quorled
