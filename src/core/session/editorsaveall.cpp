#include "core/session/editorcore.h"

#include "core/document/savedselection.h"

#include "romdata/areawriter.h"
#include "romdata/bytes.h"
#include "romdata/imageerror.h"
#include "romdata/romimage.h"
#include "romdata/roomuse.h"
#include "view/areasaving.h"

namespace quorled {

namespace {

std::string areaNames(const std::vector<int>& areas)
{
    std::string text;
    for (std::size_t i = 0; i < areas.size(); ++i)
        text += (i ? ", " : "") + hex2(areas[i]);
    return text;
}

// A save refused by the save rules inside the write: nothing is written.
struct SaveAllRefused : ImageError {
    SaveAllRefused() : ImageError("refused") {}
};

} // namespace

std::string EditorCore::status() const
{
    if (!status_.empty() || !hasImage())
        return status_;
    const std::vector<int> changed = document_.changedAreas();
    if (changed.empty())
        return {};
    return std::to_string(changed.size()) + (changed.size() == 1 ? " area changed: " : " areas changed: ") +
           areaNames(changed);
}

void EditorCore::saveAllAreas()
{
    if (!hasImage())
        return;
    const std::vector<int> changed = document_.changedAreas();
    if (changed.empty()) {
        status_ = "No area has unsaved edits.";
        notify(Change::Status);
        return;
    }
    // Every area is saved by the rules of "Save", on copies, into one image
    // in memory; the file is written once, and only when all of them fit.
    struct Saved {
        int area;
        AreaModel model;
        ViewState view;
        SavedSelection selection;
    };
    std::vector<Saved> saved;
    for (int index : changed) {
        const AreaDocument& document = *document_.touched(index);
        ViewState view = view_;
        if (index != currentArea()) {
            view.viewColumn = document.viewColumn;
            view.viewRow = document.viewRow;
        }
        saved.push_back({index, document.model(), view, selectionAfterSave(document.model())});
    }
    std::vector<std::string> refusals;
    std::vector<int> refused;
    const ImageKind kind = imageKind();
    try {
        document_.write([&](RomImage& image) {
            for (Saved& area : saved) {
                const SaveResult result = quorled::saveArea(image, directory(), kind, area.model, area.view);
                if (result.refusal) {
                    refused.push_back(area.area);
                    refusals.push_back(hex2(area.area) + ": " + result.refusal->text);
                }
            }
            if (!refused.empty())
                throw SaveAllRefused();
        });
    } catch (const SaveAllRefused&) {
        std::string text = "Nothing was written: area";
        text += (refused.size() == 1 ? " " : "s ") + areaNames(refused) + " can't be saved in place.";
        for (const std::string& line : refusals)
            text += "\n" + line;
        if (kind == ImageKind::Ines)
            text += "\nOpen such an area and use \"Move and save\" to move its data.";
        report({text, "Save all changed areas", NoticeIcon::Warning});
        return;
    } catch (const ImageError& error) {
        fail(error.what());
        return;
    }
    const RomImage written = RomImage::fromBytes(document_.bytes(), romFileName());
    for (Saved& area : saved) {
        const std::optional<AreaRoom> room = findSaveRoom(written, directory(), kind, area.model);
        // The save's sort moved the selected items; they stay selected.
        area.model.selectedObject = area.selection.object;
        area.model.selectedEnemy = area.selection.enemy;
        AreaDocument& document = document_.areaDocument(area.area);
        document.markSaved(std::move(area.model), room);
        if (area.area == currentArea())
            view_ = area.view;
        else {
            document.viewColumn = area.view.viewColumn;
            document.viewRow = area.view.viewRow;
        }
    }
    status_ = "Saved " + std::to_string(saved.size()) + (saved.size() == 1 ? " area: " : " areas: ") +
              areaNames(changed);
    recolour();
    redraw();
}

std::optional<std::string> EditorCore::rereadImage()
{
    if (!hasImage())
        return std::string("No image is open.");
    const AreaModel before = area();
    const ViewState view = view_;
    try {
        document_.reread();
    } catch (const ImageError& error) {
        return std::string(error.what());
    }
    view_ = view;
    AreaModel& now = area();
    if (before.selectedObject <= now.objCount())
        now.selectedObject = before.selectedObject;
    if (before.selectedEnemy <= now.enemyCount())
        now.selectedEnemy = before.selectedEnemy;
    // The items selected together, when every one of them is still there.
    const auto within = [](const std::vector<int>& items, int count) { return items.empty() || items.back() <= count; };
    if (within(before.group.objects, now.objCount()) && within(before.group.enemies, now.enemyCount()))
        now.group = before.group;
    status_ = "The image was changed by another program and was read again.";
    recolour();
    redraw(Change::Checks | Change::EditMode);
    return std::nullopt;
}

} // namespace quorled
