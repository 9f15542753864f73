// Feeds fuzzed documents to the import command's reader and checks: a
// document is either refused with a message or gives a model that a save
// can plan for.
#include "fuzzimage.h"

#include "core/exchange/areajson.h"
#include "romdata/arealoader.h"
#include "romdata/areawriter.h"
#include "romdata/imageerror.h"
#include "romdata/romimage.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace quorled;
    static const RomImage image = RomImage::fromBytes(fuzz::makeFuzzImage(nullptr, 0).bytes);
    static const AreaDirectory directory = buildAreaDirectory(image, ImageKind::Ines);
    const std::string document(reinterpret_cast<const char*>(data), size);
    AreaModel model = loadArea(image, directory, ImageKind::Ines, 2);
    try {
        applyAreaJson(parseJson(document, kAreaJsonLimits), model, "fuzz.json");
        planSave(image, directory, ImageKind::Ines, model);
    } catch (const ImageError&) {
        // Refused, with a message: the answer to a bad document.
    } catch (const JsonError&) {
        // Not JSON at all, with a message too.
    }
    return 0;
}
