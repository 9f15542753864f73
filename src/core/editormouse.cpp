#include "editorcore.h"

namespace quorled {

void EditorCore::mouseDown(int /*button*/, int /*shift*/, double x, double y)
{
    if (!hasImage())
        return;
    const int modeBefore = view_.editMode;
    mouse_.press(area_, view_, x, y);
    renderer_->drawArea(area_, view_, directory_.worldFirstArea);
    readouts_ = updateReadouts(area_, view_);
    ChangeSet changes = Change::Picture | Change::Readouts;
    if (view_.editMode != modeBefore)
        changes |= Change::EditMode;
    notify(changes);
}

void EditorCore::mouseMove(int button, int /*shift*/, double x, double y)
{
    if (!hasImage())
        return;
    mouse_.move(area_, view_, button, x, y);
    // Every movement redraws, with or without a button held.
    renderer_->drawArea(area_, view_, directory_.worldFirstArea);
    readouts_ = updateReadouts(area_, view_);
    notify(Change::Picture | Change::Readouts);
}

} // namespace quorled
