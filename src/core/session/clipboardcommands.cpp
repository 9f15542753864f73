#include "core/session/clipboardcommands.h"

#include "core/editing/groupcommands.h"

namespace quorled {

std::optional<std::string> ClipboardCommands::copy(const EditorCore& core) { return GroupCommands::copy(core); }

std::optional<std::string> ClipboardCommands::cut(EditorCore& core) { return GroupCommands::cut(core); }

bool ClipboardCommands::paste(EditorCore& core, const std::string& text, std::optional<AreaCell> cell)
{
    return GroupCommands::paste(core, text, cell);
}

} // namespace quorled
