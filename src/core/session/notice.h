#pragma once

#include <functional>
#include <memory>
#include <string>

namespace quorled {

class EditorCore;

// The icon of a message box.
enum class NoticeIcon { None, Information, Warning };

// A message box the window shows for a command: text, title and icon.
struct Notice {
    std::string text;
    std::string title;
    NoticeIcon icon = NoticeIcon::None;
    // A refused save whose data could be moved to free space: the box
    // offers "Move and save" (EditorCore::saveMovingData).
    bool offersMove = false;
    // With offersMove, for an edit refused for room: what "Move and save"
    // does instead of a plain save (the edit made, then the area saved with
    // its data moved).
    std::shared_ptr<const std::function<void(EditorCore&)>> moveEdit = nullptr;
    bool operator==(const Notice&) const = default;
};

} // namespace quorled
