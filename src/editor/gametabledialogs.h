#pragma once

#include "core/session/editorcommand.h"

class QWidget;

namespace quorled {

class EditorCore;

// Opens the game-table dialog of a menu command (palettes, levels per
// world, characters, enemies, power-ups, title card, lives) on the bytes of
// the open image. An image too short for the dialog's bytes gets a message
// instead. False for a
// command that opens none of these.
bool runGameTableDialog(EditorCore& core, Command command, QWidget* parent);

} // namespace quorled
