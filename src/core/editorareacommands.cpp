#include "editorcore.h"

#include "headerform.h"

#include "romdata/areawriter.h"
#include "romdata/bytes.h"
#include "romdata/imageerror.h"
#include "romdata/romimage.h"
#include "view/areasaving.h"

#include <algorithm>

namespace quorled {

bool EditorCore::runAreaCommand(Command command)
{
    if (!hasImage())
        return false;
    switch (command) {
    case Command::lsave:
        save();
        return true;
    case Command::lrefresh:
        // Every model change of a save without writing; the scrolling
        // direction follows the header.
        renormalizeArea(area_, view_);
        applyLevelPalette(graphics_, area_, directory_.worldFirstArea, palettes_);
        redraw();
        return true;
    case Command::addE:
        if (auto refusal = AreaEditing::addEnemy(area_, view_))
            report(*refusal);
        else
            redraw();
        return true;
    case Command::delobj:
        AreaEditing::deleteSelected(area_, view_.editMode);
        redraw();
        return true;
    case Command::DelAll:
        AreaEditing::deleteAll(area_);
        redraw();
        return true;
    case Command::seeF:
        report(AreaEditing::freeSpaceNotice(area_));
        return true;
    default:
        return false;
    }
}

void EditorCore::save()
{
    // A refused save writes nothing and leaves the model as it is.
    try {
        const RomImage image = RomImage::openChecked(romFileName_, kind_);
        const SavePlan plan = planSave(image, directory_, kind_, area_);
        if (plan.refusal) {
            report({plan.refusal->text, plan.refusal->title, NoticeIcon::Warning});
            return;
        }
    } catch (const ImageError& error) {
        message_ = error.what();
        notify(Change::Message);
        return;
    }
    // The save works on copies, taken over only once the file holds them.
    AreaModel saved = area_;
    ViewState view = view_;
    std::optional<SaveMessage> refusal;
    const bool written = writeImage([&](RomImage& image) {
        refusal = quorled::saveArea(image, directory_, kind_, saved, view).refusal;
    });
    if (!written)
        return;
    if (refusal) {
        report({refusal->text, refusal->title, NoticeIcon::Warning});
        return;
    }
    area_ = std::move(saved);
    view_ = view;
    applyLevelPalette(graphics_, area_, directory_.worldFirstArea, palettes_);
    redraw();
}

bool EditorCore::addObject(const AddObjectRequest& request)
{
    if (!hasImage())
        return false;
    if (auto refusal = AreaEditing::addObject(area_, request)) {
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
    area_.header = header;
    renormalizeArea(area_, view_);
    applyLevelPalette(graphics_, area_, directory_.worldFirstArea, palettes_);
    redraw();
}

std::array<std::uint32_t, 16> EditorCore::palettePreview(int palette, bool enemy) const
{
    const int world = worldOfCurrentArea(currentArea_, directory_.worldFirstArea);
    return HeaderForm::previewColours(palettes_, graphics_.nesColourRgb, world, palette, enemy);
}

LevelInfo EditorCore::levelInfo() const
{
    const auto area = static_cast<std::size_t>(currentArea_);
    return {directory_.areaName(currentArea_),
            hex2(currentArea_),
            hexDigits(directory_.areaLevelOffset[area]),
            hexDigits(directory_.areaEnemyOffset[area]),
            std::to_string(area_.objCount()),
            std::to_string(area_.enemyCount())};
}

void EditorCore::report(Notice notice)
{
    notice_ = std::move(notice);
    notify(Change::Notice);
}

} // namespace quorled
