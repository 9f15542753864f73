#pragma once

#include <QString>

namespace quorled {

class EditorCore;
class MainWindow;

// The window's part of "Export &patch..." and "Compare with image...". Each
// leaves a changed area through the window's unsaved-edit question first
// where the image on disk is used; each does nothing without an image.
void exportPatch(MainWindow& window, EditorCore& core, const QString& settingsPath);
void compareWithImage(MainWindow& window, EditorCore& core);

} // namespace quorled
