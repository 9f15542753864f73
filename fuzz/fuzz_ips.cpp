// Applies fuzzed IPS patches to a small image: a clear refusal or a result,
// never a crash; a patch made from the image to the result gives the
// result back.
#include "patch/ips.h"
#include "patch/patcherror.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace quorled;
    const PatchBytes patch(data, data + size);
    PatchBytes image(4096);
    for (std::size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<std::uint8_t>(i * 31);
    PatchBytes result;
    try {
        result = applyIpsPatch(image, patch);
    } catch (const PatchError&) {
        return 0;
    }
    if (result.size() <= 0x20000 && applyIpsPatch(image, makeIpsPatch(image, result)) != result)
        __builtin_trap();
    return 0;
}
