#pragma once

namespace quorled {

struct AreaModel;
struct ViewState;

// After an undo or redo that opened another area: finds the object or enemy
// the step changed between `before` and `after` (the area's model on either
// side of it), selects it in `after`, switches the view's edit mode to its
// kind and scrolls `view` so that it is on screen. An item the step took
// away is shown where it was, the selection staying as `after` has it. A
// step that changed no item (the header) leaves both alone. False then.
bool focusChangedItem(const AreaModel& before, AreaModel& after, ViewState& view);

} // namespace quorled
