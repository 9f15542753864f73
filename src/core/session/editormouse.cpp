#include "core/session/editorcore.h"

namespace quorled {

void EditorCore::mouseDown(int /*button*/, int shift, double x, double y)
{
    if (!hasImage())
        return;
    const int modeBefore = view_.editMode;
    beginEdit("Drag");
    mouse_.press(area(), view_, x, y, shift);
    renderer_->drawArea(area(), view_, directory().worldFirstArea);
    readouts_ = updateReadouts(area(), view_);
    ChangeSet changes = Change::Picture | Change::Readouts | Change::Status;
    if (view_.editMode != modeBefore)
        changes |= Change::EditMode;
    notify(changes);
}

void EditorCore::mouseMove(int button, int /*shift*/, double x, double y)
{
    if (!hasImage())
        return;
    const int modeBefore = view_.editMode;
    const bool moved = mouse_.move(area(), view_, button, x, y);
    // Every movement redraws, with or without a button held.
    renderer_->drawArea(area(), view_, directory().worldFirstArea);
    if (const auto box = mouse_.box())
        renderer_->drawCellBox(box->left, box->top, box->right, box->bottom, view_);
    readouts_ = updateReadouts(area(), view_);
    ChangeSet changes = moved ? Change::Picture | Change::Readouts | Change::Caption | Change::Status
                              : Change::Picture | Change::Readouts;
    if (view_.editMode != modeBefore)
        changes |= Change::EditMode;
    notify(changes);
}

void EditorCore::mouseUp()
{
    if (!hasImage())
        return;
    const bool hadBox = mouse_.box().has_value();
    mouse_.release(area(), view_);
    if (document_.area().stepOpen())
        endEdit();
    if (hadBox)
        renderer_->drawArea(area(), view_, directory().worldFirstArea);
    readouts_ = updateReadouts(area(), view_);
    notify(Change::Caption | Change::Commands | Change::Status | Change::Picture | Change::Readouts |
           Change::EditMode);
}

} // namespace quorled
