#pragma once

#include "romdata/areawriter.h"

#include <ostream>
#include <vector>

namespace quorled::cli {

// Throws ImageError with the title and text of a refused save.
void throwIfRefused(const SaveResult& result);

// "no bytes changed" or "3 bytes changed: $12809, $1280A, $12510".
void printChangedOffsets(const std::vector<long>& offsets, std::ostream& out);

} // namespace quorled::cli
