#pragma once

#include "core/document/change.h"

#include <QObject>
#include <QString>

#include <optional>

class QAction;
class QMainWindow;
class QMenu;

namespace quorled {

class EditorCore;
class PropertiesDock;
class TypeGalleryDock;

// The docks of the main window (type galleries and properties), the
// "&Window" menu that shows and hides them, and the window's placement and
// dock layout as the settings file keeps them.
class Workbench : public QObject {
    Q_OBJECT
public:
    Workbench(EditorCore& core, QMainWindow& window);

    TypeGalleryDock* galleries() const { return galleries_; }
    PropertiesDock* properties() const { return properties_; }
    QMenu* menu() const { return menu_; }

    // Shows in the docks what the core reports changed.
    void follow(ChangeSet changes);

    // Places the window and lays out the docks as the settings file says;
    // false when it holds no placement (the window then fits its contents).
    bool restorePlacement(const QString& settingsPath);
    // Writes the placement to the settings file; a message when it fails.
    std::optional<QString> storePlacement(const QString& settingsPath) const;

private:
    EditorCore& core_;
    QMainWindow& window_;
    TypeGalleryDock* galleries_ = nullptr;
    PropertiesDock* properties_ = nullptr;
    QMenu* menu_ = nullptr;
};

} // namespace quorled
