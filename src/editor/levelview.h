#pragma once

#include "core/editing/wheelscroll.h"

#include <QImage>
#include <QWidget>

namespace quorled {

// The level view `lvl`: the 256 x 240 picture shown at a whole zoom factor
// with nearest-neighbour scaling. Pointer positions are reported in picture
// pixels, with the button numbering of the editing rules (1 left, 2 right,
// 4 middle, added for the held buttons of a move).
class LevelView : public QWidget {
    Q_OBJECT
public:
    static constexpr int kPictureWidth = 256;
    static constexpr int kPictureHeight = 240;

    explicit LevelView(QWidget* parent = nullptr);

    void setPicture(const QImage& image);
    const QImage& picture() const { return image_; }
    void setZoom(int zoom);
    int zoom() const { return zoom_; }

    // The picture pixel under a widget position.
    QPointF picturePosition(const QPointF& widgetPosition) const;
    static int buttonCode(Qt::MouseButton button);
    static int buttonState(Qt::MouseButtons buttons);

    QSize sizeHint() const override;

signals:
    void mousePressed(int button, int shift, double x, double y);
    void mouseMoved(int button, int shift, double x, double y);
    void mouseReleased();
    // Whole wheel notches: `down` toward the user, `across` to the right
    // (a sideways wheel, or the wheel with Shift held).
    void wheelScrolled(int down, int across);
    // A type from the Types gallery dragged over the view (picture pixels),
    // dragged out again (or the drag cancelled), and dropped.
    void typeDragged(bool enemy, int type, double x, double y);
    void typeDragLeft();
    void typeDropped(bool enemy, int type, double x, double y);
    // Ctrl+wheel: whole notches away from the user zoom in, at a pixel of
    // the picture.
    void zoomWheeled(int notches, double x, double y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QImage image_;
    int zoom_ = 2;
    WheelScroll downWheel_;
    WheelScroll acrossWheel_;
    WheelScroll zoomWheel_;
};

} // namespace quorled
