#pragma once

#include "notice.h"

#include "romdata/areamodel.h"
#include "romdata/arearoom.h"
#include "romdata/imagewriteguard.h"
#include "view/viewstate.h"

#include <optional>
#include <string>

namespace quorled {

class AreaDocument;
class EditorCore;

// What the capability classes outside the core (the docks, the clipboard,
// "Save image as...") need of it, so that the core need not grow a method
// for each: its document (for undo steps, see AreaStep), its message and
// notice, its write rules, and going on with a new image file.
class CoreEdit {
public:
    // Reports a failure as the core's message (Change::Message), and a
    // refusal as its notice (Change::Notice).
    static void fail(EditorCore& core, const std::string& message);
    static void report(EditorCore& core, Notice notice);

    // Draws `area` as `view` shows it into the core's view picture, for a
    // look at an edit not made (the area itself is not changed).
    static void drawInto(EditorCore& core, AreaModel area, ViewState view);

    // The area document whose history the core's Undo and Redo walk.
    static AreaDocument& document(EditorCore& core);

    // The rules of the core's image writes, for a write to another file.
    static ImageWriteGuard& writeGuard(EditorCore& core);

    // After the area was written into a new file: the editor goes on with
    // that file. `saved` is the area as the new file holds it (its room
    // there in `room`), `view` the view after the save; the edit history
    // stays. The caller has made the write count as the file's first.
    static void continueWithFile(EditorCore& core, const std::string& path, std::optional<AreaModel> saved,
                                 std::optional<AreaRoom> room, const ViewState& view);
};

} // namespace quorled
