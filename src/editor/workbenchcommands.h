#pragma once

#include "core/document/change.h"
#include "core/session/editorcommand.h"

#include <QObject>
#include <QString>

#include <memory>

namespace quorled {

class ShortcutCommands;

class AreaMapWindow;
class EditorCore;
class FileCommands;
class MainWindow;

// The main window's commands beyond the original ones: the clipboard, the
// area map window and the image files (open, recent, save as, export). The
// window hands them their commands and every change the core reports.
class WorkbenchCommands : public QObject {
    Q_OBJECT
public:
    WorkbenchCommands(EditorCore& core, MainWindow& window, const QString& settingsPath);
    ~WorkbenchCommands() override;

    // "Cu&t", "&Copy" and "&Paste" of "&Edit", on the system clipboard.
    void cut() { toClipboard(true); }
    void copy() { toClipboard(false); }
    void paste();
    // "Area &map": opens the map window or brings it up.
    void showMap();
    // Keeps the map in step and tells why Save is off for a read-only image.
    void showChanges(ChangeSet changes);

    FileCommands& files() const { return *files_; }
    ShortcutCommands& shortcuts() const { return *shortcuts_; }
    // The map window once it was opened, else nullptr.
    AreaMapWindow* mapWindow() const { return map_; }

private:
    void toClipboard(bool cut);
    void explainSave();

    EditorCore& core_;
    MainWindow& window_;
    FileCommands* files_;
    std::unique_ptr<ShortcutCommands> shortcuts_;
    AreaMapWindow* map_ = nullptr;
};

} // namespace quorled
