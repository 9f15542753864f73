#pragma once

#include "core/editing/groupediting.h"

#include "romdata/areadirectory.h"
#include "romdata/areamodel.h"
#include "romdata/imagekind.h"

#include <cstddef>
#include <string>

namespace quorled {

// Copy and paste of many items as text: the JSON form of `area --json`
// holding the selected items at their places. Paste keeps their places
// relative to the group's top-left cell, so the text works between areas
// and between two running editors.
namespace GroupClipboard {

// Longer clipboard text is refused before it is read: no area holds that much.
inline constexpr std::size_t kMaxTextLength = 1 << 20;

// The selected items as clipboard text; empty when nothing is selected.
std::string copyText(const AreaModel& area, int editMode, ImageKind kind, const AreaDirectory& directory);

// Reads clipboard text holding one item or more. Throws ImageError saying
// what is wrong for text that is too long, not JSON, not in the form, out
// of range, empty of items or holding an end marker.
GroupEditing::NewItems readText(const std::string& text);

} // namespace GroupClipboard

} // namespace quorled
