#include "core/editing/pointercell.h"

#include "core/editing/groupselection.h"

#include "romdata/bytes.h"
#include "view/catalogue.h"

namespace quorled {

std::string pointerCellText(const AreaModel& area, const ViewState& view, double x, double y)
{
    if (x < 0 || y < 0)
        return {};
    const int column = view.viewColumn + static_cast<int>(x) / 16;
    const int row = view.viewRow + static_cast<int>(y) / 16;
    const int page = area.isVertical != 0 ? row / 15 : column / 16;
    std::string text = "Page " + hex2(page) + "  X:" + hex2(column) + "  Y:" + hex2(row);
    const auto item = GroupSelection::itemAt(area, view, column, row);
    if (!item)
        return text;
    const Catalogue& catalogue = Catalogue::instance();
    if (item->enemy)
        return text + "  Enemy: " + catalogue.enemyTypeName(area.enemy(item->index).type);
    const LevelObject& object = area.object(item->index);
    if (isDoorPointer(area.objects, item->index, view.showPointersAsObjects))
        return text + "  Object: pointer for the door before it";
    return text + "  Object: " +
           catalogue.objectTypeName(area.header.objectSet(), std::min(object.type, kSpecialObjectType));
}

} // namespace quorled
