#pragma once

#include "core/problemrules.h"

#include <QDockWidget>

#include <vector>

class QLabel;
class QTreeWidget;

namespace quorled {

class GameAreaSource;

// "Problems": what is probably wrong in the image, each with its severity,
// area, item and a sentence. It checks again the area that changed (and
// the game-wide tables) at every change of the source; a click asks to
// show the item.
class ProblemsDock : public QDockWidget {
    Q_OBJECT
public:
    ProblemsDock(GameAreaSource& source, QWidget* parent = nullptr);
    ~ProblemsDock() override;

    QTreeWidget* list() const { return list_; }
    const std::vector<Problem>& problems() const { return shown_; }

signals:
    void problemChosen(int area, ProblemItem item, int index);

private:
    void sourceChanged(int area);
    void fill();

    GameAreaSource& source_;
    int listener_ = 0;
    std::vector<std::vector<Problem>> byArea_;
    std::vector<Problem> tables_;
    std::vector<Problem> shown_;
    QTreeWidget* list_ = nullptr;
    QLabel* summary_ = nullptr;
};

} // namespace quorled
