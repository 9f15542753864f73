#include "areaclipboard.h"

#include "areaediting.h"
#include "areajson.h"

#include "romdata/imageerror.h"
#include "romdata/levelformat.h"

#include <algorithm>
#include <sstream>

namespace quorled {

namespace {

constexpr const char* kCantPaste = "Can't paste!";
constexpr const char* kNothingPasted = "Nothing was pasted.";

// The clipboard holds one object or enemy: no list is longer than the
// header's four bytes.
constexpr JsonLimits kClipboardLimits{kAreaJsonLimits.maxMembers, 4, kAreaJsonLimits.maxDepth};

// Columns and rows of the level view.
constexpr int kViewColumns = 16;
constexpr int kViewRows = 15;

bool onScreen(int x, int y, const ViewState& view)
{
    return x >= view.viewColumn && x < view.viewColumn + kViewColumns && y >= view.viewRow &&
           y < view.viewRow + kViewRows;
}

// Whether a position is one the target area's form can hold: a vertical
// area has 16 columns, a horizontal one 15 object rows (16 enemy rows).
bool fitsDirection(int x, int y, bool isEnemy, int isVertical)
{
    if (isVertical)
        return x >= 0 && x <= 15 && y >= 0;
    return x >= 0 && y >= 0 && y <= (isEnemy ? 15 : kRowsPerPage - 1);
}

} // namespace

std::optional<std::string> AreaClipboard::copyText(const AreaModel& area, int editMode, ImageKind kind,
                                                   const AreaDirectory& directory)
{
    AreaModel one = area;
    one.objects.clear();
    one.enemies.clear();
    if (editMode == 0) {
        if (area.selectedObject < 1 || area.selectedObject > area.objCount())
            return std::nullopt;
        one.objects.push_back(area.object(area.selectedObject));
    } else {
        if (area.selectedEnemy < 1 || area.selectedEnemy > area.enemyCount())
            return std::nullopt;
        one.enemies.push_back(area.enemy(area.selectedEnemy));
    }
    std::ostringstream out;
    writeAreaJson(one, kind, directory, out);
    return out.str();
}

ClipItem AreaClipboard::readText(const std::string& text)
{
    if (text.size() > kMaxTextLength)
        throw ImageError("The clipboard text is too long (" + std::to_string(text.size()) +
                         " bytes) to be an object or an enemy. " + kNothingPasted);
    JsonValue document;
    try {
        document = parseJson(text, kClipboardLimits);
    } catch (const JsonError& error) {
        throw ImageError(std::string("The clipboard text is not an object or an enemy copied from an area: ") +
                         error.what() + ". " + kNothingPasted);
    }
    const AreaJsonContent content =
        readAreaJson(document, JsonSource{"The clipboard text", kNothingPasted}, LayerRule::AsWritten);
    const std::size_t objects = content.objects.size();
    const std::size_t enemies = content.enemies.size();
    if (objects + enemies != 1)
        throw ImageError("The clipboard text holds " + std::to_string(objects) + " objects and " +
                         std::to_string(enemies) + " enemies; Paste takes one object or one enemy. " +
                         kNothingPasted);
    ClipItem item;
    item.isVertical = content.isVertical;
    item.isEnemy = enemies == 1;
    if (item.isEnemy) {
        item.enemy = content.enemies.front();
    } else {
        item.object = content.objects.front();
        // An end marker would cut the level data short at the next save.
        if (item.object.special && item.object.kind() == kKindEnd)
            throw ImageError(std::string("The clipboard text holds an end marker, which can't be pasted. ") +
                             kNothingPasted);
    }
    return item;
}

PastePlace AreaClipboard::place(const ClipItem& item, const AreaModel& area, const ViewState& view)
{
    const int x = item.isEnemy ? item.enemy.x : item.object.x;
    const int y = item.isEnemy ? item.enemy.y : item.object.y;
    if (onScreen(x, y, view) && fitsDirection(x, y, item.isEnemy, area.isVertical))
        return {x, y, false};
    PastePlace top{std::max(0, view.viewColumn), std::max(0, view.viewRow), true};
    if (area.isVertical)
        top.x = 0;
    else
        top.y = 0;
    // A special object's column carries its kind in the low four bits: it
    // takes the first such column on screen.
    if (!item.isEnemy && item.object.special) {
        const int kind = item.object.kind();
        top.x = area.isVertical ? kind : top.x + ((kind - (top.x & 15)) & 15);
    }
    return top;
}

std::optional<Notice> AreaClipboard::paste(const ClipItem& item, AreaModel& area, ViewState& view)
{
    const PastePlace at = place(item, area, view);
    if (item.isEnemy) {
        const int page = (area.isVertical ? at.y : at.x) / 16;
        const int need = 2 + std::max(0, page - area.enemyLastPage);
        if (area.enemySpareBytes < need)
            return Notice{"Not enough free space to paste the enemy!", kCantPaste, NoticeIcon::Information};
        area.enemySpareBytes -= need;
        area.enemies.push_back(Enemy{item.enemy.type, at.x, at.y});
        area.selectedEnemy = area.enemyCount();
        view.editMode = 1;
        return std::nullopt;
    }

    LevelObject object = item.object;
    const int need = AreaEditing::objectBytes(object);
    if (area.levelSpareFF < need)
        return Notice{"Not enough free space to paste the object!", kCantPaste, NoticeIcon::Information};
    object.x = at.x;
    object.y = at.y;
    // The object keeps its layer where the area has one that high, else it
    // goes to the area's last layer; it goes in front of the first object of
    // that layer, as an added object does.
    int lastLayer = 0;
    for (const LevelObject& o : area.objects)
        lastLayer = std::max(lastLayer, o.layer);
    object.layer = std::min(object.layer, lastLayer);
    const auto first = std::find_if(area.objects.begin(), area.objects.end(),
                                    [&](const LevelObject& o) { return o.layer == object.layer; });
    const auto inserted = area.objects.insert(first, object);
    area.levelSpareFF -= need;
    area.selectedObject = static_cast<int>(inserted - area.objects.begin()) + 1;
    view.editMode = 0;
    return std::nullopt;
}

} // namespace quorled
