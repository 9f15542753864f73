#pragma once

#include <QDialog>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace quorled {

class EditorCore;

// The form `Adds` ("Add objects"): a normal object or a special object of
// kind 0..6 at the typed X, Y and layer Z. "Add object " adds one and the
// dialog stays open; "Done" closes it. The rules live in the editor core.
class AddsDialog : public QDialog {
    Q_OBJECT
public:
    explicit AddsDialog(EditorCore& core, QWidget* parent = nullptr);

    QRadioButton* normalOption() const { return opt1_; }
    QRadioButton* specialOption(int kind) const { return sopt_[static_cast<std::size_t>(kind)]; }
    // Text1(0..3): X, Y, Z and the object type.
    QLineEdit* text(int index) const { return text1_[static_cast<std::size_t>(index)]; }
    QLabel* freeSpaceLabel() const { return t16_; }
    QPushButton* addButton() const { return addObject_; }
    QPushButton* doneButton() const { return ok_; }

private:
    void addObjectClick();
    void showFreeSpace();

    EditorCore& core_;
    QRadioButton* opt1_;
    std::array<QRadioButton*, 7> sopt_{};
    std::array<QLineEdit*, 4> text1_{};
    QLabel* t16_;
    QPushButton* addObject_;
    QPushButton* ok_;
};

} // namespace quorled
