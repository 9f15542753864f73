#include "core/forms/typegallery.h"

#include "core/editing/groupcommands.h"
#include "core/editing/groupselection.h"

#include "core/document/areastep.h"
#include "core/session/editorcore.h"

#include "view/catalogue.h"

#include <algorithm>
#include <cctype>

namespace quorled {

namespace {

std::string folded(const std::string& text)
{
    std::string out;
    for (char c : text)
        out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const auto first = out.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return out.substr(first, out.find_last_not_of(' ') - first + 1);
}

} // namespace

const std::string& TypeGallery::typeName(TypeKind kind, int objectSet, int type)
{
    const Catalogue& catalogue = Catalogue::instance();
    return kind == TypeKind::Object ? catalogue.objectTypeName(objectSet, type) : catalogue.enemyTypeName(type);
}

std::vector<int> TypeGallery::matchingTypes(TypeKind kind, int objectSet, const std::string& filter)
{
    const std::string wanted = folded(filter);
    std::vector<int> types;
    for (int type = 0; type < kTypes; ++type)
        if (wanted.empty() || folded(typeName(kind, objectSet, type)).find(wanted) != std::string::npos)
            types.push_back(type);
    return types;
}

std::optional<int> TypeGallery::selectedType(const AreaModel& area, TypeKind kind, bool showPointersAsObjects)
{
    if (kind == TypeKind::Enemy) {
        if (area.selectedEnemy < 1 || area.selectedEnemy > area.enemyCount())
            return std::nullopt;
        return area.enemy(area.selectedEnemy).type;
    }
    const int s = area.selectedObject;
    if (s < 1 || s > area.objCount() || area.object(s).special ||
        isDoorPointer(area.objects, s, showPointersAsObjects))
        return std::nullopt;
    return area.object(s).type;
}

bool TypeGallery::applyType(EditorCore& core, TypeKind kind, int type)
{
    if (core.hasImage() && type >= 0 && type < kTypes && GroupSelection::isGroup(core.area(), core.editMode()))
        return GroupCommands::setTypes(core, kind == TypeKind::Enemy, type);
    if (!core.hasImage() || type < 0 || type >= kTypes ||
        !selectedType(core.area(), kind, core.view().showPointersAsObjects))
        return false;
    const int mode = kind == TypeKind::Object ? 0 : 1;
    return AreaStep::run(core, mode == 0 ? "Change object" : "Change enemy", [&](AreaModel& area, ViewState& view) {
        view.editMode = mode;
        if (kind == TypeKind::Object)
            area.object(area.selectedObject).type = type;
        else
            area.enemy(area.selectedEnemy).type = type;
    });
}

} // namespace quorled
