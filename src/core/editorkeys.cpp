#include "editorcore.h"

#include "keyediting.h"

namespace quorled {

namespace {
constexpr int kLastArea = 209;
}

KeyRequest EditorCore::keyDown(int keyCode, int shift)
{
    if (!hasImage())
        return KeyRequest::None;
    ChangeSet changes;
    const KeyEdit edit = editWithKey(area_, view_, keyCode, shift);
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
            if (currentArea_ < kLastArea)
                changeArea(currentArea_ + 1);
            break;
        case vk::PageUp:
            if (currentArea_ > 0)
                changeArea(currentArea_ - 1);
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
        renderer_->drawArea(area_, view_, directory_.worldFirstArea);
        changes |= Change::Picture;
    }
    readouts_ = updateReadouts(area_, view_);
    changes |= Change::Readouts;
    notify(changes);
    return request;
}

} // namespace quorled
