#pragma once

#include "core/editing/groupcommands.h"

#include <optional>
#include <string>

namespace quorled {

class EditorCore;

// "Cu&t", "&Copy" and "&Paste" of the "&Edit" menu on the editor core; the
// window moves the text to and from the system clipboard.
class ClipboardCommands {
public:
    // The selected items as clipboard text; nullopt when nothing is
    // selected.
    static std::optional<std::string> copy(const EditorCore& core);
    // Copy, then the item is deleted as one undo step.
    static std::optional<std::string> cut(EditorCore& core);
    // Adds the items the text holds as one undo step, their top-left at
    // `cell` (the cell under the pointer) or else the view's top-left cell.
    // A text that is refused (malformed, out of range, too little free
    // space) changes nothing and comes as the core's notice. True when the
    // items were added.
    static bool paste(EditorCore& core, const std::string& text, std::optional<AreaCell> cell = std::nullopt);
};

} // namespace quorled
