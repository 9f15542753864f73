#include "core/workbench/doorlinks.h"

#include "romdata/bytes.h"
#include "romdata/levelformat.h"
#include "view/catalogue.h"

namespace quorled {

std::optional<DoorDestination> pointerDestination(const LevelObject& object)
{
    if (!object.special || object.kind() != kKindPointer)
        return std::nullopt;
    return DoorDestination{object.param[0], highNibble(object.param[1]), lowNibble(object.param[1])};
}

std::array<int, 2> pointerBytes(const DoorDestination& destination)
{
    return {destination.level & 0xFF, ((destination.slot & 15) << 4) | (destination.page & 15)};
}

std::string destinationText(const DoorDestination& destination, const AreaDirectory& directory)
{
    const std::string page = ", page " + std::to_string(destination.page);
    if (!destination.areaExists())
        return "→ level " + hex2(destination.level) + ", slot " + hex2(destination.slot) + " (no such area)" + page;
    return "→ area " + hex2(destination.area()) + ", " + directory.areaName(destination.area()) + page;
}

std::vector<DoorLink> doorLinks(const AreaModel& model)
{
    std::vector<DoorLink> links;
    const Catalogue& catalogue = Catalogue::instance();
    for (int i = 1; i <= model.objCount(); ++i) {
        const auto to = pointerDestination(model.object(i));
        if (!to)
            continue;
        const bool afterDoor = i > 1 && !model.object(i - 1).special && catalogue.isDoorType(model.object(i - 1).type);
        links.push_back(DoorLink{afterDoor ? i - 1 : 0, i, *to});
    }
    return links;
}

std::optional<DoorLink> linkOfObject(const AreaModel& model, int index)
{
    for (const DoorLink& link : doorLinks(model))
        if (link.pointer == index || (link.door != 0 && link.door == index))
            return link;
    return std::nullopt;
}

} // namespace quorled
