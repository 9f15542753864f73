#include "coreedit.h"

#include "editorcore.h"
#include "imagecaption.h"

namespace quorled {

void CoreEdit::fail(EditorCore& core, const std::string& message)
{
    core.message_ = message;
    core.notify(Change::Message);
}

void CoreEdit::report(EditorCore& core, Notice notice) { core.report(std::move(notice)); }

void CoreEdit::drawInto(EditorCore& core, AreaModel area, ViewState view)
{
    core.renderer_->drawArea(area, view, core.directory_.worldFirstArea);
    core.notify(Change::Picture);
}

AreaDocument& CoreEdit::document(EditorCore& core) { return core.document_; }

ImageWriteGuard& CoreEdit::writeGuard(EditorCore& core) { return core.writeGuard_; }

void CoreEdit::continueWithFile(EditorCore& core, const std::string& path, std::optional<AreaModel> saved,
                                std::optional<AreaRoom> room, const ViewState& view)
{
    core.romFileName_ = path;
    if (saved)
        core.document_.markSaved(std::move(*saved), room);
    core.view_ = view;
    core.status_ = "Saved the image as " + path;
    core.caption_ = imageCaption(core.currentArea_, core.directory_, path);
    applyLevelPalette(core.graphics_, core.area(), core.directory_.worldFirstArea, core.palettes_);
    core.redraw(Change::Checks);
}

} // namespace quorled
