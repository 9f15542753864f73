#pragma once

#include <optional>
#include <string>

namespace quorled {

class EditorCore;

// A cell of the area, for where a paste lands.
struct AreaCell {
    int column = 0;
    int row = 0;
};

// The commands on the selected items as a whole, each one step of the area
// document's history: "Select all items", "Duplicate", Delete, type
// changes, the laptop keys (Alt+arrows, Alt+[ and Alt+], Alt+0) and Escape.
namespace GroupCommands {

void selectAll(EditorCore& core);
// True when the copy was added; a refusal comes as the core's notice.
bool duplicate(EditorCore& core);
// Deletes the selected items (one or more) as one step.
void deleteSelection(EditorCore& core);
// Gives the selected objects (or enemies) a type, as a click in the Types
// gallery does; false when nothing changed.
bool setTypes(EditorCore& core, bool enemies, int type);

// The keys that work on a selection or stand in for keypad keys. True when
// the key was taken (the caller then does nothing more with it).
bool keyDown(EditorCore& core, int keyCode, int shift);

// A new object (or, with `enemy`, enemy) of a type at a cell, selected, as
// one step: what a drop from the Types gallery does. An object goes to the
// area's last layer. A refusal (no room) comes as the core's notice.
bool placeType(EditorCore& core, bool enemy, int type, AreaCell cell);
// The view as it would look with that item placed, drawn into the core's
// picture without changing the area: the ghost while a drag is on. Call
// EditorCore::redraw to go back to the area as it is.
void previewType(EditorCore& core, bool enemy, int type, AreaCell cell);
// The cell in the middle of the view, where a double-click places a type.
AreaCell viewCentre(const EditorCore& core);

// Clipboard text of the selection; nullopt when nothing is selected.
std::optional<std::string> copy(const EditorCore& core);
// Copy, then the selection is deleted as one step.
std::optional<std::string> cut(EditorCore& core);
// Adds the items the text holds with their top-left at `cell` (else at the
// view's top-left cell), as one step; they become the selection. A refused
// text comes as the core's notice; true when the items were added.
bool paste(EditorCore& core, const std::string& text, std::optional<AreaCell> cell);

} // namespace GroupCommands

} // namespace quorled
