#pragma once

#include <cstdint>
#include <string>

namespace quorled {

// Bit n of a byte, n = 1 the most significant and n = 8 the least.
constexpr int bitOf(int value, int n) { return (value >> (8 - n)) & 1; }
constexpr int highNibble(int value) { return (value / 16) & 15; }
constexpr int lowNibble(int value) { return value & 15; }

// Upper-case hexadecimal with at least two digits: 5 -> "05", 0x12F -> "12F".
std::string hex2(long value);
// Upper-case hexadecimal without leading zeros: 0x101C9 -> "101C9".
std::string hexDigits(long value);
// A file offset as written in messages: "$101C9".
std::string hexAddress(long value);
// At least three decimal digits: 7 -> "007".
std::string dec3(long value);

} // namespace quorled
