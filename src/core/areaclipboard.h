#pragma once

#include "notice.h"

#include "romdata/areadirectory.h"
#include "romdata/areamodel.h"
#include "romdata/imagekind.h"
#include "view/viewstate.h"

#include <cstddef>
#include <optional>
#include <string>

namespace quorled {

// One object or enemy on the clipboard, with the direction of the area it
// was copied from (its coordinates are in that area's form).
struct ClipItem {
    bool isEnemy = false;
    LevelObject object;
    Enemy enemy;
    int isVertical = 0;
    bool operator==(const ClipItem&) const = default;
};

// Where a pasted item goes: its own cell when that cell is on screen and
// possible in the target area, else the view's top-left cell.
struct PastePlace {
    int x = 0;
    int y = 0;
    bool moved = false; // the item's own place was off screen
    bool operator==(const PastePlace&) const = default;
};

// Copy and paste of the selected object or enemy as text: the JSON form of
// `area --json`, holding the one item. Pasted text comes from anywhere, so
// every field is checked before anything changes.
class AreaClipboard {
public:
    // Longer clipboard texts are refused unread.
    static constexpr std::size_t kMaxTextLength = 1 << 20;

    // The selected object (edit mode 0) or enemy (1) as text; nullopt when
    // nothing is selected.
    static std::optional<std::string> copyText(const AreaModel& area, int editMode, ImageKind kind,
                                               const AreaDirectory& directory);

    // Reads clipboard text. Throws ImageError with a message that says what
    // is wrong, for text that is not JSON, not in the form, out of range, or
    // holds anything but one object or one enemy.
    static ClipItem readText(const std::string& text);

    // The place of a pasted item in `area` as `view` shows it.
    static PastePlace place(const ClipItem& item, const AreaModel& area, const ViewState& view);

    // Adds the item at its place, selects it and switches the edit mode to
    // it; its bytes are booked against the area's free space as an addition
    // is. Refused, with the model as it was, when the free space is short.
    static std::optional<Notice> paste(const ClipItem& item, AreaModel& area, ViewState& view);
};

} // namespace quorled
