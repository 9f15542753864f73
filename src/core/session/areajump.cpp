#include "core/session/areajump.h"

#include "core/forms/areachooser.h"
#include "core/session/editorcore.h"
#include "romdata/bytes.h"

namespace quorled {

std::optional<std::string> jumpToArea(EditorCore& core, int area)
{
    if (!core.hasImage())
        return std::string("No image is open, so no area can be opened.");
    const auto& first = core.directory().worldFirstArea;
    for (int world = 1; world <= AreaChooser::kWorlds; ++world) {
        const auto w = static_cast<std::size_t>(world);
        if (area < first[w] || area >= first[w + 1])
            continue;
        core.chooseWorld(world);
        core.chooseArea(area - first[w]);
        core.acceptAreaChoice();
        return std::nullopt;
    }
    return "Area " + hex2(area) + " belongs to no world of this image, so the editor stays at area " +
           hex2(core.currentArea()) + ".";
}

} // namespace quorled
