#include "core/editing/groupproperties.h"

#include "core/document/areastep.h"
#include "core/session/editorcore.h"
#include "core/editing/groupselection.h"

namespace quorled::GroupProperties {

namespace {

const std::vector<int>& itemsOfKind(const ItemSelection& items, int editMode)
{
    return editMode == 1 ? items.enemies : items.objects;
}

void choose(AreaModel& area, int editMode, int i)
{
    (editMode == 1 ? area.selectedEnemy : area.selectedObject) = i;
}

} // namespace

bool isGroup(const AreaModel& area, int editMode) { return GroupSelection::isGroup(area, editMode); }

Shown shown(const AreaModel& area, int editMode, Field field)
{
    const ItemSelection items = GroupSelection::selectedItems(area, editMode);
    const std::vector<int>& list = itemsOfKind(items, editMode);
    if (list.empty() || (field == Field::Layer && items.size() > 1))
        return {};
    AreaModel probe = area;
    Shown result{true, std::nullopt};
    bool first = true;
    for (int i : list) {
        choose(probe, editMode, i);
        const std::optional<int> value = SelectionProperties::value(probe, editMode, field);
        if (!value)
            return {};
        if (first)
            result.value = value;
        else if (result.value != value)
            result.value.reset();
        first = false;
    }
    return result;
}

bool apply(EditorCore& core, int editMode, Field field, int value)
{
    if (!core.hasImage() || field == Field::Layer)
        return false;
    const ItemSelection items = GroupSelection::selectedItems(core.area(), editMode);
    const std::vector<int> list = itemsOfKind(items, editMode);
    if (list.empty())
        return false;
    AreaModel probe = core.area();
    for (int i : list) {
        choose(probe, editMode, i);
        const auto limits = SelectionProperties::limits(probe, editMode, field);
        if (!limits || !limits->allows(value))
            return false;
    }
    const bool move = field == Field::X || field == Field::Y;
    const std::string name = std::string(move ? "Move " : "Change ") + (editMode == 1 ? "enemies" : "objects");
    return AreaStep::run(core, name, [&](AreaModel& area, ViewState&) {
        for (int i : list) {
            if (editMode == 1)
                SelectionProperties::setPlainField(area.enemy(i), field, value);
            else
                SelectionProperties::setPlainField(area.object(i), field, value);
        }
    });
}

} // namespace quorled::GroupProperties
