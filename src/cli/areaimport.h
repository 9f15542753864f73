#pragma once

#include "jsonreader.h"
#include "romdata/areamodel.h"

#include <string>

namespace quorled::cli {

// Replaces the header, the scrolling direction, the objects and the enemies
// of `model` with those of a document in the form `area --json` writes;
// offsets and spare counts of the document are ignored. Throws ImageError
// naming `fileName` and the first entry that is missing, of the wrong kind or
// out of range; `model` is then unchanged.
void applyAreaJson(const JsonValue& document, AreaModel& model, const std::string& fileName);

// Reads and parses the file; throws ImageError when it cannot be read or is
// not JSON.
JsonValue readJsonFile(const std::string& fileName);

} // namespace quorled::cli
