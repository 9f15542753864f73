#pragma once

#include <stdexcept>
#include <string>

namespace quorled {

// A failure the user must be told about: a file that cannot be read or
// written, a damaged or foreign image, a value out of range. The message is
// complete and meant to be shown as it is.
class ImageError : public std::runtime_error {
public:
    explicit ImageError(const std::string& message) : std::runtime_error(message) {}
};

} // namespace quorled
