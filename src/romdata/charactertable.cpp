#include "charactertable.h"

#include <cmath>

namespace quorled::characters {

namespace {

constexpr std::array<Character, kCount> kButtons{{
    {"Pelko", 0, 0},
    {"Vesk", 2, 1},
    {"Dribb", 1, 2},
    {"Princess", 3, 3},
}};

constexpr std::array<int, kProperties> kPropertyOffset{0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10,
                                                       11, 13, 14, 15, 17, 18, 20, 21, 12, 19, 22};

constexpr std::array<int, kBars> kBarProperty{12, 6, 7, 8, 9, 10, 11, 15, 16, 17, 18, 13, 14, 19, 20, 21};

constexpr std::array<PropertyCaption, kProperties> kCaptions{{
    {"Pick-up time :", "1"},
    {"Pick-up time :", "2"},
    {"Pick-up time :", "3"},
    {"Pick-up time :", "4"},
    {"Pick-up time :", "5"},
    {"Pick-up time :", "6"},
    {"Jump speed, still :", "No object"},
    {"Jump speed, still :", "With object"},
    {"Jump speed, sup.jump :", "No object"},
    {"Jump speed, sup.jump :", "With object"},
    {"Jump speed, running :", "No object"},
    {"Jump speed, running :", "With object"},
    {"Floating time :", ""},
    {"Gravity :", "Without A button"},
    {"Gravity :", "With A button"},
    {"Running speed (right) :", "No object"},
    {"Running speed (right) :", "With object"},
    {"Running speed (left) :", "No object"},
    {"Running speed (left) :", "With object"},
    {"In quicksand", "Jump speed :"},
    {"In quicksand", "Running speed (right) :"},
    {"In quicksand", "Running speed (left) :"},
}};

} // namespace

long recordBase(ImageKind kind)
{
    switch (kind) {
    case ImageKind::Snes: return 0x143DD + 0x77863;
    case ImageKind::Fds: return 0x143DD - 0x42B7;
    case ImageKind::Ines: break;
    }
    return 0x143DD;
}

long lastOffset(ImageKind kind) { return recordBase(kind) + kRecordSize * kCount - 1; }

const std::array<Character, kCount>& buttons() { return kButtons; }

int propertyOffset(int property) { return kPropertyOffset[static_cast<std::size_t>(property)]; }

long propertyFileOffset(ImageKind kind, int button, int property)
{
    return recordBase(kind) + kRecordSize * kButtons[static_cast<std::size_t>(button)].record +
           propertyOffset(property);
}

int barProperty(int bar) { return kBarProperty[static_cast<std::size_t>(bar)]; }

int propertyBar(int property)
{
    for (int j = 0; j < kBars; ++j)
        if (barProperty(j) == property)
            return j;
    return -1;
}

PropertyCaption propertyCaption(int property) { return kCaptions[static_cast<std::size_t>(property)]; }

int pickupValue(double typed)
{
    // Clamp first, so that a large number never wraps into the byte.
    if (!(typed > 0)) // also NaN
        return 0;
    if (typed > 255)
        return 255;
    return static_cast<int>(std::nearbyint(typed));
}

} // namespace quorled::characters
