#pragma once

#include "romdata/areamodel.h"
#include "view/viewstate.h"

#include <optional>
#include <string>

namespace quorled {

// One item of an area: an object or an enemy by its 1-based number.
struct ItemRef {
    bool enemy = false;
    int index = 0;
    bool operator==(const ItemRef&) const = default;
};

// A rectangle of cells, corners included.
struct CellBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool touches(const CellBox& other) const
    {
        return left <= other.right && other.left <= right && top <= other.bottom && other.top <= bottom;
    }
    bool operator==(const CellBox&) const = default;
};

// Selecting many items of an area at once. The group is kept in the model
// (AreaModel::group) next to the selected object and enemy the read-outs
// show; those two stay the last item clicked of each kind.
namespace GroupSelection {

// The items an edit applies to: the group while it holds the current item
// (the selected object in edit mode 0, the selected enemy in mode 1) and
// every number in it is in range; else the current item alone, or nothing.
ItemSelection selectedItems(const AreaModel& area, int editMode);
// Whether more than one item is selected.
bool isGroup(const AreaModel& area, int editMode);

// The cells an item covers as the view picks it (a door pointer shown as a
// pointer is one cell; negative sizes reach left or up).
CellBox itemCells(const AreaModel& area, const ViewState& view, ItemRef item);
// The item a click on a cell picks: the first enemy whose box holds it, else
// the last object in list order.
std::optional<ItemRef> itemAt(const AreaModel& area, const ViewState& view, int column, int row);

// A plain click: the item alone, as the current item of its kind.
void selectOnly(AreaModel& area, ViewState& view, ItemRef item);
// Shift+click: adds the item, or takes it out of the selection (then the
// last remaining item of the group becomes the current one).
void toggle(AreaModel& area, ViewState& view, ItemRef item);
// A selection box: the items touching `box`, added to `before` when `add`.
void selectInBox(AreaModel& area, ViewState& view, const CellBox& box, bool add, const ItemSelection& before);
// "Select all items".
void selectAll(AreaModel& area, ViewState& view);
// Escape: back to the current item alone.
void selectCurrentOnly(AreaModel& area);
// Makes `items` the selection; the current item becomes the first object
// (or, without objects, the first enemy) unless the current one is in it.
void setSelection(AreaModel& area, ViewState& view, ItemSelection items);

// Adds to `items` the pointer object that follows each door in it.
void addDoorPointers(const AreaModel& area, ItemSelection& items);

// "17 selected (12 objects, 5 enemies)"; empty for one item or none.
std::string summary(const AreaModel& area, int editMode);

} // namespace GroupSelection

} // namespace quorled
