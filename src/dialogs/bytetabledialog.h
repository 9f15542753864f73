#pragma once

#include "core/forms/bytetableform.h"

#include <QDialog>

#include <vector>

class QLabel;
class QPushButton;
class QScrollBar;

namespace quorled {

class EditorCore;

// The byte-table dialogs `ChrEnemy`, `ChrEnemy2`, `ChrEnemy3`, `ChrPwrUp`,
// `TitleC` and `Nlives`: one row per byte with its caption, a bar 0..255,
// the value as the table shows it and, for some rows, a name. `OK` writes
// every row's byte through the editor's image writes; `Cancel` nothing.
class ByteTableDialog : public QDialog {
    Q_OBJECT
public:
    // `form` holds the bytes read from the image when the dialog opens.
    ByteTableDialog(EditorCore& core, ByteTableForm form, QWidget* parent = nullptr);

    QScrollBar* bar(int row) const { return rows_[static_cast<std::size_t>(row)].bar; }
    QLabel* valueLabel(int row) const { return rows_[static_cast<std::size_t>(row)].value; }
    QLabel* nameLabel(int row) const { return rows_[static_cast<std::size_t>(row)].name; }
    QLabel* captionLabel(int row) const { return rows_[static_cast<std::size_t>(row)].caption; }
    QLabel* noteLabel() const { return note_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }
    const ByteTableForm& form() const { return form_; }

private:
    struct Row {
        QLabel* caption = nullptr;
        QScrollBar* bar = nullptr;
        QLabel* value = nullptr;
        QLabel* name = nullptr;
    };
    void barChanged(int row, int value);
    void okClick();

    EditorCore& core_;
    ByteTableForm form_;
    std::vector<Row> rows_;
    QLabel* note_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

} // namespace quorled
