#pragma once

#include "core/workbench/problemrules.h"

#include <nlohmann/json.hpp>

#include <string>

namespace quorled::cli {

// "object 3", "enemy 12", "" for no item.
std::string itemLabel(ProblemItem item, int index);
// "area 0A" or "tables" for the game-wide tables.
std::string placeLabel(int area);
// The JSON name of an item kind: "object", "enemy" or null.
nlohmann::json itemJson(ProblemItem item);

} // namespace quorled::cli
