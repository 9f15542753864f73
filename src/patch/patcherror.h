#pragma once

#include "romdata/imageerror.h"

#include <string>

namespace quorled {

// A patch that cannot be made or applied. The message is a phrase such as
// "it ends inside a record" that the caller puts after the file's name.
class PatchError : public ImageError {
public:
    explicit PatchError(const std::string& reason) : ImageError(reason) {}
};

} // namespace quorled
