#include "core/session/editorcore.h"

#include "core/editing/groupcommands.h"
#include "core/editing/keyediting.h"

namespace quorled {

namespace {
constexpr int kLastArea = 209;

// The name of the step a key makes when it changes the area.
std::string keyStepName(int keyCode, int editMode)
{
    const std::string what = editMode == 0 ? "object" : "enemy";
    switch (keyCode) {
    case vk::Numpad2:
    case vk::Numpad4:
    case vk::Numpad6:
    case vk::Numpad8:
        return "Move " + what;
    default:
        return "Change " + what;
    }
}
} // namespace

KeyRequest EditorCore::keyDown(int keyCode, int shift)
{
    if (!hasImage())
        return KeyRequest::None;
    // Keys on a selection of many items, Escape and the laptop keys.
    if (GroupCommands::keyDown(*this, keyCode, shift))
        return KeyRequest::None;
    ChangeSet changes;
    beginEdit(keyStepName(keyCode, view_.editMode));
    const KeyEdit edit = editWithKey(area(), view_, keyCode, shift);
    // Repeated presses on one item (keypad moves, type steps) are one step.
    endEdit(true);
    changes |= Change::Caption | Change::Commands | Change::Status;
    if (edit.modeChanged)
        changes |= Change::EditMode;
    bool redraw = edit.redraw;

    KeyRequest request = KeyRequest::None;
    if (shift == 0) {
        switch (keyCode) {
        case vk::F1:
            request = KeyRequest::ShowAbout;
            break;
        case vk::PageDown:
            if (currentArea() < kLastArea)
                changeArea(currentArea() + 1);
            break;
        case vk::PageUp:
            if (currentArea() > 0)
                changeArea(currentArea() - 1);
            break;
        case vk::Numpad0:
            view_.groundView = (view_.groundView + 1) % 3;
            redraw = true;
            break;
        case vk::P:
            view_.pageView = 1 - view_.pageView;
            redraw = true;
            break;
        case vk::S:
            view_.screenLineView = 1 - view_.screenLineView;
            redraw = true;
            break;
        case vk::M:
            view_.objectMarks = 1 - view_.objectMarks;
            redraw = true;
            break;
        case vk::O:
            view_.showPointersAsObjects = !view_.showPointersAsObjects;
            changes |= Change::Checks;
            redraw = true;
            break;
        case vk::F:
            view_.pointersFollowDoors = !view_.pointersFollowDoors;
            changes |= Change::Checks;
            redraw = true;
            break;
        default:
            break;
        }
    }
    if (redraw) {
        renderer_->drawArea(area(), view_, directory().worldFirstArea);
        changes |= Change::Picture;
    }
    readouts_ = updateReadouts(area(), view_);
    changes |= Change::Readouts;
    notify(changes);
    return request;
}

} // namespace quorled
