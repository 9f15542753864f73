#pragma once

#include <QColor>
#include <QWidget>

namespace quorled {

// One 16 x 16 header bit box `check1`(i): shows its bit by its colour.
class BitBox : public QWidget {
    Q_OBJECT
public:
    static constexpr int kSize = 16;

    BitBox(int index, QWidget* parent = nullptr);

    int index() const { return index_; }
    void setColour(const QColor& colour);
    QColor colour() const { return colour_; }

signals:
    void pressed(int index);
    // `clicked` is true for a release of the left button over the box.
    void released(int index, bool clicked);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int index_;
    QColor colour_{Qt::white};
};

} // namespace quorled
