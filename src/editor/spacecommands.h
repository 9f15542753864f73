#pragma once

#include "core/session/editorcommand.h"

#include <QString>

#include <optional>

class QWidget;

namespace quorled {

class EditorCore;

// The window's part of the space commands ("See &total free space
// available", the two moves, "&Dump level data ..." and "&Insert level
// data ..."): opens their dialogs and prompts and shows their messages; the
// rules are SpaceTools'. While an insertion writes the image,
// `failureTitle` holds "Error!", the title under which the window shows a
// failed write. False for any other command.
bool runSpaceCommand(QWidget* window, EditorCore& core, Command command, std::optional<QString>& failureTitle);

} // namespace quorled
