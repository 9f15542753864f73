#include "core/forms/areamapgeometry.h"

#include "romdata/areamodel.h"
#include "view/viewstate.h"

#include <algorithm>

namespace quorled {

namespace {

constexpr int kCell = 16;
constexpr int kColumns = 16;
constexpr int kRows = 15;

} // namespace

AreaMapGeometry::AreaMapGeometry(const AreaModel& area, int zoomEighths)
    : vertical_(area.isVertical != 0), pages_(area.header.levelLength() + 1), zoom_(std::max(1, zoomEighths))
{
}

int AreaMapGeometry::width() const { return scaled(kCell * kColumns * (vertical_ ? 1 : pages_)); }

int AreaMapGeometry::height() const { return scaled(kCell * kRows * (vertical_ ? pages_ : 1)); }

MapRect AreaMapGeometry::viewRect(const ViewState& view) const
{
    return {scaled(kCell * view.viewColumn), scaled(kCell * view.viewRow), scaled(kCell * kColumns),
            scaled(kCell * kRows)};
}

bool AreaMapGeometry::scrollTo(int x, int y, ViewState& view) const
{
    // The cell under the pixel, in full-size pixels; the screen's centre
    // goes there, rounded to whole cells.
    const int fullX = x * kFullSize / zoom_;
    const int fullY = y * kFullSize / zoom_;
    if (vertical_) {
        const int last = std::max(0, kRows * pages_ - kRows);
        const int row = std::clamp((fullY - kCell * kRows / 2 + kCell / 2) / kCell, 0, last);
        const bool moved = row != view.viewRow || view.viewColumn != 0;
        view.viewRow = row;
        view.viewColumn = 0;
        return moved;
    }
    const int last = std::max(0, kColumns * pages_ - kColumns);
    const int column = std::clamp((fullX - kCell * kColumns / 2 + kCell / 2) / kCell, 0, last);
    const bool moved = column != view.viewColumn || view.viewRow != 0;
    view.viewColumn = column;
    view.viewRow = 0;
    return moved;
}

MapCell AreaMapGeometry::cellAt(int x, int y) const
{
    return {std::max(0, x) * kFullSize / zoom_ / kCell, std::max(0, y) * kFullSize / zoom_ / kCell};
}

} // namespace quorled
