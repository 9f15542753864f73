#include "fuzzimage.h"

#include "romdata/demo/demoimage.h"

#include <algorithm>
#include <cstring>

namespace quorled::fuzz {

namespace {

const std::vector<std::uint8_t>& demo(ImageKind kind)
{
    static const std::vector<std::uint8_t> ines = buildDemoImage(ImageKind::Ines);
    static const std::vector<std::uint8_t> snes = buildDemoImage(ImageKind::Snes);
    return kind == ImageKind::Snes ? snes : ines;
}

std::size_t overlayStart(ImageKind kind) { return kind == ImageKind::Snes ? 0x8D2AD : 0x10025; }

} // namespace

FuzzRom fuzzRomImage(const std::uint8_t* data, std::size_t size)
{
    static RomImage kept[2] = {RomImage::fromBytes(demo(ImageKind::Ines)), RomImage::fromBytes(demo(ImageKind::Snes))};
    static std::vector<std::size_t> written[2]; // offsets from `start` the last input changed
    static RomImage cut = RomImage::fromBytes({});
    const int selector = size > 0 ? data[0] % 4 : 0;
    if (selector == 2 && size > 3) {
        cut = RomImage::fromBytes(makeFuzzImage(data, size).bytes);
        return {ImageKind::Ines, cut};
    }
    const ImageKind kind = selector == 1 ? ImageKind::Snes : ImageKind::Ines;
    const int k = kind == ImageKind::Snes;
    RomImage& image = kept[k];
    const std::size_t start = overlayStart(kind);
    const std::vector<std::uint8_t>& original = demo(kind);
    for (const std::size_t i : written[k])
        image.write(static_cast<long>(start + i), original[start + i]);
    written[k].clear();
    // Most inputs differ from the demo bytes in a few places: compare in
    // chunks and write only the bytes that differ.
    const std::size_t length = size > 1 ? std::min(size - 1, original.size() - start) : 0;
    constexpr std::size_t kChunk = 64;
    for (std::size_t from = 0; from < length; from += kChunk) {
        const std::size_t n = std::min(kChunk, length - from);
        if (std::memcmp(data + 1 + from, original.data() + start + from, n) == 0)
            continue;
        for (std::size_t i = from; i < from + n; ++i) {
            if (data[1 + i] != original[start + i]) {
                image.write(static_cast<long>(start + i), data[1 + i]);
                written[k].push_back(i);
            }
        }
    }
    return {kind, image};
}

FuzzImage makeFuzzImage(const std::uint8_t* data, std::size_t size)
{
    FuzzImage image;
    const int selector = size > 0 ? data[0] % 4 : 0;
    image.kind = selector == 1 ? ImageKind::Snes : ImageKind::Ines;
    image.bytes = demo(image.kind);
    const std::size_t start = overlayStart(image.kind);
    if (size > 1) {
        const std::size_t length = std::min(size - 1, image.bytes.size() - start);
        std::copy(data + 1, data + 1 + length, image.bytes.begin() + static_cast<long>(start));
    }
    // Selector 2 cuts the image short at a place the input chooses.
    if (selector == 2 && size > 3)
        image.bytes.resize(0x10025 + (static_cast<std::size_t>(data[1]) << 8 | data[2]) * 2);
    return image;
}

} // namespace quorled::fuzz
