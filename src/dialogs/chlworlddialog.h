#pragma once

#include "core/forms/worldbounds.h"

#include <QDialog>
#include <QString>

#include <array>
#include <optional>

class QLabel;
class QPushButton;

namespace quorled {

class EditorCore;

// The form `ChLWorld` ("Change number of levels in worlds"): one row of 21
// level-slot squares per world between a "Start :" and an "End :" row, and
// the eighteen "<" / ">" buttons that move a world boundary by one slot.
// OK writes the eight bytes of the levels-per-world table at the image
// kind's own offset through the image write guard, then the view takes the
// new worlds; Cancel writes nothing.
class ChLWorldDialog : public QDialog {
    Q_OBJECT
public:
    explicit ChLWorldDialog(EditorCore& core, QWidget* parent = nullptr);

    // Why the dialog can't open for the core's image; none when it can.
    static std::optional<QString> refusal(const EditorCore& core);

    QLabel* square(int i) const { return sh_[static_cast<std::size_t>(i)]; }
    QPushButton* arrow(int i) const { return l_[static_cast<std::size_t>(i)]; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }
    const WorldBounds& bounds() const { return bounds_; }

private:
    QPushButton* makeArrow(int index);
    QLabel* makeSquare(int index);
    void raf();
    void okClick();

    EditorCore& core_;
    WorldBounds bounds_;
    std::array<QLabel*, WorldBounds::kSquares> sh_{};
    std::array<QPushButton*, WorldBounds::kButtons> l_{};
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

} // namespace quorled
