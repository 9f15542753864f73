#include "core/session/editorcore.h"

#include "core/document/stepfocus.h"
#include "core/editing/groupcommands.h"
#include "core/editing/groupselection.h"
#include "core/forms/headerform.h"
#include "core/document/savedselection.h"

#include "romdata/arealoader.h"
#include "romdata/areawriter.h"
#include "romdata/bytes.h"
#include "romdata/imageerror.h"
#include "romdata/relocatingsave.h"
#include "romdata/romimage.h"
#include "romdata/roomuse.h"
#include "view/areasaving.h"

#include <algorithm>

namespace quorled {

namespace {

// A save refused by the save rules inside the write: nothing is written.
struct SaveRefused : ImageError {
    SaveRefused() : ImageError("refused") {}
};

std::string counted(std::size_t n, const char* one, const char* many)
{
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

} // namespace

void EditorCore::endEdit(bool merge)
{
    if (document_.commitStep(merge))
        status_.clear();
}

void EditorCore::saveArea()
{
    if (hasImage())
        save();
}

void EditorCore::refreshArea()
{
    if (!hasImage())
        return;
    // Every model change of a save without writing; the scrolling direction
    // follows the header.
    beginEdit("Refresh");
    renormalizeArea(area(), view_);
    endEdit();
    recolour();
    redraw();
}

void EditorCore::addEnemy()
{
    if (!hasImage())
        return;
    beginEdit("Add enemy");
    const auto refusal = AreaEditing::addEnemy(area(), view_);
    endEdit();
    if (refusal)
        report(*refusal);
    else
        redraw();
}

void EditorCore::deleteSelected()
{
    if (!hasImage())
        return;
    if (GroupSelection::isGroup(area(), view_.editMode)) {
        GroupCommands::deleteSelection(*this);
        return;
    }
    beginEdit(view_.editMode == 0 ? "Delete object" : "Delete enemy");
    AreaEditing::deleteSelected(area(), view_.editMode);
    endEdit();
    redraw();
}

void EditorCore::deleteAll()
{
    if (!hasImage())
        return;
    const std::size_t objects = area().objects.size();
    const std::size_t enemies = area().enemies.size();
    beginEdit("Delete all");
    AreaEditing::deleteAll(area());
    if (document_.commitStep())
        status_ = "Deleted " + counted(objects, "object", "objects") + " and " + counted(enemies, "enemy", "enemies") +
                  "; Ctrl+Z brings them back.";
    redraw();
}

void EditorCore::showFreeSpace()
{
    if (hasImage())
        report(AreaEditing::freeSpaceNotice(area()));
}

void EditorCore::save(bool relocate)
{
    // A refused save writes nothing and leaves the model as it is.
    try {
        const RomImage image = RomImage::fromBytes(document_.bytes(), romFileName());
        const SavePlan plan = planSave(image, directory(), imageKind(), area());
        // Data that outgrew its room in an iNES image can be moved first.
        const auto use = document_.roomUse();
        const bool movable = imageKind() == ImageKind::Ines && use && !use->problem && !use->fits();
        if (plan.refusal && !(relocate && movable)) {
            report({plan.refusal->text, plan.refusal->title, NoticeIcon::Warning, movable});
            return;
        }
    } catch (const ImageError& error) {
        fail(error.what());
        return;
    }
    // The save works on copies, taken over only once the file holds them.
    AreaModel saved = area();
    const SavedSelection selection = selectionAfterSave(saved);
    const RoomUse use = measureRoomUse(saved, AreaRoom{});
    ViewState view = view_;
    std::optional<SaveMessage> refusal;
    std::optional<AreaRoom> room;
    std::vector<std::string> moves;
    std::string shared;
    const ImageKind kind = imageKind();
    const auto edit = [&](RomImage& image) {
        // The directory as the file read under the lock has it: a save never
        // writes where another program moved the area's data away from.
        const AreaDirectory before = directoryForSave(image, kind, directory(), saved);
        const std::optional<AreaRoom> oldRoom =
            findSaveRoom(image, before, kind, loadArea(image, before, kind, saved.area));
        SaveResult result;
        if (relocate) {
            ViewPosition position{view.viewColumn, view.viewRow};
            RelocatingSave relocated = saveWithRelocation(image, before, saved, position);
            view.viewColumn = position.viewColumn;
            view.viewRow = position.viewRow;
            result = relocated.result;
            moves = relocated.moves;
        } else {
            result = quorled::saveArea(image, before, kind, saved, view);
        }
        refusal = result.refusal;
        if (refusal) // nothing is written
            throw SaveRefused();
        if (oldRoom)
            shared = sharedDataNote(areasChangedWith(before, saved.area, *oldRoom, result.changedOffsets));
    };
    try {
        // A move is a step of the history: undo puts the data back where it was.
        document_.write(edit, relocate ? "Move and save" : "", currentArea());
    } catch (const SaveRefused&) {
        report({refusal->text, refusal->title, NoticeIcon::Warning});
        return;
    } catch (const ImageError& error) {
        fail(error.what());
        return;
    }
    const RomImage written = RomImage::fromBytes(document_.bytes(), romFileName());
    room = findSaveRoom(written, directory(), kind, saved);
    // The save's sort moved the selected items; they stay selected.
    saved.selectedObject = selection.object;
    saved.selectedEnemy = selection.enemy;
    document_.area().markSaved(std::move(saved), room);
    status_ = "Saved area " + hex2(currentArea()) + ": level data " + std::to_string(use.levelBytes) +
              " bytes, enemy data " + std::to_string(use.enemyBytes) + " bytes";
    for (const std::string& move : moves)
        status_ += "; moved " + move;
    if (!shared.empty())
        status_ += "; " + shared;
    view_ = view;
    recolour();
    redraw();
}

bool EditorCore::addObject(const AddObjectRequest& request)
{
    if (!hasImage())
        return false;
    beginEdit("Add object");
    const auto refusal = AreaEditing::addObject(area(), request);
    endEdit();
    if (refusal) {
        report(*refusal);
        redraw();
        return false;
    }
    redraw();
    return true;
}

void EditorCore::applyHeader(const HeaderBits& header)
{
    if (!hasImage())
        return;
    // The fold uses the direction the model is in; renormalizeArea then
    // switches to the header's, so objects keep their pages as enemies do.
    beginEdit("Edit header");
    area().header = header;
    renormalizeArea(area(), view_);
    endEdit();
    recolour();
    redraw();
}

std::array<std::uint32_t, 16> EditorCore::palettePreview(int palette, bool enemy) const
{
    const int world = worldOfCurrentArea(currentArea(), directory().worldFirstArea);
    return HeaderForm::previewColours(palettes(), graphics_.nesColourRgb, world, palette, enemy);
}

LevelInfo EditorCore::levelInfo() const
{
    const auto index = static_cast<std::size_t>(currentArea());
    return {directory().areaName(currentArea()),
            hex2(currentArea()),
            hexDigits(directory().areaLevelOffset[index]),
            hexDigits(directory().areaEnemyOffset[index]),
            std::to_string(area().objCount()),
            std::to_string(area().enemyCount())};
}

void EditorCore::undoOrRedo(bool undo)
{
    if (!hasImage())
        return;
    const int wasArea = currentArea();
    const int wasVertical = area().isVertical;
    AreaDocument& left = document_.area();
    left.viewColumn = view_.viewColumn;
    left.viewRow = view_.viewRow;
    // The model of the other area a step belongs to, to find what it changed.
    const HistoryStep* next = undo ? document_.history().nextUndo() : document_.history().nextRedo();
    std::optional<AreaModel> other;
    if (next && !next->written() && next->area != wasArea)
        if (const AreaDocument* document = document_.touched(next->area))
            other = document->model();
    try {
        if (!(undo ? document_.undo() : document_.redo()))
            return;
    } catch (const ImageError& error) {
        fail(error.what());
        return;
    }
    if (currentArea() != wasArea) {
        // A step of another area opened it, with the view where it was left
        // and then on the item the step changed, selected.
        view_.viewColumn = document_.area().viewColumn;
        view_.viewRow = document_.area().viewRow;
        if (other)
            focusChangedItem(*other, area(), view_);
    } else if (area().isVertical != wasVertical) {
        // A step that switched the scrolling direction switched the view with it.
        std::swap(view_.viewColumn, view_.viewRow);
    }
    status_.clear();
    recolour();
    redraw();
}

} // namespace quorled
