#pragma once

#include "core/forms/freespaceview.h"
#include "core/session/notice.h"

#include "romdata/datamove.h"

#include <optional>
#include <string>

namespace quorled {

class EditorCore;

// What the "Move level data" / "Move enemy data" dialog shows when it
// opens: the address box text, the current location and the block's size
// as stored in the image.
struct MoveForm {
    std::string address;
    std::string location;
    std::string size;
};

// The end of a space command: whether it ran (a move dialog then closes)
// and the message box to show, if any.
struct SpaceOutcome {
    bool done = false;
    std::optional<Notice> notice;
};

// The space tools of the editor: total free space, moving the current
// area's level or enemy data, and level dumps. Every write goes through the
// editor's image write guard and is followed by a reload of the area; a
// refusal writes nothing and reloads nothing.
class SpaceTools {
public:
    explicit SpaceTools(EditorCore& core) : core_(core) {}

    // The "Total free space" dialog, from the image as it is on disk.
    FreeSpaceView freeSpace() const;

    MoveForm moveForm(MoveData what) const;
    // OK of a move dialog: `option` is the index of the option button that
    // is on. A refusal comes as a warning with the dialog's title and
    // done = false (the dialog stays open).
    SpaceOutcome move(MoveData what, const std::string& addressText, int option);

    std::string proposedDumpName() const;
    // The answers of the dump and insert prompts; an empty answer does
    // nothing. Refusals and failures come as warnings titled "Error
    // dumping!" (dump) or "Error!" (insertion); a failed image write is
    // reported by the editor's write guard.
    SpaceOutcome dump(const std::string& answer);
    SpaceOutcome insert(const std::string& answer);

    static std::string dumpPrompt() { return "Dump level data in which file?"; }
    static std::string dumpTitle() { return "Dump level data"; }
    static std::string insertPrompt() { return "Get level data from which file?"; }
    static std::string insertTitle() { return "Insert level data"; }
    static std::string insertErrorTitle() { return "Error!"; }

private:
    EditorCore& core_;
};

} // namespace quorled
