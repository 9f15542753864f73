#pragma once

#include "core/forms/freespaceview.h"

#include <QDialog>
#include <QWidget>

class QLabel;

namespace quorled {

// The bar of the "Total free space" dialog: the shapes drawn one by one on
// a white picture, one pixel per unit.
class FreeSpaceBar : public QWidget {
    Q_OBJECT
public:
    explicit FreeSpaceBar(std::vector<BarShape> shapes, QWidget* parent = nullptr);
    // The picture as drawn, for checks.
    QImage picture() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<BarShape> shapes_;
};

// The form `FSpace` ("Total free space"): the caption label, the value
// label and the bar. `OK` closes it.
class FSpaceDialog : public QDialog {
    Q_OBJECT
public:
    explicit FSpaceDialog(const FreeSpaceView& view, QWidget* parent = nullptr);

    QLabel* valueLabel() const { return value_; }
    FreeSpaceBar* bar() const { return bar_; }

private:
    QLabel* value_;
    FreeSpaceBar* bar_;
};

} // namespace quorled
