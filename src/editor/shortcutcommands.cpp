#include "shortcutcommands.h"

#include "mainmenu.h"

#include "core/editorcore.h"
#include "core/settingsfile.h"
#include "dialogs/shortcutsdialog.h"
#include "platform/messages.h"

#include <QAction>

#include <exception>

namespace quorled {

namespace {

QString keysOf(const QAction* action)
{
    return QKeySequence::listToString(action->shortcuts(), QKeySequence::PortableText);
}

// The keys of the level view, for reference in the dialog.
std::vector<std::pair<QString, QString>> viewKeys()
{
    std::vector<std::pair<QString, QString>> keys;
    for (const std::string& line : EditorCore::keyHelp()) {
        const std::size_t colon = line.find(" : ");
        if (colon != std::string::npos)
            keys.emplace_back(QString::fromStdString(line.substr(0, colon)),
                              QString::fromStdString(line.substr(colon + 3)));
    }
    return keys;
}

} // namespace

ShortcutCommands::ShortcutCommands(MainMenu& menu, QString settingsPath)
    : menu_(menu), settingsPath_(std::move(settingsPath))
{
    defaults_ = current();
}

std::vector<ShortcutSettings::Binding> ShortcutCommands::current() const
{
    std::vector<ShortcutSettings::Binding> bindings;
    for (const auto& [command, action] : menu_.actions()) {
        const std::string name = ShortcutSettings::commandName(
            action->property("shortcutName").isValid() ? action->property("shortcutName").toString().toStdString()
                                                      : action->text().toStdString());
        bindings.push_back({name, keysOf(action).toStdString()});
    }
    return bindings;
}

void ShortcutCommands::apply(const std::vector<ShortcutSettings::Binding>& bindings)
{
    std::size_t i = 0;
    for (const auto& [command, action] : menu_.actions()) {
        if (i < bindings.size())
            action->setShortcuts(QKeySequence::listFromString(QString::fromStdString(bindings[i].keys),
                                                              QKeySequence::PortableText));
        ++i;
    }
}

void ShortcutCommands::applyStored()
{
    try {
        apply(ShortcutSettings::read(SettingsFile::load(settingsPath_.toStdString()), defaults_));
    } catch (const std::exception&) {
        // An unreadable settings file leaves the default keys; its fault
        // is reported where the settings are read.
    }
}

void ShortcutCommands::runDialog(QWidget* parent)
{
    ShortcutsDialog dialog(current(), defaults_, viewKeys(), parent);
    if (dialog.exec() != QDialog::Accepted)
        return;
    apply(dialog.bindings());
    try {
        SettingsFile file = SettingsFile::load(settingsPath_.toStdString());
        ShortcutSettings::write(file, dialog.bindings(), defaults_);
        file.save(settingsPath_.toStdString());
    } catch (const std::exception& error) {
        showMessage(parent, QObject::tr("The keys are in use but could not be kept: %1").arg(QString::fromUtf8(error.what())),
                    QObject::tr("Keyboard shortcuts"), MessageIcon::Warning);
    }
}

} // namespace quorled
