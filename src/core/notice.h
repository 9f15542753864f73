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
    bool operator==(const Notice&) const = default;
};

} // namespace quorled
