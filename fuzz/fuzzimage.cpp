#include "fuzzimage.h"

#include "romdata/demo/demoimage.h"

#include <algorithm>

namespace quorled::fuzz {

namespace {

const std::vector<std::uint8_t>& demo(ImageKind kind)
{
    static const std::vector<std::uint8_t> ines = buildDemoImage(ImageKind::Ines);
    static const std::vector<std::uint8_t> snes = buildDemoImage(ImageKind::Snes);
    return kind == ImageKind::Snes ? snes : ines;
}

} // namespace

FuzzImage makeFuzzImage(const std::uint8_t* data, std::size_t size)
{
    FuzzImage image;
    const int selector = size > 0 ? data[0] % 4 : 0;
    image.kind = selector == 1 ? ImageKind::Snes : ImageKind::Ines;
    image.bytes = demo(image.kind);
    const std::size_t start = image.kind == ImageKind::Snes ? 0x8D2AD : 0x10025;
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
