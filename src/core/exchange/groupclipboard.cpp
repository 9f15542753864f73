#include "core/exchange/groupclipboard.h"

#include "core/exchange/areajson.h"
#include "core/editing/groupselection.h"

#include "romdata/imageerror.h"
#include "romdata/levelformat.h"

#include <sstream>

namespace quorled::GroupClipboard {

namespace {
constexpr const char* kNothingPasted = "Nothing was pasted.";
} // namespace

std::string copyText(const AreaModel& area, int editMode, ImageKind kind, const AreaDirectory& directory)
{
    const ItemSelection items = GroupSelection::selectedItems(area, editMode);
    if (items.empty())
        return {};
    AreaModel copy = area;
    const GroupEditing::NewItems chosen = GroupEditing::copyItems(area, items);
    copy.objects = chosen.objects;
    copy.enemies = chosen.enemies;
    copy.group = {};
    std::ostringstream out;
    writeAreaJson(copy, kind, directory, out);
    return out.str();
}

GroupEditing::NewItems readText(const std::string& text)
{
    if (text.size() > kMaxTextLength)
        throw ImageError("The clipboard text is too long (" + std::to_string(text.size()) +
                         " bytes) to be items of an area. " + kNothingPasted);
    JsonValue document;
    try {
        document = parseJson(text, kAreaJsonLimits);
    } catch (const JsonError& error) {
        throw ImageError(std::string("The clipboard text is not items copied from an area: ") + error.what() +
                         ". " + kNothingPasted);
    }
    const AreaJsonContent content =
        readAreaJson(document, JsonSource{"The clipboard text", kNothingPasted}, LayerRule::AsWritten);
    if (content.objects.empty() && content.enemies.empty())
        throw ImageError(std::string("The clipboard text holds no object and no enemy. ") + kNothingPasted);
    for (const LevelObject& object : content.objects)
        // An end marker would cut the level data short at the next save.
        if (object.special && object.kind() == kKindEnd)
            throw ImageError(std::string("The clipboard text holds an end marker, which can't be pasted. ") +
                             kNothingPasted);
    return {content.objects, content.enemies};
}

} // namespace quorled::GroupClipboard
