#include "editorcore.h"

namespace quorled {

void EditorCore::mouseDown(int /*button*/, int /*shift*/, double x, double y)
{
    if (!hasImage())
        return;
    const int modeBefore = view_.editMode;
    beginEdit("Drag");
    mouse_.press(area(), view_, x, y);
    renderer_->drawArea(area(), view_, directory().worldFirstArea);
    readouts_ = updateReadouts(area(), view_);
    ChangeSet changes = Change::Picture | Change::Readouts;
    if (view_.editMode != modeBefore)
        changes |= Change::EditMode;
    notify(changes);
}

void EditorCore::mouseMove(int button, int /*shift*/, double x, double y)
{
    if (!hasImage())
        return;
    const bool moved = mouse_.move(area(), view_, button, x, y);
    // Every movement redraws, with or without a button held.
    renderer_->drawArea(area(), view_, directory().worldFirstArea);
    readouts_ = updateReadouts(area(), view_);
    notify(moved ? Change::Picture | Change::Readouts | Change::Caption | Change::Status
                 : Change::Picture | Change::Readouts);
}

void EditorCore::mouseUp()
{
    if (hasImage() && document_.area().stepOpen()) {
        endEdit();
        notify(Change::Caption | Change::Commands | Change::Status);
    }
}

} // namespace quorled
