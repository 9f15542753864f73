#include "core/document/stepfocus.h"

#include "romdata/areamodel.h"
#include "view/viewstate.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace quorled {

namespace {

// The 1-based number of the first item that differs between two lists: one
// past the shorter list when only their lengths differ.
template <class Item>
std::optional<int> firstDifference(const std::vector<Item>& a, const std::vector<Item>& b)
{
    const std::size_t shared = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < shared; ++i)
        if (!(a[i] == b[i]))
            return static_cast<int>(i) + 1;
    if (a.size() != b.size())
        return static_cast<int>(shared) + 1;
    return std::nullopt;
}

// Scrolls so that cell (x, y) is on the 16 x 15 screen, putting it eight
// cells from the edge when it was off screen, as a keyboard selection does.
void showCell(int x, int y, ViewState& view)
{
    if (x < view.viewColumn || x > view.viewColumn + 15)
        view.viewColumn = std::max(x - 8, 0);
    if (y < view.viewRow || y > view.viewRow + 14)
        view.viewRow = std::max(y - 8, 0);
}

template <class Item>
void focus(const std::vector<Item>& before, const std::vector<Item>& after, int index, int& selected,
           ViewState& view)
{
    const auto at = static_cast<std::size_t>(index - 1);
    if (at < after.size()) {
        selected = index;
        showCell(after[at].x, after[at].y, view);
    } else if (at < before.size()) {
        showCell(before[at].x, before[at].y, view);
    }
}

} // namespace

bool focusChangedItem(const AreaModel& before, AreaModel& after, ViewState& view)
{
    const std::optional<int> object = firstDifference(before.objects, after.objects);
    const std::optional<int> enemy = firstDifference(before.enemies, after.enemies);
    if (!object && !enemy)
        return false;
    // A step that changed both kinds (a group) is shown in the kind being edited.
    const bool showEnemy = enemy && (!object || view.editMode == 1);
    view.editMode = showEnemy ? 1 : 0;
    if (showEnemy)
        focus(before.enemies, after.enemies, *enemy, after.selectedEnemy, view);
    else
        focus(before.objects, after.objects, *object, after.selectedObject, view);
    return true;
}

} // namespace quorled
