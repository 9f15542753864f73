#pragma once

#include <cstdint>
#include <vector>

namespace quorled {

using PatchBytes = std::vector<std::uint8_t>;

// IPS patches: "PATCH", records of a 24-bit offset and up to 65535 bytes (or
// a run of one byte repeated), "EOF", optionally a 24-bit size the result is
// cut to. Offsets are 24 bits, so images up to 16 MiB.
inline constexpr std::size_t kIpsMaxImageSize = 0x1000000;
inline constexpr std::size_t kIpsMaxRecord = 0xFFFF;
// The most bytes the records of a patch may write together (overlapping
// records count again): four times the largest image.
inline constexpr std::size_t kIpsMostWritten = 4 * kIpsMaxImageSize;
// A record at this offset would read as the end marker "EOF".
inline constexpr std::size_t kIpsEofOffset = 0x454F46;

// The patch that turns `original` into `edited`. Throws PatchError when an
// image is larger than 16 MiB.
PatchBytes makeIpsPatch(const PatchBytes& original, const PatchBytes& edited);

// `image` with the patch applied. Throws PatchError, saying what is wrong,
// for anything that is not a complete, well-formed IPS patch.
PatchBytes applyIpsPatch(const PatchBytes& image, const PatchBytes& patch);

bool looksLikeIpsPatch(const PatchBytes& patch);

} // namespace quorled
