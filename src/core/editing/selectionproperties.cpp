#include "core/editing/selectionproperties.h"

#include "core/document/areastep.h"
#include "core/session/editorcore.h"

#include "romdata/areamodel.h"
#include "romdata/bytes.h"
#include "romdata/levelformat.h"
#include "view/catalogue.h"
#include "view/readouts.h"

#include <algorithm>
#include <cctype>

namespace quorled {

namespace {

using Field = SelectionProperties::Field;
using Limits = SelectionProperties::Limits;

constexpr int kByteLimit = 255;
constexpr int kLastHorizontalRow = 14;
constexpr int kLastVerticalColumn = 15;

const LevelObject* selectedObject(const AreaModel& area)
{
    const int s = area.selectedObject;
    return s >= 1 && s <= area.objCount() ? &area.object(s) : nullptr;
}

const Enemy* selectedEnemy(const AreaModel& area)
{
    const int e = area.selectedEnemy;
    return e >= 1 && e <= area.enemyCount() ? &area.enemy(e) : nullptr;
}

int highestLayer(const AreaModel& area)
{
    int highest = 0;
    for (const LevelObject& object : area.objects)
        highest = std::max(highest, object.layer);
    return highest;
}

std::optional<Limits> objectLimits(const AreaModel& area, int index, Field field)
{
    const LevelObject& object = area.object(index);
    const bool vertical = area.isVertical != 0;
    const int kind = object.kind();
    const int extra = specialObjExtraBytes[static_cast<std::size_t>(kind)];
    switch (field) {
    case Field::Type:
        return object.special ? std::nullopt : std::optional<Limits>(Limits{0, kByteLimit, {}});
    case Field::X:
        // In a vertical area a special object's X is its kind alone, not a
        // place: the panel leaves it alone rather than turn it into another kind.
        if (vertical)
            return object.special ? std::nullopt : std::optional<Limits>(Limits{0, kLastVerticalColumn, {}});
        if (object.special) { // moved a page at a time, its kind kept (kinds 0 and 1 swap)
            const int lowest = kind <= kKindGroundSettingB ? 0 : kind;
            return Limits{lowest, 240 + std::max(kind, kKindGroundSettingB), kind};
        }
        return Limits{0, kByteLimit, {}};
    case Field::Y:
        if (vertical)
            return Limits{0, kByteLimit, {}};
        // The row keys swap kinds 0 and 1 instead of moving them.
        if (object.special && kind <= kKindGroundSettingB)
            return std::nullopt;
        return Limits{0, kLastHorizontalRow, {}};
    case Field::Layer:
        // A door and its pointer must stay together, and special objects
        // mark where layers and pages change: only other objects move.
        if (object.special || Catalogue::instance().isDoorType(object.type) ||
            isDoorPointer(area.objects, index, false))
            return std::nullopt;
        return Limits{0, highestLayer(area), {}};
    case Field::FirstParameter:
        return object.special && extra >= 1 ? std::optional<Limits>(Limits{0, kByteLimit, {}}) : std::nullopt;
    case Field::SecondParameter:
        return object.special && extra >= 2 ? std::optional<Limits>(Limits{0, kByteLimit, {}}) : std::nullopt;
    }
    return std::nullopt;
}

std::optional<Limits> enemyLimits(const AreaModel& area, Field field)
{
    const bool vertical = area.isVertical != 0;
    switch (field) {
    case Field::Type:
        return Limits{0, kByteLimit, {}};
    case Field::X: {
        if (vertical) // a page of a vertical area is 16 columns wide
            return Limits{0, kLastVerticalColumn, {}};
        // As far as following the enemy keeps it: its pages, and one more
        // while a spare byte is left for it.
        const int pages = std::max(area.enemyLastPage, 0) + (area.enemySpareBytes > 0 ? 1 : 0);
        return Limits{0, std::min(kByteLimit, 16 * pages + 15), {}};
    }
    case Field::Y:
        return Limits{0, vertical ? std::min(kByteLimit, 16 * (area.header.levelLength() + 1) - 1) : kLastHorizontalRow,
                      {}};
    default:
        return std::nullopt;
    }
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : -1;
}

std::string rangeText(const Limits& limits)
{
    return SelectionProperties::text(limits.lowest) + " to " + SelectionProperties::text(limits.highest);
}

// Moves object s to the front of the first other object of `layer` (or to
// the end) and gives it that layer; returns its new index.
int moveToLayer(AreaModel& area, int s, int layer)
{
    LevelObject object = area.object(s);
    area.objects.erase(area.objects.begin() + (s - 1));
    object.layer = layer;
    const auto at = std::find_if(area.objects.begin(), area.objects.end(),
                                 [layer](const LevelObject& other) { return other.layer == layer; });
    const auto placed = area.objects.insert(at, object);
    return static_cast<int>(placed - area.objects.begin()) + 1;
}

} // namespace

bool SelectionProperties::Limits::allows(int value) const
{
    if (value < lowest || value > highest)
        return false;
    if (!kind)
        return true;
    return *kind <= kKindGroundSettingB ? value % 16 <= kKindGroundSettingB : value % 16 == *kind;
}

const char* SelectionProperties::caption(Field field)
{
    switch (field) {
    case Field::Type: return "Type";
    case Field::X: return "X";
    case Field::Y: return "Y";
    case Field::Layer: return "Layer";
    case Field::FirstParameter: return "Parameter 1";
    case Field::SecondParameter: return "Parameter 2";
    }
    return "";
}

std::optional<int> SelectionProperties::value(const AreaModel& area, int editMode, Field field)
{
    if (!limits(area, editMode, field))
        return std::nullopt;
    if (editMode == 1) {
        const Enemy& enemy = *selectedEnemy(area);
        return field == Field::Type ? enemy.type : field == Field::X ? enemy.x : enemy.y;
    }
    const LevelObject& object = *selectedObject(area);
    switch (field) {
    case Field::Type: return object.type;
    case Field::X: return object.x;
    case Field::Y: return object.y;
    case Field::Layer: return object.layer;
    case Field::FirstParameter: return object.param[0];
    case Field::SecondParameter: return object.param[1];
    }
    return std::nullopt;
}

std::optional<SelectionProperties::Limits> SelectionProperties::limits(const AreaModel& area, int editMode,
                                                                       Field field)
{
    if (editMode == 1)
        return selectedEnemy(area) ? enemyLimits(area, field) : std::nullopt;
    return selectedObject(area) ? objectLimits(area, area.selectedObject, field) : std::nullopt;
}

std::string SelectionProperties::text(int value) { return hex2(value); }

SelectionProperties::Parsed SelectionProperties::parse(const std::string& text, Field field, const Limits& limits)
{
    const std::string name = caption(field);
    std::size_t first = text.find_first_not_of(" \t");
    std::size_t last = text.find_last_not_of(" \t");
    std::string digits = first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
    if (!digits.empty() && digits[0] == '$')
        digits.erase(0, 1);
    else if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X'))
        digits.erase(0, 2);
    const std::string asked = "type a hexadecimal number from " + rangeText(limits) + ".";
    if (digits.empty())
        return {std::nullopt, name + " is empty: " + asked};
    long value = 0;
    for (char c : digits) {
        const int digit = hexDigit(c);
        if (digit < 0)
            return {std::nullopt, "\"" + text + "\" is not a hexadecimal number; for " + name + " " + asked};
        value = std::min(16 * value + digit, 0x10000L);
    }
    if (value < limits.lowest || value > limits.highest)
        return {std::nullopt, "\"" + text + "\" is out of range; for " + name + " " + asked};
    if (!limits.allows(static_cast<int>(value)))
        return {std::nullopt, "The last digit of " + name + " is the special object's kind: it must stay " +
                                  (*limits.kind <= kKindGroundSettingB ? std::string("0 or 1")
                                                                       : std::string(1, "0123456789ABCDEF"[*limits.kind])) +
                                  "."};
    return {static_cast<int>(value), {}};
}

bool SelectionProperties::apply(EditorCore& core, int editMode, Field field, int value)
{
    if (!core.hasImage())
        return false;
    const std::optional<Limits> range = limits(core.area(), editMode, field);
    if (!range || !range->allows(value))
        return false;
    const bool move = field == Field::X || field == Field::Y || field == Field::Layer;
    const std::string name = std::string(move ? "Move " : "Change ") + (editMode == 1 ? "enemy" : "object");
    return AreaStep::run(core, name, [&](AreaModel& area, ViewState& view) {
        view.editMode = editMode;
        if (editMode == 1) {
            setPlainField(area.enemy(area.selectedEnemy), field, value);
            followSelectedEnemy(area, view);
            return;
        }
        if (field != Field::Layer)
            setPlainField(area.object(area.selectedObject), field, value);
        else if (area.object(area.selectedObject).layer != value)
            area.selectedObject = moveToLayer(area, area.selectedObject, value);
        followSelectedObject(area, view);
    });
}

void SelectionProperties::setPlainField(Enemy& enemy, Field field, int value)
{
    (field == Field::Type ? enemy.type : field == Field::X ? enemy.x : enemy.y) = value;
}

void SelectionProperties::setPlainField(LevelObject& object, Field field, int value)
{
    switch (field) {
    case Field::Type: object.type = value; break;
    case Field::X: object.x = value; break;
    case Field::Y: object.y = value; break;
    case Field::FirstParameter: object.param[0] = value; break;
    case Field::SecondParameter: object.param[1] = value; break;
    case Field::Layer: break;
    }
}

} // namespace quorled
