#pragma once

#include "core/workbench/areaslices.h"
#include "core/workbench/problemrules.h"

#include <QDockWidget>

#include <set>
#include <vector>

class QLabel;
class QTimer;
class QTreeView;

namespace quorled {

class GameAreaSource;

// "Problems": what is probably wrong in the image, each with its severity,
// area, item and a sentence. It checks again the area that changed (and
// the game-wide tables) shortly after the source changes, once for a burst
// of changes; a click asks to show the item. A hidden dock checks nothing
// until it is shown.
class ProblemsDock : public QDockWidget {
    Q_OBJECT
public:
    ProblemsDock(GameAreaSource& source, QWidget* parent = nullptr);
    ~ProblemsDock() override;

    // One row a problem, in the order of problems().
    QTreeView* list() const { return list_; }
    const std::vector<Problem>& problems() const { return shown_; }
    // How many times the list was checked again since the dock was made.
    int refreshes() const { return refreshes_; }
    // Whether areas are still being checked: a check runs a slice of time
    // at a time, and the list shows its result when every area is checked.
    bool checking() const { return !slices_.empty(); }
    // The time a slice may take (40 ms unless set); each checks one area at
    // least.
    void setSliceMs(int ms) { slices_.setBudget(AreaSlices::Budget(ms)); }

    // The most a change waits before the list shows it, in milliseconds.
    static constexpr int kRefreshDelayMs = 40;

signals:
    void problemChosen(int area, ProblemItem item, int index);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void sourceChanged(int area);
    void refresh();
    // Checks a slice of the areas left; the list when none is left.
    void checkSlice();
    void fill();

    GameAreaSource& source_;
    int listener_ = 0;
    std::vector<std::vector<Problem>> byArea_;
    std::vector<Problem> tables_;
    std::vector<Problem> shown_;
    // The areas changed since the last refresh; all of them after a -1.
    std::set<int> pendingAreas_;
    bool pendingAll_ = false;
    QTimer* refreshTimer_ = nullptr;
    AreaSlices slices_; // the areas left to check
    QTimer* sliceTimer_ = nullptr;
    int refreshes_ = 0;
    QTreeView* list_ = nullptr;
    class Rows;
    Rows* rows_ = nullptr;
    QLabel* summary_ = nullptr;
};

} // namespace quorled
