#include "core/workbench/maplinks.h"

#include "core/workbench/doorlinks.h"
#include "core/editing/groupselection.h"

namespace quorled {

std::string mapLinkText(const AreaModel& area, const AreaDirectory& directory, int index)
{
    if (index < 1 || index > area.objCount())
        return {};
    const auto link = linkOfObject(area, index);
    if (!link)
        return {};
    return "Object " + std::to_string(index) + " " + destinationText(link->to, directory);
}

std::string mapLinkTextAt(const AreaModel& area, const ViewState& view, const AreaDirectory& directory, int column,
                          int row)
{
    const CellBox cell{column, row, column, row};
    // Enemies standing on a door do not hide it here: only objects lead.
    for (int i = area.objCount(); i >= 1; --i) {
        if (!GroupSelection::itemCells(area, view, {false, i}).touches(cell))
            continue;
        if (std::string text = mapLinkText(area, directory, i); !text.empty())
            return text;
    }
    return {};
}

} // namespace quorled
