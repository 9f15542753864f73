#include "core/editing/areaediting.h"

#include "core/settings/editorsettings.h"

#include "romdata/levelformat.h"

#include <cmath>

namespace quorled {

namespace {

constexpr const char* kCantAddObject = "Can't add object!";

// Positions and layers are 16-bit numbers in the model; larger ones could
// never be saved, so they are refused instead of wrapping around.
constexpr double kLowest = -32768.0;
constexpr double kHighest = 32767.0;

std::optional<int> roundedField(const std::string& text)
{
    const double value = std::nearbyint(leadingNumericValue(text));
    if (!(value >= kLowest && value <= kHighest))
        return std::nullopt;
    return static_cast<int>(value);
}

Notice outOfRange(const char* field, const std::string& text)
{
    return {std::string("The value \"") + text + "\" for " + field +
                " is out of range; use a number from -32768 to 32767.",
            kCantAddObject, NoticeIcon::Information};
}

// The type byte of a new normal object: the rounded number's remainder by
// 256, without its sign (300 gives 44, -5 gives 5).
int typeByte(const std::string& text)
{
    const double n = std::nearbyint(leadingNumericValue(text));
    if (!std::isfinite(n))
        return 0;
    return static_cast<int>(std::fabs(std::fmod(n, 256.0)));
}

} // namespace

int AreaEditing::specialObjectBytes(int kind) { return specialObjExtraBytes[static_cast<std::size_t>(kind & 15)] + 1; }

int AreaEditing::objectBytes(const LevelObject& object)
{
    return object.special ? specialObjectBytes(object.kind()) : 2;
}

std::optional<Notice> AreaEditing::addObject(AreaModel& area, const AddObjectRequest& request)
{
    const int kind = request.kind & 15;
    const int need = request.special ? specialObjectBytes(kind) : 2;
    if (area.levelSpareFF < need)
        return Notice{"Not enough free space to add object!", kCantAddObject, NoticeIcon::Information};

    const double z = leadingNumericValue(request.z);
    const std::optional<int> x = roundedField(request.x);
    const std::optional<int> y = roundedField(request.y);
    const std::optional<int> layer = roundedField(request.z);
    if (!x)
        return outOfRange("X", request.x);
    if (!y)
        return outOfRange("Y", request.y);
    if (!layer)
        return outOfRange("Z", request.z);

    // In front of the first object of layer Z, else at the end.
    std::size_t p = area.objects.size();
    for (std::size_t i = 0; i < area.objects.size(); ++i) {
        if (area.objects[i].layer == z) {
            p = i;
            break;
        }
    }

    LevelObject object;
    object.x = *x;
    object.y = *y;
    // The layer is stored at once, so the object sorts and draws with the
    // objects of its layer before the next save.
    object.layer = *layer;
    if (request.special) {
        object.special = true;
        object.type = kSpecialObjectType;
        // The page part of X stays; the kind takes the low four bits.
        object.x = 16 * (object.x / 16) + kind;
    } else {
        object.type = typeByte(request.type);
    }
    area.levelSpareFF -= need;
    area.objects.insert(area.objects.begin() + static_cast<std::ptrdiff_t>(p), object);
    area.selectedObject = static_cast<int>(p) + 1;
    return std::nullopt;
}

int AreaEditing::enemyAddBytes(const AreaModel& area, const ViewState& view)
{
    const int extra = view.viewColumn / 16 - area.enemyLastPage;
    return 2 + (extra > 0 ? extra : 0);
}

std::optional<Notice> AreaEditing::addEnemy(AreaModel& area, const ViewState& view)
{
    const int need = enemyAddBytes(area, view);
    if (area.enemySpareBytes < need)
        return Notice{"Not enough free space!", "Can't add an enemy!", NoticeIcon::None};
    area.enemySpareBytes -= need;
    area.enemies.push_back(Enemy{1, view.viewColumn, view.viewRow});
    area.selectedEnemy = area.enemyCount();
    return std::nullopt;
}

void AreaEditing::deleteSelected(AreaModel& area, int editMode)
{
    if (editMode == 0) {
        const int s = area.selectedObject;
        if (s < 1 || s > area.objCount())
            return;
        area.levelSpareFF += objectBytes(area.object(s));
        area.objects.erase(area.objects.begin() + (s - 1));
        if (area.objCount() < s)
            area.selectedObject = area.objCount();
        return;
    }
    const int e = area.selectedEnemy;
    if (e < 1 || e > area.enemyCount())
        return;
    area.enemies.erase(area.enemies.begin() + (e - 1));
    area.enemySpareBytes += 2;
    if (area.enemyCount() < e)
        area.selectedEnemy = area.enemyCount();
}

void AreaEditing::deleteAll(AreaModel& area)
{
    while (area.objCount() > 0) {
        area.selectedObject = area.objCount();
        deleteSelected(area, 0);
    }
    while (area.enemyCount() > 0) {
        area.selectedEnemy = area.enemyCount();
        deleteSelected(area, 1);
    }
}

Notice AreaEditing::freeSpaceNotice(const AreaModel& area)
{
    auto bytes = [](int n) { return std::to_string(n) + " byte" + (n >= 2 ? "s" : ""); };
    return {"Objects: " + bytes(area.levelSpareFF) + "\nEnemy: " + bytes(area.enemySpareBytes),
            "Free space for this level", NoticeIcon::None};
}

} // namespace quorled
