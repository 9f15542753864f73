#pragma once

#include "core/exchange/areajson.h"

#include <string>

namespace quorled::cli {

// Reads and parses the file; throws ImageError when it cannot be read or is
// not JSON.
JsonValue readJsonFile(const std::string& fileName);

} // namespace quorled::cli
