#pragma once

#include "ips.h"

#include <cstdint>
#include <string>

namespace quorled {

// BPS patches: "BPS1", the source, target and metadata sizes as variable
// length numbers, the metadata, actions (source read, target read, source
// copy, target copy) and the CRC-32 of source, target and patch.
inline constexpr std::size_t kBpsMaxImageSize = 0x1000000;

// The patch that turns `source` into `target`, with `metadata` (may be
// empty) stored as it is. Throws PatchError for images over 16 MiB.
PatchBytes makeBpsPatch(const PatchBytes& source, const PatchBytes& target, const std::string& metadata = {});

// `source` with the patch applied. Throws PatchError, saying what is wrong,
// for a damaged patch, a source of another size or checksum than the one
// the patch was made from, or a result whose checksum differs.
PatchBytes applyBpsPatch(const PatchBytes& source, const PatchBytes& patch);

bool looksLikeBpsPatch(const PatchBytes& patch);

// zlib's CRC-32 of the bytes.
std::uint32_t crc32Of(const PatchBytes& bytes, std::size_t count);

} // namespace quorled
