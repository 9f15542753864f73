#pragma once

#include "core/editing/selectionproperties.h"

#include <optional>

namespace quorled {

// The properties panel for many selected items: the items of the edit
// mode's kind (objects in mode 0, enemies in mode 1) share a value or show
// a dash; a typed value goes to all of them as one step.
namespace GroupProperties {

using Field = SelectionProperties::Field;

// What the panel shows for a field.
struct Shown {
    bool applies = false;      // the field applies to every item of the kind
    std::optional<int> value;  // the shared value; none where they differ
};

// Whether the selection of `editMode` holds more than one item.
bool isGroup(const AreaModel& area, int editMode);
Shown shown(const AreaModel& area, int editMode, Field field);
// Sets the field on every item of the kind as one step; refused as a whole
// (false, nothing changed) when the value is outside any item's limits. The
// layer is not set on a group.
bool apply(EditorCore& core, int editMode, Field field, int value);

} // namespace GroupProperties

} // namespace quorled
