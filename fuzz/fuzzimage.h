#pragma once

#include "romdata/imagekind.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace quorled::fuzz {

// Turns fuzz input into an image of the kind named by its first byte: the
// rest of the input lies over the demo image from the level pointer tables
// on, so that most inputs reach deep into the area decoding.
struct FuzzImage {
    ImageKind kind;
    std::vector<std::uint8_t> bytes;
};

FuzzImage makeFuzzImage(const std::uint8_t* data, std::size_t size);

} // namespace quorled::fuzz
