#pragma once

namespace quorled {

class EditorCore;

// The items of "&Options" that choose how the view shows the area and what
// the editor keeps. The window shows the check marks after each.
namespace ViewOptions {

// "&No ground", "Ground &behind objects" (the value 2), "Ground &above
// objects" (1): redrawn at once.
void setGroundView(EditorCore& core, int value);
// Page separators and object marks (1 on, 0 off) show at the next redraw.
void setPageView(EditorCore& core, int value);
void setObjectMarks(EditorCore& core, int value);
void togglePointersFollowDoors(EditorCore& core);
void togglePointersAsObjects(EditorCore& core);
void toggleGrid(EditorCore& core); // redrawn at once
void toggleBackup(EditorCore& core);
void toggleAskBeforeDiscarding(EditorCore& core);
void toggleSaveBeforeTesting(EditorCore& core);
// The seven check items of "&INI file" (0..6): what Save checks.
void toggleSaveCheck(EditorCore& core, int index);

} // namespace ViewOptions

} // namespace quorled
