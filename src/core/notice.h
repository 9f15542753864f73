#pragma once

#include <string>

namespace quorled {

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
    bool operator==(const Notice&) const = default;
};

} // namespace quorled
