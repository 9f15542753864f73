#pragma once

#include "core/workbench/areasearch.h"

#include <QDialog>

#include <vector>

class QLabel;
class QLineEdit;
class QTreeWidget;

namespace quorled {

class GameAreaSource;

// "Find": objects and enemies of every area by a piece of their name or by
// type number ("enemy 01", "object 1A"). The list fills as the user types;
// a double-click asks to open the area with the item selected.
class FindDialog : public QDialog {
    Q_OBJECT
public:
    FindDialog(GameAreaSource& source, QWidget* parent = nullptr);
    ~FindDialog() override;

    // At most this many matches are listed (5000 unless set); the summary
    // counts them all.
    void setListLimit(std::size_t limit) { listLimit_ = limit; }

    QLineEdit* query() const { return query_; }
    QTreeWidget* results() const { return results_; }
    const std::vector<SearchHit>& hits() const { return hits_; }

signals:
    void itemChosen(int area, ProblemItem item, int index);

private:
    void search();

    GameAreaSource& source_;
    int listener_ = 0;
    std::vector<SearchHit> hits_;
    std::size_t listLimit_ = 5000;
    QLineEdit* query_ = nullptr;
    QTreeWidget* results_ = nullptr;
    QLabel* summary_ = nullptr;
};

} // namespace quorled
