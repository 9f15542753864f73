#pragma once

#include "core/settings/shortcutsettings.h"
#include "core/settings/viewkeys.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class QWidget;

namespace quorled {

class MainMenu;

// "&Options" → "&Keyboard shortcuts...": the keys of the menu commands and
// of the level view as the user set them, read from and written to the
// settings file's section "Shortcuts". The menu's actions are given theirs
// (so the menus show them); the view's key presses go through viewPress.
class ShortcutCommands {
public:
    // Takes the menu's keys as they are now as the defaults.
    ShortcutCommands(MainMenu& menu, QString settingsPath);

    // Gives the commands the keys the settings file holds.
    void applyStored();
    // The dialog; OK applies and stores the keys. A failed write is shown.
    void runDialog(QWidget* parent);

    // What a key press of the level view (virtual-key code and modifier
    // state) becomes under the view keys now; none when it does nothing.
    std::optional<KeyPress> viewPress(int keyCode, int shift) const;
    // "Num+4, Alt+Left : Move the selection left", one line per view key
    // that has keys, for the About box.
    QStringList viewKeyLines() const;

private:
    std::vector<ShortcutSettings::Binding> current() const;
    void apply(const std::vector<ShortcutSettings::Binding>& bindings);

    MainMenu& menu_;
    QString settingsPath_;
    // The menu commands first, then the view keys.
    std::vector<ShortcutSettings::Binding> defaults_;
    std::vector<ShortcutSettings::Binding> viewBindings_;
    ViewKeyMap viewKeys_;
};

} // namespace quorled
