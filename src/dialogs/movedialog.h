#pragma once

#include "romdata/datamove.h"

#include <QDialog>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace quorled {

class SpaceTools;

// The forms `Move1` ("Move level data") and `Move2` ("Move enemy data"):
// the target address `Text1`, the option buttons `pOpt` (option 1 on when
// the dialog opens), the current location and the block's size. `OK`
// hands the move to the space tools; a refusal shows its warning and
// the dialog stays open. `Cancel` closes it without any change.
class MoveDialog : public QDialog {
    Q_OBJECT
public:
    MoveDialog(SpaceTools& tools, MoveData what, QWidget* parent = nullptr);

    QLineEdit* addressBox() const { return text1_; }
    QRadioButton* option(int index) const { return options_[static_cast<std::size_t>(index)]; }
    QLabel* locationLabel() const { return location_; }
    QLabel* sizeLabel() const { return size_; }
    QPushButton* okButton() const { return ok_; }

private:
    void okClicked();

    SpaceTools& tools_;
    MoveData what_;
    QLineEdit* text1_;
    std::array<QRadioButton*, 3> options_{};
    QLabel* location_;
    QLabel* size_;
    QPushButton* ok_;
};

// `Move1`: the current area's level data.
class Move1Dialog : public MoveDialog {
    Q_OBJECT
public:
    explicit Move1Dialog(SpaceTools& tools, QWidget* parent = nullptr) : MoveDialog(tools, MoveData::Level, parent) {}
};

// `Move2`: the current area's enemy data.
class Move2Dialog : public MoveDialog {
    Q_OBJECT
public:
    explicit Move2Dialog(SpaceTools& tools, QWidget* parent = nullptr) : MoveDialog(tools, MoveData::Enemy, parent) {}
};

} // namespace quorled
