#pragma once

#include "romdata/imagekind.h"
#include "romdata/romimage.h"

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

// The same image as a RomImage, without building a new one per input: the
// demo image of the kind is kept and only the bytes the input lies over are
// written (and put back on the next call). Valid until the next call.
struct FuzzRom {
    ImageKind kind;
    const RomImage& image;
};
FuzzRom fuzzRomImage(const std::uint8_t* data, std::size_t size);

} // namespace quorled::fuzz
