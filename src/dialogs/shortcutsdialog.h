#pragma once

#include "core/shortcutsettings.h"

#include <QDialog>

#include <utility>
#include <vector>

class QKeySequenceEdit;
class QLabel;
class QTableWidget;

namespace quorled {

// "Keyboard shortcuts": every menu command with its keys, to rebind, clear
// or restore to the defaults, and the view's own keys for reference. A key
// that another command has is named before it is taken from it.
class ShortcutsDialog : public QDialog {
    Q_OBJECT
public:
    using Binding = ShortcutSettings::Binding;
    // `viewKeys`: the view's keys and what they do, shown below the
    // commands; a command cannot take one of them.
    ShortcutsDialog(std::vector<Binding> bindings, std::vector<Binding> defaults,
                    std::vector<std::pair<QString, QString>> viewKeys, QWidget* parent = nullptr);

    const std::vector<Binding>& bindings() const { return bindings_; }

    QTableWidget* table() const { return table_; }
    QKeySequenceEdit* keyEdit() const { return keyEdit_; }
    // Gives the chosen command the key in the key field; `confirm` answers
    // whether to take a key another command has (a message box by default).
    bool setKey(int row, const QString& key);
    void clearKey(int row);
    void restoreDefaults();
    QLabel* message() const { return message_; }

private:
    void showRow(int row);

    std::vector<Binding> bindings_;
    std::vector<Binding> defaults_;
    std::vector<std::pair<QString, QString>> viewKeys_;
    QTableWidget* table_ = nullptr;
    QKeySequenceEdit* keyEdit_ = nullptr;
    QLabel* message_ = nullptr;
};

} // namespace quorled
