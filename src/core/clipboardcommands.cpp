#include "clipboardcommands.h"

#include "areaclipboard.h"
#include "areaediting.h"
#include "areastep.h"
#include "editorcore.h"

#include "romdata/imageerror.h"

namespace quorled {

std::optional<std::string> ClipboardCommands::copy(const EditorCore& core)
{
    if (!core.hasImage())
        return std::nullopt;
    return AreaClipboard::copyText(core.area(), core.editMode(), core.imageKind(), core.directory());
}

std::optional<std::string> ClipboardCommands::cut(EditorCore& core)
{
    std::optional<std::string> text = copy(core);
    if (!text)
        return std::nullopt;
    AreaStep::run(core, core.editMode() == 0 ? "Cut object" : "Cut enemy",
                  [](AreaModel& area, ViewState& view) { AreaEditing::deleteSelected(area, view.editMode); });
    return text;
}

bool ClipboardCommands::paste(EditorCore& core, const std::string& text)
{
    if (!core.hasImage())
        return false;
    ClipItem item;
    try {
        item = AreaClipboard::readText(text);
    } catch (const ImageError& error) {
        core.report(Notice{error.what(), "Can't paste!", NoticeIcon::Warning});
        return false;
    }
    std::optional<Notice> refusal;
    AreaStep::run(core, item.isEnemy ? "Paste enemy" : "Paste object",
                  [&](AreaModel& area, ViewState& view) { refusal = AreaClipboard::paste(item, area, view); });
    if (refusal)
        core.report(*refusal);
    return !refusal;
}

} // namespace quorled
