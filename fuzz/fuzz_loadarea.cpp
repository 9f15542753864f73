// Opens fuzzed images and loads every area: nothing may read outside the
// image, loop without end or crash.
#include "fuzzimage.h"

#include "romdata/arealoader.h"
#include "romdata/romimage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace quorled;
    const fuzz::FuzzRom input = fuzz::fuzzRomImage(data, size);
    const RomImage& image = input.image;
    const AreaDirectory directory = buildAreaDirectory(image, input.kind);
    // A few areas per input, chosen by it: damaged areas can be long, and
    // every area runs the same code.
    for (std::size_t i = 0; i < 6; ++i) {
        const int area = (size > i + 3 ? data[size - 1 - i] : static_cast<int>(i) * 37) % (lastAreaIndex + 1);
        const AreaModel model = loadArea(image, directory, input.kind, area);
        if (model.objCount() == 0)
            __builtin_trap(); // the first object is always decoded
    }
    return 0;
}
