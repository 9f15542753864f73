#pragma once

#include "core/forms/headerform.h"

#include <QDialog>

#include <array>

class QLabel;
class QListWidget;
class QPushButton;
class QScrollBar;

namespace quorled {

class EditorCore;

// The form `Header` ("Edit header"): the scrolling direction, level and
// enemy colours and music in four lists, the level length on a scroll bar
// with its page caption, the twenty other bits as boxes, and previews of
// the two chosen palettes. OK hands the header to the editor core; Cancel
// changes nothing.
class HeaderDialog : public QDialog {
    Q_OBJECT
public:
    explicit HeaderDialog(EditorCore& core, QWidget* parent = nullptr);

    // List1 .. List4.
    QListWidget* list(int number) const { return lists_[static_cast<std::size_t>(number - 1)]; }
    QScrollBar* lengthBar() const { return hscroll1_; }
    QLabel* pageLabel() const { return t0_; }
    // Box i of `check1` edits bit i + 1; null for the bits of the lists.
    QLabel* bitBox(int i) const { return check1_[static_cast<std::size_t>(i)]; }
    // pals(0) level colours, pals(1) enemy colours.
    QLabel* preview(int index) const { return pals_[static_cast<std::size_t>(index)]; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }
    const HeaderForm& form() const { return form_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildFields();
    QWidget* buildBoxes();
    void refl();
    void hscroll1Change();
    void listClick(int number);
    void drawPreview(int index);
    void okClick();

    EditorCore& core_;
    HeaderForm form_;
    std::array<QListWidget*, 4> lists_{};
    QScrollBar* hscroll1_ = nullptr;
    QLabel* t0_ = nullptr;
    std::array<QLabel*, 32> check1_{};
    std::array<QLabel*, 2> pals_{};
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

} // namespace quorled
