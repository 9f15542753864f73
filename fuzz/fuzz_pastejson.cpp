// Feeds fuzzed clipboard texts to the paste reader and checks: a text is
// either refused with a message and changes nothing, or pastes its items
// into an area that a save can still plan for.
#include "fuzzimage.h"

#include "core/exchange/groupclipboard.h"
#include "core/editing/groupediting.h"
#include "romdata/arealoader.h"
#include "romdata/areawriter.h"
#include "romdata/imageerror.h"
#include "romdata/romimage.h"

#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace quorled;
    static const RomImage image = RomImage::fromBytes(fuzz::makeFuzzImage(nullptr, 0).bytes);
    static const AreaDirectory directory = buildAreaDirectory(image, ImageKind::Ines);
    static const AreaModel loaded = loadArea(image, directory, ImageKind::Ines, 2);
    const std::string text(reinterpret_cast<const char*>(data), size);
    AreaModel model = loaded;
    ViewState view;
    try {
        const GroupEditing::NewItems items = GroupClipboard::readText(text);
        const auto refusal = GroupEditing::addItems(model, view, items, 0, 0, "Can't paste!");
        const std::size_t count = model.objects.size() + model.enemies.size();
        const std::size_t before = loaded.objects.size() + loaded.enemies.size();
        // Every item more, or a refusal that changed nothing.
        if (refusal ? !(model == loaded) : count != before + items.objects.size() + items.enemies.size())
            std::abort();
        planSave(image, directory, ImageKind::Ines, model);
    } catch (const ImageError&) {
        if (!(model == loaded))
            std::abort();
    }
    return 0;
}
