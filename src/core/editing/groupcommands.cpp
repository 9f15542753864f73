#include "core/editing/groupcommands.h"

#include "core/document/areastep.h"
#include "core/session/editorcore.h"
#include "core/exchange/groupclipboard.h"
#include "core/editing/groupediting.h"
#include "core/editing/groupselection.h"
#include "core/editing/keyediting.h"

#include "romdata/imageerror.h"

#include <functional>
#include <limits>
#include <memory>

namespace quorled::GroupCommands {

namespace {

constexpr int kEscape = 0x1B;
constexpr int kDelete = 0x2E;
constexpr int kDigit0 = 0x30;
constexpr int kOpenBracket = 0xDB;
constexpr int kCloseBracket = 0xDD;

std::string itemsName(const ItemSelection& items)
{
    if (items.enemies.empty())
        return items.objects.size() == 1 ? "object" : "objects";
    if (items.objects.empty())
        return items.enemies.size() == 1 ? "enemy" : "enemies";
    return "items";
}

bool isArrow(int keyCode) { return keyCode >= vk::Left && keyCode <= vk::Down; }

CellShift arrowShift(int keyCode, int distance)
{
    switch (keyCode) {
    case vk::Left: return {-distance, 0};
    case vk::Right: return {distance, 0};
    case vk::Up: return {0, -distance};
    default: return {0, distance};
    }
}

int keypadFor(int keyCode)
{
    switch (keyCode) {
    case vk::Left: return vk::Numpad4;
    case vk::Right: return vk::Numpad6;
    case vk::Up: return vk::Numpad8;
    default: return vk::Numpad2;
    }
}

void moveSelection(EditorCore& core, CellShift shift)
{
    const ItemSelection items = GroupSelection::selectedItems(core.area(), core.editMode());
    AreaStep::run(core, "Move " + itemsName(items),
                  [&](AreaModel& area, ViewState&) { GroupEditing::moveItems(area, items, shift); }, true);
}

void stepSelectionTypes(EditorCore& core, int step, bool secondParam)
{
    const bool enemies = core.editMode() == 1;
    const ItemSelection items = GroupSelection::selectedItems(core.area(), core.editMode());
    AreaStep::run(core, enemies ? "Change enemies" : "Change objects", [&](AreaModel& area, ViewState&) {
        GroupEditing::stepTypes(area, items, enemies, step, secondParam);
    }, true);
}

// An edit that adds items: with Room::Count it may be refused for room.
using AddEdit = std::function<std::optional<Notice>(AreaModel&, ViewState&, GroupEditing::Room)>;

// Makes an adding edit one step named `name`. A refusal is reported; when
// only the room stood in the way and the image kind lets data move, it
// offers "Move and save": the edit made without counting the room, then the
// area saved with its data moved to free space. A save that fails takes the
// edit back, so the area is as it was.
bool addAsStep(EditorCore& core, const std::string& name, const AddEdit& edit)
{
    std::optional<Notice> refusal;
    AreaStep::run(core, name,
                  [&](AreaModel& area, ViewState& view) { refusal = edit(area, view, GroupEditing::Room::Count); });
    if (!refusal)
        return true;
    AreaModel trial = core.area();
    ViewState trialView = core.view();
    if (core.imageKind() == ImageKind::Ines && !edit(trial, trialView, GroupEditing::Room::Ignore)) {
        refusal->offersMove = true;
        refusal->text += " \"Move and save\" adds them anyway and saves the area, moving its data to free space.";
        refusal->moveEdit = std::make_shared<const std::function<void(EditorCore&)>>([name, edit](EditorCore& c) {
            const std::size_t steps = c.document().undoSteps();
            if (!AreaStep::run(c, name, [&](AreaModel& area, ViewState& view) {
                    edit(area, view, GroupEditing::Room::Ignore);
                }))
                return;
            c.saveMovingData();
            if (c.document().differs() && c.document().undoSteps() > steps)
                c.undo();
        });
    }
    core.report(*refusal);
    return false;
}

} // namespace

void selectAll(EditorCore& core)
{
    AreaStep::run(core, "Select all items",
                  [](AreaModel& area, ViewState& view) { GroupSelection::selectAll(area, view); });
}

bool duplicate(EditorCore& core)
{
    if (!core.hasImage())
        return false;
    const ItemSelection items = GroupSelection::selectedItems(core.area(), core.editMode());
    if (items.empty())
        return false;
    return addAsStep(core, "Duplicate " + itemsName(items),
                     [](AreaModel& area, ViewState& view, GroupEditing::Room room) {
                         return GroupEditing::duplicate(area, view, room);
                     });
}

void deleteSelection(EditorCore& core)
{
    const ItemSelection items = GroupSelection::selectedItems(core.area(), core.editMode());
    if (items.empty())
        return;
    AreaStep::run(core, "Delete " + itemsName(items),
                  [&](AreaModel& area, ViewState&) { GroupEditing::deleteItems(area, items); });
}

bool setTypes(EditorCore& core, bool enemies, int type)
{
    const ItemSelection items = GroupSelection::selectedItems(core.area(), core.editMode());
    return AreaStep::run(core, enemies ? "Change enemies" : "Change objects", [&](AreaModel& area, ViewState&) {
        GroupEditing::setTypes(area, items, enemies, type);
    });
}

bool keyDown(EditorCore& core, int keyCode, int shift)
{
    if (!core.hasImage())
        return false;
    const bool group = GroupSelection::isGroup(core.area(), core.editMode());
    if (keyCode == kDelete && shift == 0) {
        deleteSelection(core);
        return true;
    }
    if (keyCode == kEscape && shift == 0) {
        AreaStep::run(core, "Select", [](AreaModel& area, ViewState&) { GroupSelection::selectCurrentOnly(area); });
        return true;
    }
    if ((shift & kAlt) != 0 && (shift & kCtrl) == 0) {
        const bool withShift = (shift & kShift) != 0;
        if (isArrow(keyCode)) {
            if (!group && !withShift) {
                core.keyDown(keypadFor(keyCode), 0);
                return true;
            }
            const bool across = keyCode == vk::Left || keyCode == vk::Right;
            const int page = across ? 16 : 15;
            moveSelection(core, arrowShift(keyCode, withShift ? page : 1));
            return true;
        }
        if (keyCode == kOpenBracket || keyCode == kCloseBracket) {
            const int step = (keyCode == kCloseBracket ? 1 : -1) * (withShift ? 16 : 1);
            if (!group) {
                const int key = step == 1 ? vk::Add : step == -1 ? vk::Subtract : step == 16 ? vk::Multiply : vk::Divide;
                core.keyDown(key, 0);
            } else {
                stepSelectionTypes(core, step, false);
            }
            return true;
        }
        if (keyCode == kDigit0 && !withShift) {
            core.keyDown(vk::Numpad0, 0);
            return true;
        }
        return false;
    }
    if (!group || (shift & (kAlt | kCtrl)) != 0)
        return false;
    // The keypad keys on a group: moves by a cell and type steps.
    switch (keyCode) {
    case vk::Numpad2: moveSelection(core, {0, 1}); return true;
    case vk::Numpad4: moveSelection(core, {-1, 0}); return true;
    case vk::Numpad6: moveSelection(core, {1, 0}); return true;
    case vk::Numpad8: moveSelection(core, {0, -1}); return true;
    case vk::Add: stepSelectionTypes(core, 1, (shift & kShift) != 0); return true;
    case vk::Subtract: stepSelectionTypes(core, -1, (shift & kShift) != 0); return true;
    case vk::Multiply: stepSelectionTypes(core, 16, (shift & kShift) != 0); return true;
    case vk::Divide: stepSelectionTypes(core, -16, (shift & kShift) != 0); return true;
    default: return false;
    }
}

namespace {

GroupEditing::NewItems typeItem(bool enemy, int type)
{
    GroupEditing::NewItems items;
    if (enemy)
        items.enemies.push_back(Enemy{type & 255, 0, 0});
    else
        items.objects.push_back(LevelObject{type & 255, 0, 0, false, std::numeric_limits<int>::max()});
    return items;
}

} // namespace

bool placeType(EditorCore& core, bool enemy, int type, AreaCell cell)
{
    if (!core.hasImage())
        return false;
    return addAsStep(core, enemy ? "Place enemy" : "Place object",
                     [items = typeItem(enemy, type), cell](AreaModel& area, ViewState& view, GroupEditing::Room room) {
                         return GroupEditing::addItems(area, view, items, cell.column, cell.row, "Can't place!", room);
                     });
}

void previewType(EditorCore& core, bool enemy, int type, AreaCell cell)
{
    if (!core.hasImage())
        return;
    AreaModel trial = core.area();
    ViewState view = core.view();
    // Room does not matter for a look.
    trial.levelSpareFF = trial.enemySpareBytes = 1 << 20;
    GroupEditing::addItems(trial, view, typeItem(enemy, type), cell.column, cell.row, {});
    core.drawInto(trial, view);
}

AreaCell viewCentre(const EditorCore& core)
{
    return {std::max(0, core.view().viewColumn) + 7, std::max(0, core.view().viewRow) + 7};
}

std::optional<std::string> copy(const EditorCore& core)
{
    if (!core.hasImage())
        return std::nullopt;
    std::string text = GroupClipboard::copyText(core.area(), core.editMode(), core.imageKind(), core.directory());
    if (text.empty())
        return std::nullopt;
    return text;
}

std::optional<std::string> cut(EditorCore& core)
{
    std::optional<std::string> text = copy(core);
    if (!text)
        return std::nullopt;
    const ItemSelection items = GroupSelection::selectedItems(core.area(), core.editMode());
    AreaStep::run(core, "Cut " + itemsName(items),
                  [&](AreaModel& area, ViewState&) { GroupEditing::deleteItems(area, items); });
    return text;
}

bool paste(EditorCore& core, const std::string& text, std::optional<AreaCell> cell)
{
    if (!core.hasImage())
        return false;
    GroupEditing::NewItems items;
    try {
        items = GroupClipboard::readText(text);
    } catch (const ImageError& error) {
        core.report(Notice{error.what(), "Can't paste!", NoticeIcon::Warning});
        return false;
    }
    const ViewState& view = core.view();
    const AreaCell at = cell.value_or(AreaCell{std::max(0, view.viewColumn), std::max(0, view.viewRow)});
    ItemSelection names;
    names.objects.resize(items.objects.size());
    names.enemies.resize(items.enemies.size());
    return addAsStep(core, "Paste " + itemsName(names),
                     [items, at](AreaModel& area, ViewState& view, GroupEditing::Room room) {
                         return GroupEditing::addItems(area, view, items, at.column, at.row, "Can't paste!", room);
                     });
}

} // namespace quorled::GroupCommands
