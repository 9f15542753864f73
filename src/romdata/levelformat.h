#pragma once

#include <array>

namespace quorled {

// Number of bytes that follow byte 1 of a special object, by kind 0..15:
// kinds 0, 1 and 6..14 are two bytes long, 5 (pointer) three, the rest one.
inline constexpr std::array<int, 16> specialObjExtraBytes{1, 1, 0, 0, 0, 2, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0};

// Special-object kinds with an effect on decoding.
inline constexpr int kKindGroundSettingA = 0;
inline constexpr int kKindGroundSettingB = 1;
inline constexpr int kKindSkipOnePage = 2;
inline constexpr int kKindSkipTwoPages = 3;
inline constexpr int kKindNextLayer = 4;
inline constexpr int kKindPointer = 5;
inline constexpr int kKindGroundType = 6;
inline constexpr int kKindEnd = 15;

// Rows in one page of objects.
inline constexpr int kRowsPerPage = 15;

// The running row after a page-skipping special object.
constexpr int rowAfterSkip(int row, int kind)
{
    if (kind == kKindSkipOnePage)
        return (row / kRowsPerPage) * kRowsPerPage + 15;
    if (kind == kKindSkipTwoPages)
        return (row / kRowsPerPage) * kRowsPerPage + 30;
    return row;
}

} // namespace quorled
