#include "core/session/imagesaveas.h"

#include "core/session/editorcore.h"
#include "core/session/outputtarget.h"
#include "core/document/savedselection.h"

#include "romdata/filestore.h"
#include "romdata/imageerror.h"
#include "romdata/romimage.h"
#include "romdata/roomuse.h"
#include "romdata/shownname.h"
#include "view/areasaving.h"

#include <filesystem>

namespace quorled {

bool ImageSaveAs::run(EditorCore& core, const std::string& target)
{
    if (!core.hasImage())
        return false;
    if (const auto refusal = outputTargetRefusal(target, core.romFileName())) {
        core.fail(*refusal);
        return false;
    }
    const ImageKind kind = core.imageKind();
    if (imageKindFromFileName(target) != kind) {
        core.fail("The file " + shownName(target) + " would open as a " +
                                 imageKindName(imageKindFromFileName(target)) + " image, not as the " +
                                 imageKindName(kind) + " image it copies; give it the extension of the image.");
        return false;
    }

    std::optional<AreaModel> saved;
    std::optional<AreaRoom> room;
    ViewState view = core.view();
    std::vector<std::uint8_t> written;
    try {
        // A copy of the image as the editor read it, without a file name:
        // the save works in memory only and the open image is never written.
        RomImage image = RomImage::fromBytes(core.document().bytes());
        if (core.document().differs()) {
            saved = core.area();
            const SavedSelection selection = selectionAfterSave(*saved);
            const SaveResult result = saveArea(image, core.directory(), kind, *saved, view);
            if (result.refusal) {
                core.report(Notice{result.refusal->text, result.refusal->title, NoticeIcon::Warning});
                return false;
            }
            room = findSaveRoom(image, core.directory(), kind, *saved);
            saved->selectedObject = selection.object;
            saved->selectedEnemy = selection.enemy;
        }
        // A file that is replaced is backed up as an image is before its
        // first write; a new one counts as written.
        ImageWriteGuard& guard = core.document().writeGuard();
        if (std::filesystem::exists(target))
            guard.prepareWrite(target);
        writeWholeFile(target, image.bytes());
        guard.noteWritten(target);
        written = image.bytes();
    } catch (const ImageError& error) {
        core.fail(error.what());
        return false;
    }
    core.continueWithFile(target, std::move(saved), room, view, written);
    return true;
}

} // namespace quorled
