#pragma once

#include "core/document/change.h"
#include "core/session/editorcommand.h"

#include <QMainWindow>
#include <QPixmap>

#include <optional>

class QFileSystemWatcher;
class QLabel;
class QPushButton;
class QScrollArea;

namespace quorled {

class EditorCore;
class GameViews;
class HeaderPanel;
class LevelView;
class MainMenu;
class ReadoutPanel;
class WorkbenchCommands;
class WorkArea;
class Workbench;

// The main window `quorl`: the level view, the read-outs, the header panel,
// the Save / Refresh / Reload buttons and the menu bar. It turns Qt events
// into calls of the editor core and shows what the core reports changed.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(EditorCore& core, const QString& settingsPath, const QPixmap& splashPicture,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    // Start-up: reads the settings and opens `imagePath`, or asks for an
    // image when it is empty. False when the user cancelled the first
    // prompt; the program then ends without writing anything.
    bool startUp(const QString& imagePath);

    LevelView* levelView() const { return view_; }
    ReadoutPanel* readoutPanel() const { return readouts_; }
    HeaderPanel* headerPanel() const { return header_; }
    MainMenu* mainMenu() const { return menu_; }
    WorkbenchCommands* workbenchCommands() const { return workbenchCommands_; }
    QPushButton* button(Command command) const;
    QLabel* roomMeter() const { return roomMeter_; }
    QScrollArea* stage() const { return scroll_; }
    Workbench* workbench() const { return workbench_; }
    // Before the edits of the open image would be dropped (quit, reload,
    // another image): asks once, naming the changed areas, Save all /
    // Discard / Cancel (unless the option is off). True when the user may
    // go on: saved, discarded or nothing to ask; false on Cancel or a save
    // that was refused.
    bool confirmUnsavedAreas();
    QWidget* changedOnDiskBar() const { return changedBar_; }
    // Looks at the image on disk: a change by another program is read at
    // once when there are no unsaved edits, else the bar above the view asks.
    void checkImageOnDisk();
    GameViews* gameViews() const { return gameViews_; }
    WorkArea* workArea() const { return work_; }
    // The areas "Compare with image..." found different in the image file
    // `imagePath`; "Select area" marks them while that image is open.
    void setComparedAreas(const std::string& imagePath, std::vector<int> areas);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildSidePanel();
    QWidget* buildChangedOnDiskBar();
    void watchImage();
    void rereadImage();
    void showChanges(ChangeSet changes);
    void showStatus();
    // Binds every menu item to its handler (menubindings.cpp).
    void bindMenu();
    void selectArea();
    void showLevelInfo();
    void editHeader();
    void addObjects();
    void reload();
    void chooseZoom(int zoom);
    void showZoom(int zoom);
    void showAbout();
    void showSplash();
    void connectGalleryDrops();
    void fitToContents();

    EditorCore& core_;
    QString settingsPath_;
    std::string comparedImage_;
    std::vector<int> comparedAreas_;
    QPixmap splashPicture_;
    LevelView* view_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    Workbench* workbench_ = nullptr;
    WorkArea* work_ = nullptr;
    ReadoutPanel* readouts_ = nullptr;
    HeaderPanel* header_ = nullptr;
    MainMenu* menu_ = nullptr;
    WorkbenchCommands* workbenchCommands_ = nullptr;
    GameViews* gameViews_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QPushButton* refreshButton_ = nullptr;
    QPushButton* reloadButton_ = nullptr;
    QLabel* fileLabel_ = nullptr;
    QLabel* roomMeter_ = nullptr;
    QWidget* changedBar_ = nullptr;
    QFileSystemWatcher* watcher_ = nullptr;
    QLabel* pointerCell_ = nullptr;
    bool started_ = false;
    std::optional<QString> failureTitle_; // title of a failed write, when not "Quorl editor"
};

} // namespace quorled
