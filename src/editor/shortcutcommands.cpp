#include "shortcutcommands.h"

#include "mainmenu.h"

#include "core/settings/settingsfile.h"
#include "dialogs/shortcutsdialog.h"
#include "platform/keymapping.h"
#include "platform/messages.h"

#include <QAction>

#include <exception>

namespace quorled {

namespace {

QString keysOf(const QAction* action)
{
    return QKeySequence::listToString(action->shortcuts(), QKeySequence::PortableText);
}

} // namespace

ShortcutCommands::ShortcutCommands(MainMenu& menu, QString settingsPath)
    : menu_(menu), settingsPath_(std::move(settingsPath)), viewBindings_(viewKeyDefaults())
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
    bindings.insert(bindings.end(), viewBindings_.begin(), viewBindings_.end());
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
    if (i < bindings.size())
        viewBindings_.assign(bindings.begin() + static_cast<std::ptrdiff_t>(i), bindings.end());
    viewKeys_ = ViewKeyMap(viewBindings_);
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
    ShortcutsDialog dialog(current(), defaults_, parent);
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

std::optional<KeyPress> ShortcutCommands::viewPress(int keyCode, int shift) const
{
    return viewKeys_.translate(keyName(keyCode, shift).toStdString(), KeyPress{keyCode, shift});
}

QStringList ShortcutCommands::viewKeyLines() const
{
    QStringList lines;
    for (const ShortcutSettings::Binding& binding : viewBindings_)
        if (!binding.keys.empty())
            lines << QStringLiteral("%1 : %2").arg(QString::fromStdString(binding.keys), QString::fromStdString(binding.name));
    return lines;
}

} // namespace quorled
