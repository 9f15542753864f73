#pragma once

#include <QWidget>

#include <array>

class QFrame;
class QLabel;

namespace quorled {

struct ReadoutTexts;

// The read-outs of the selected object (`t`(0..3)) and enemy (`t`(20..17)),
// each in a card with its marker frame `bg`(0) / `bg`(1). Exactly the marker
// of the current edit mode is visible.
class ReadoutPanel : public QWidget {
    Q_OBJECT
public:
    explicit ReadoutPanel(QWidget* parent = nullptr);

    void setTexts(const ReadoutTexts& texts);
    void setEditMode(int editMode);

    QFrame* marker(int index) const { return markers_[static_cast<std::size_t>(index)]; }
    // Labels by their index in `t`: 0..3 the object, 17..20 the enemy.
    QLabel* label(int index) const;

private:
    QWidget* makeCard(int index, const QString& title, const std::array<QLabel*, 4>& labels);

    std::array<QFrame*, 2> markers_{};
    std::array<QFrame*, 2> cards_{};
    std::array<QLabel*, 4> objectLabels_{};
    std::array<QLabel*, 4> enemyLabels_{};
};

} // namespace quorled
