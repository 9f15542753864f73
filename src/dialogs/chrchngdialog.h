#pragma once

#include "core/forms/characterform.h"
#include "core/forms/pickuppreview.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QImage>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QTimer;

namespace quorled {

class EditorCore;

// The form `ChrChng` ("Edit character properties"): the four character
// buttons, six pick-up time boxes, sixteen bars with their value labels and
// the looping pick-up preview. Edits stay in the form until `OK` writes the
// whole table through the editor's image writes; `Cancel` writes nothing.
class ChrChngDialog : public QDialog {
    Q_OBJECT
public:
    // `sprites` is the character picture: one 40-pixel row per button, the
    // nine pick-up frames 16 pixels wide from x = 48.
    ChrChngDialog(EditorCore& core, CharacterForm form, const QImage& sprites, QWidget* parent = nullptr);

    QPushButton* characterButton(int i) const { return buttons_[static_cast<std::size_t>(i)]; }
    QLineEdit* pickupBox(int i) const { return pickups_[static_cast<std::size_t>(i)]; }
    QScrollBar* bar(int j) const { return bars_[static_cast<std::size_t>(j)]; }
    QLabel* valueLabel(int j) const { return values_[static_cast<std::size_t>(j)]; }
    QLabel* preview() const { return preview_; }
    QPushButton* okButton() const { return ok_; }
    const CharacterForm& form() const { return form_; }
    const PickupPreview& animation() const { return animation_; }

private:
    QWidget* buildControls();
    QWidget* barCell(int j);
    void chooseCharacter(int button);
    void showCharacter();
    void barChanged(int j, int value);
    void pickupEdited(int i);
    void pickupFinished(int i);
    void timerTick();
    void drawPreview();
    std::array<int, 6> pickupTimes() const;
    void okClick();

    EditorCore& core_;
    CharacterForm form_;
    QImage sprites_;
    PickupPreview animation_;
    QElapsedTimer clock_;
    bool filling_ = false;
    std::array<QPushButton*, 4> buttons_{};
    std::array<QLineEdit*, 6> pickups_{};
    std::array<QScrollBar*, 16> bars_{};
    std::array<QLabel*, 16> values_{};
    QLabel* preview_ = nullptr;
    QTimer* timer_ = nullptr;
    QPushButton* ok_ = nullptr;
};

} // namespace quorled
