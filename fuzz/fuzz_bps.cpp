// Applies fuzzed BPS patches to a small image: a clear refusal or a result,
// never a crash. An input starting with 0x01 gets its checksums set right
// first, so that the actions themselves are read; a result then made into
// a patch again gives the result back.
#include "patch/bps.h"
#include "patch/patcherror.h"

#include <cstdint>

namespace {

void put32(quorled::PatchBytes& bytes, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace quorled;
    if (size == 0)
        return 0;
    PatchBytes image(2048);
    for (std::size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<std::uint8_t>(i * 37 + (i >> 7));
    PatchBytes patch(data + 1, data + size);
    if (data[0] == 0x01 && patch.size() >= 12) {
        const std::size_t end = patch.size() - 12;
        put32(patch, end, crc32Of(image, image.size()));
        put32(patch, end + 8, crc32Of(patch, end + 8));
    }
    PatchBytes result;
    try {
        result = applyBpsPatch(image, patch);
    } catch (const PatchError&) {
        return 0;
    }
    if (applyBpsPatch(image, makeBpsPatch(image, result)) != result)
        __builtin_trap();
    return 0;
}
