#pragma once

#include <array>
#include <optional>
#include <string>

namespace quorled {

struct AreaModel;
struct Enemy;
struct LevelObject;
class EditorCore;

// The fields of the properties panel for the selected object (edit mode 0)
// or enemy (1): which apply, their limits, the hexadecimal text they are
// shown and typed in, and a change as one undoable step.
class SelectionProperties {
public:
    enum class Field { Type, X, Y, Layer, FirstParameter, SecondParameter };
    static constexpr std::array<Field, 6> kFields{Field::Type, Field::X, Field::Y, Field::Layer,
                                                  Field::FirstParameter, Field::SecondParameter};

    // The values a field takes, as the keys allow them. For the X of a
    // special object in a horizontal area the low digit is its kind, so
    // only values with that low digit (0 or 1 for kinds 0 and 1) are in it.
    struct Limits {
        int lowest = 0;
        int highest = 0;
        std::optional<int> kind; // the special object's kind, for its X

        bool allows(int value) const;
    };

    // What a typed text gives: the value, or why it is refused.
    struct Parsed {
        std::optional<int> value;
        std::string message;
    };

    static const char* caption(Field field); // "Type", "X", "Y", "Layer", "Parameter 1", "Parameter 2"
    // The field's value for the selection; none when the field does not
    // apply (no selection, a field the item has not, one the keys leave alone).
    static std::optional<int> value(const AreaModel& area, int editMode, Field field);
    static std::optional<Limits> limits(const AreaModel& area, int editMode, Field field);
    // Two upper-case hexadecimal digits, as the read-outs show numbers.
    static std::string text(int value);
    // Hexadecimal digits with an optional "$" or "0x" in front, blanks
    // around them allowed; refused with a message when it is no number or
    // outside the limits.
    static Parsed parse(const std::string& text, Field field, const Limits& limits);
    // Sets the field of the selection of `editMode` to `value` as one step
    // ("Change object", "Move object", "Change enemy", "Move enemy") and
    // follows the selection as the keys do; a new layer moves the object in
    // front of the first object of that layer, as adding one does. False,
    // changing nothing, when the field does not apply or the value is outside
    // its limits.
    static bool apply(EditorCore& core, int editMode, Field field, int value);
    // Writes `value` into a plain field of one item: an enemy's type, X or
    // Y, an object's type, X, Y or parameters. An object's layer is no
    // plain field (a new layer moves the object in the list): left alone.
    static void setPlainField(Enemy& enemy, Field field, int value);
    static void setPlainField(LevelObject& object, Field field, int value);
};

} // namespace quorled
