#pragma once

#include <optional>
#include <string>

namespace quorled {

class EditorCore;

// Changes the open image's current area to `area` the way the "Select area"
// dialog does: the world whose list holds it, then the area in that list.
// Returns a message when no world's list holds the area; the editor then
// stays at its area. A failed load is reported by the core itself.
std::optional<std::string> jumpToArea(EditorCore& core, int area);

} // namespace quorled
