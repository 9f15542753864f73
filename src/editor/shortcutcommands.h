#pragma once

#include "core/shortcutsettings.h"

#include <QString>

#include <vector>

class QWidget;

namespace quorled {

class MainMenu;

// "&Options" → "&Keyboard shortcuts...": the menu commands' keys as the
// user set them, read from and written to the settings file's section
// "Shortcuts" and given to the menu's actions (so the menus and the About
// box show them).
class ShortcutCommands {
public:
    // Takes the menu's keys as they are now as the defaults.
    ShortcutCommands(MainMenu& menu, QString settingsPath);

    // Gives the actions the keys the settings file holds.
    void applyStored();
    // The dialog; OK applies and stores the keys. A failed write is shown.
    void runDialog(QWidget* parent);

private:
    std::vector<ShortcutSettings::Binding> current() const;
    void apply(const std::vector<ShortcutSettings::Binding>& bindings);

    MainMenu& menu_;
    QString settingsPath_;
    std::vector<ShortcutSettings::Binding> defaults_;
};

} // namespace quorled
