#pragma once

#include <QString>

namespace quorled {

class EditorCore;
class MainWindow;

// "&Test in emulator" (F9): with unsaved edits it asks whether to save
// first, test the file as it is on disk, or cancel, unless "Save before
// testing without asking" is on. The emulator is the kept command, else the
// desktop's default application for the image's type; with neither, the
// user is asked for a command, which is kept in the settings file.
void testInEmulator(MainWindow& window, EditorCore& core, const QString& settingsPath);

// "&Emulator command...": shows and changes the kept command.
void chooseEmulator(MainWindow& window, const QString& settingsPath);

} // namespace quorled
