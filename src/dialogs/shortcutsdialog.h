#pragma once

#include "core/settings/shortcutsettings.h"

#include <QDialog>

#include <vector>

class QLabel;
class QLineEdit;
class QTableWidget;

namespace quorled {

// "Keyboard shortcuts": every menu command and view key with its keys, to
// rebind, clear or restore to the defaults. A key that another command has
// is named before it is taken from it.
class ShortcutsDialog : public QDialog {
    Q_OBJECT
public:
    using Binding = ShortcutSettings::Binding;
    ShortcutsDialog(std::vector<Binding> bindings, std::vector<Binding> defaults, QWidget* parent = nullptr);

    const std::vector<Binding>& bindings() const { return bindings_; }

    QTableWidget* table() const { return table_; }
    QLineEdit* keyEdit() const { return keyEdit_; }
    // Gives the command of `row` the key (as its only one); a key another
    // command has is taken from it once a message box says yes.
    bool setKey(int row, const QString& key);
    void clearKey(int row);
    void restoreDefaults();
    QLabel* message() const { return message_; }

private:
    void showRow(int row);

    std::vector<Binding> bindings_;
    std::vector<Binding> defaults_;
    QTableWidget* table_ = nullptr;
    QLineEdit* keyEdit_ = nullptr;
    QLabel* message_ = nullptr;
};

} // namespace quorled
