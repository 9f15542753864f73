#pragma once

#include <optional>
#include <string>

namespace quorled {

// Whether the image file holds a dialog's table up to `last` (a file
// offset). A message for the user when it ends before, or can't be read;
// none when the table is there. The dialog then doesn't open, so the file
// never grows.
std::optional<std::string> tableOutsideImage(const std::string& imagePath, long last, const std::string& table);

} // namespace quorled
