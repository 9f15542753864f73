#pragma once

#include <optional>
#include <string>

namespace quorled {

class RomImage;

// Whether the image holds a dialog's table up to `last` (a file offset). A
// message for the user when it ends before; none when the table is there.
// The dialog then doesn't open, so the file never grows.
std::optional<std::string> tableOutsideImage(const RomImage& image, long last, const std::string& table);

} // namespace quorled
