#pragma once

#include <functional>
#include <string>

namespace quorled {

struct AreaModel;
class EditorCore;
struct ViewState;

// An edit made from outside the editor core (the docks of the window) as
// one undoable step of the area document, followed by a redraw.
class AreaStep {
public:
    using Edit = std::function<void(AreaModel&, ViewState&)>;

    // Opens a step called `name`, runs `edit` on the area and the view,
    // commits the step and redraws. True when the area changed (a step that
    // changed nothing is dropped, as every step is). False, without running
    // `edit`, when no image is open. With `merge`, repeated presses on the
    // same items join the last step.
    static bool run(EditorCore& core, const std::string& name, const Edit& edit, bool merge = false);
};

} // namespace quorled
