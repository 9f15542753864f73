#pragma once

#include <optional>
#include <string>

namespace quorled {

// Why a file the editor is asked to write ("Save image as...", the PNG
// exports) must not be written: it is the open image itself (the same file
// on disk, whatever its name), or it exists and is not a regular file (a
// folder, a device, a FIFO). Nullopt when it may be written.
std::optional<std::string> outputTargetRefusal(const std::string& target, const std::string& imagePath);

} // namespace quorled
