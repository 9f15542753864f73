#include "core/editing/wheelscroll.h"

#include "core/editing/keyediting.h"

#include "romdata/areamodel.h"
#include "view/viewstate.h"

#include <algorithm>

namespace quorled {

namespace {

// A scroll step as the arrow keys make it: tested before it is applied and
// kept within 0..last.
int stepped(int position, int step, int last)
{
    if (step < 0 && position > 0)
        return std::max(0, position + step);
    if (step > 0 && position < last)
        return std::min(last, position + step);
    return position;
}

} // namespace

int WheelScroll::notches(int angle)
{
    remainder_ += angle;
    const int whole = remainder_ / kNotch;
    remainder_ -= whole * kNotch;
    return whole;
}

bool WheelScroll::scroll(const AreaModel& area, ViewState& view, int down, int across)
{
    const ViewState before = view;
    if (area.isVertical != 0)
        view.viewRow = stepped(view.viewRow, down, kLastViewRow);
    else
        view.viewColumn = stepped(view.viewColumn, down + across, kLastViewColumn);
    return view.viewRow != before.viewRow || view.viewColumn != before.viewColumn;
}

} // namespace quorled
