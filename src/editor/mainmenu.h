#pragma once

#include "core/session/editorcommand.h"

#include <QKeySequence>
#include <QObject>

#include <array>
#include <functional>
#include <map>
#include <set>

class QAction;
class QActionGroup;
class QMenu;
class QMenuBar;

namespace quorled {

// The main window's menu bar: every item with its caption, access letter,
// shortcut and separators, one action per editor command, plus the
// "&Zoom" submenu of "&Options". The window binds each item to its handler.
class MainMenu : public QObject {
    Q_OBJECT
public:
    MainMenu(QMenuBar* bar, QObject* parent = nullptr);

    QAction* action(Command command) const { return actions_.at(command); }
    const std::map<Command, QAction*>& actions() const { return actions_; }
    QAction* zoomAction(int zoom) const { return zoomActions_[static_cast<std::size_t>(zoom - 1)]; }
    QAction* fitAction() const { return fitAction_; }
    void setZoomChecked(int zoom);
    // Runs `handler` when the item of `command` is chosen.
    void bind(Command command, std::function<void()> handler);
    bool isBound(Command command) const { return bound_.count(command) != 0; }
    // "Open re&cent" of "&Levels", filled by the window.
    QMenu* recentMenu() const { return recent_; }

signals:
    void zoomChosen(int zoom);
    void fitChosen();

private:
    QAction* add(QMenu* menu, Command command, const QString& caption, const QKeySequence& shortcut = {});
    void buildLevels(QMenuBar* bar);
    void buildEdit(QMenuBar* bar);
    void buildOptions(QMenuBar* bar);
    void buildObjects(QMenuBar* bar);
    void buildOther(QMenuBar* bar);
    void buildAbout(QMenuBar* bar);

    std::map<Command, QAction*> actions_;
    std::set<Command> bound_;
    std::array<QAction*, 4> zoomActions_{};
    QAction* fitAction_ = nullptr;
    QMenu* recent_ = nullptr;
};

} // namespace quorled
