#pragma once

#include "core/forms/paletteeditor.h"

#include <QDialog>
#include <QString>

#include <array>
#include <optional>

class QLabel;
class QListWidget;
class QPushButton;
class QScrollBar;

namespace quorled {

class EditorCore;

// The form `ChngPal` ("Edit level colors"): the master palette with the
// picked colour outlined, the level and enemy previews of the chosen world
// and palettes, the world bar and the palette lists. A press on a preview
// paints the picked colour into a working copy of the tables; OK writes the
// whole palette table through the image write guard and the view takes
// the colours read back from the file; Cancel reads the table again.
class ChngPalDialog : public QDialog {
    Q_OBJECT
public:
    explicit ChngPalDialog(EditorCore& core, QWidget* parent = nullptr);

    // Why the dialog can't open for the core's image (a file too short for
    // the palette table); none when it can.
    static std::optional<QString> refusal(const EditorCore& core);

    // pals(0) level colours, pals(1) enemy colours, pals(2) master palette.
    QLabel* picture(int index) const { return pals_[static_cast<std::size_t>(index)]; }
    QScrollBar* worldBar() const { return hscroll1_; }
    QLabel* worldLabel() const { return t0_; }
    QListWidget* levelList() const { return list2_; }
    QListWidget* enemyList() const { return list3_; }
    QLabel* sharedNote() const { return note_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }
    const PaletteEditor& editor() const { return editor_; }

    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* makePicture(int index, int width, int height);
    void scs();
    void hscroll1Change();
    void list2Click();
    void list3Click();
    void drawPreview(int index);
    void okClick();

    EditorCore& core_;
    PaletteEditor editor_;
    std::array<QLabel*, 3> pals_{};
    QScrollBar* hscroll1_ = nullptr;
    QLabel* t0_ = nullptr;
    QListWidget* list2_ = nullptr;
    QListWidget* list3_ = nullptr;
    QLabel* note_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

} // namespace quorled
