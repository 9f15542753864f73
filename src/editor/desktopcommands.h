#pragma once

#include "core/session/editorcommand.h"

#include <QString>

namespace quorled {

class EditorCore;
class MainWindow;

// The window's part of the desktop commands: "Export &patch...", "&Test in
// emulator" and "&Emulator command...". Each leaves a changed area through
// the window's unsaved-edit question first where the image on disk is used.
// The settings file keeps the emulator command. False for any other command.
bool runDesktopCommand(MainWindow& window, EditorCore& core, Command command, const QString& settingsPath);

} // namespace quorled
