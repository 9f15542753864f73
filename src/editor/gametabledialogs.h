#pragma once

#include "romdata/bytetables.h"

class QWidget;

namespace quorled {

class EditorCore;

// The game-table dialogs of "O&ther" on the bytes of the open image. An
// image too short for a dialog's bytes gets a message instead.
void editPalettes(EditorCore& core, QWidget* parent);       // "&Change color palettes ..."
void editLevelsPerWorld(EditorCore& core, QWidget* parent); // "Change number of levels in &worlds ..."
void editCharacters(EditorCore& core, QWidget* parent);     // "Change character &properties ..."
// The enemy, power-up, title-card and lives dialogs: one table of bytes each.
void editByteTable(EditorCore& core, ByteTableId table, QWidget* parent);

} // namespace quorled
