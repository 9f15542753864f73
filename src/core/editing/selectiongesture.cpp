#include "core/editing/selectiongesture.h"

#include "core/settings/editorsettings.h"

#include "view/viewstate.h"

namespace quorled {

namespace {

constexpr int kCell = 16;

int cellAt(double pixel, int viewStart) { return static_cast<int>(roundHalfEven(pixel)) / kCell + viewStart; }

} // namespace

bool SelectionGesture::press(AreaModel& area, ViewState& view, double x, double y, int shift)
{
    startColumn_ = column_ = cellAt(x, view.viewColumn);
    startRow_ = row_ = cellAt(y, view.viewRow);
    hit_ = GroupSelection::itemAt(area, view, column_, row_);
    before_ = GroupSelection::selectedItems(area, view.editMode);
    add_ = (shift & 1) != 0;
    if (add_) {
        kind_ = Kind::ShiftPending;
        return false;
    }
    if (!hit_) {
        kind_ = Kind::Box;
        return false;
    }
    const bool inGroup = hit_->enemy ? before_.hasEnemy(hit_->index) : before_.hasObject(hit_->index);
    if (inGroup && before_.size() > 1) {
        kind_ = Kind::Group;
        objects_ = area.objects;
        enemies_ = area.enemies;
        // The item clicked becomes the current one; the group stays.
        if (hit_->enemy) {
            area.selectedEnemy = hit_->index;
            view.editMode = 1;
        } else {
            area.selectedObject = hit_->index;
            view.editMode = 0;
        }
        area.group = before_;
        return true;
    }
    kind_ = Kind::Single;
    single_.press(area, view, x, y);
    GroupSelection::selectOnly(area, view, *hit_);
    return true;
}

bool SelectionGesture::move(AreaModel& area, ViewState& view, int button, double x, double y)
{
    if (button != 1)
        return false;
    // A drag that began outside the view moves the current item, as a drag
    // always did.
    if (kind_ == Kind::None)
        return single_.move(area, view, button, x, y);
    const int column = cellAt(x, view.viewColumn);
    const int row = cellAt(y, view.viewRow);
    switch (kind_) {
    case Kind::Single:
        return single_.move(area, view, button, x, y);
    case Kind::Group: {
        if (column == column_ && row == row_)
            return false;
        column_ = column;
        row_ = row;
        // Every step moves from where the items were at the press, so the
        // group keeps its shape however far the pointer goes.
        for (int i : before_.objects)
            area.object(i) = objects_[static_cast<std::size_t>(i - 1)];
        for (int i : before_.enemies)
            area.enemy(i) = enemies_[static_cast<std::size_t>(i - 1)];
        GroupEditing::moveItems(area, before_, {column - startColumn_, row - startRow_});
        return true;
    }
    case Kind::ShiftPending:
        if (column == startColumn_ && row == startRow_)
            return false;
        kind_ = Kind::Box;
        [[fallthrough]];
    case Kind::Box:
        column_ = column;
        row_ = row;
        GroupSelection::selectInBox(area, view, *box(), add_, before_);
        return true;
    default:
        return false;
    }
}

void SelectionGesture::release(AreaModel& area, ViewState& view)
{
    if (kind_ == Kind::ShiftPending && hit_)
        GroupSelection::toggle(area, view, *hit_);
    kind_ = Kind::None;
}

std::optional<CellBox> SelectionGesture::box() const
{
    if (kind_ != Kind::Box)
        return std::nullopt;
    return CellBox{std::min(startColumn_, column_), std::min(startRow_, row_), std::max(startColumn_, column_),
                   std::max(startRow_, row_)};
}

} // namespace quorled
