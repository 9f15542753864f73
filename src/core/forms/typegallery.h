#pragma once

#include "view/typepictures.h"

#include <optional>
#include <string>
#include <vector>

namespace quorled {

struct AreaModel;
class EditorCore;

// What a type gallery shows and does, without its widgets: the types that
// match a filter, their names, the type of the selection, and a click that
// gives the selection a type as one undoable step.
class TypeGallery {
public:
    static constexpr int kTypes = 256;

    // The name of a type: the object set's object name or the enemy name.
    static const std::string& typeName(TypeKind kind, int objectSet, int type);
    // Types 0..255 in order whose name holds `filter` (letter case and blanks
    // around it not counted); every type for an empty filter.
    static std::vector<int> matchingTypes(TypeKind kind, int objectSet, const std::string& filter);
    // The type of the selected object or enemy; none for no selection, a
    // special object or a door's pointer (whose byte is no type).
    static std::optional<int> selectedType(const AreaModel& area, TypeKind kind, bool showPointersAsObjects);
    // Gives the selected object or enemy the type, as one step named
    // "Change object" or "Change enemy", and switches the editing target to
    // that list. False, changing nothing, when there is no image, no such
    // selection, or the type is out of 0..255.
    static bool applyType(EditorCore& core, TypeKind kind, int type);
};

} // namespace quorled
