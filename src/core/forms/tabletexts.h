#pragma once

#include "romdata/bytetables.h"

#include <string>

namespace quorled {

// What a byte-table row's value label shows for a byte.
std::string shownValue(ByteDisplay display, int value);
// What its name label shows: a type name, a sound name, the extra-life
// text, or nothing for rows without one.
std::string nameLabel(ByteDisplay display, int value);
bool hasNameLabel(ByteDisplay display);

// The value label of a character bar: bar 0 plain, the others signed.
std::string barText(int bar, int value);

// A typed pick-up time: the byte it stores and the text the box then
// holds. Text above 255 becomes "255", below 0 "0"; other text becomes the
// decimal form of its leading number; empty text stays empty and stores 0.
struct PickupEntry {
    int value = 0;
    std::string text;
    bool outOfRange = false;
};
PickupEntry pickupEntry(const std::string& typed);

} // namespace quorled
