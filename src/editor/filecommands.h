#pragma once

#include "core/session/editorcommand.h"
#include "core/settings/recentimages.h"

#include <QObject>
#include <QString>

class QMenu;

namespace quorled {

class EditorCore;
class MainWindow;

// "Op&en image...", "Open re&cent", "Sa&ve image as..." and "E&xport view
// as PNG..." of "&Levels". The recent list is kept in the settings file as
// soon as it changes.
class FileCommands : public QObject {
    Q_OBJECT
public:
    FileCommands(EditorCore& core, MainWindow& window, QMenu* recentMenu, const QString& settingsPath);

    // "Op&en image...": after the unsaved-edit guard, asks for an image and opens it.
    void chooseAndOpenImage();
    // "Sa&ve image as..." and "E&xport view as PNG...".
    void saveImageAs();
    void exportView();
    // Opens another image in place of the current one, after the
    // unsaved-edit guard. A file that fails to open leaves the current
    // image open and says why. True when the new image is open.
    bool openImage(const QString& path);
    // An image is open (start-up, Reload, Open, Save as): it goes first in
    // the recent list.
    void remember(const QString& path);
    const RecentImages& recent() const { return recent_; }

private:
    // openImage once the guard has let it go on.
    bool openAsked(const QString& path);
    void fillRecentMenu();

    EditorCore& core_;
    MainWindow& window_;
    QMenu* recentMenu_;
    QString settingsPath_;
    RecentImages recent_;
};

} // namespace quorled
