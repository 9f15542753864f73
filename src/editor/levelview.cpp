#include "levelview.h"

#include "typedrop.h"

#include "platform/keymapping.h"

#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace quorled {

LevelView::LevelView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("lvl"));
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::CrossCursor);
    setAcceptDrops(true);
    image_ = QImage(kPictureWidth, kPictureHeight, QImage::Format_RGB32);
    image_.fill(Qt::black);
    setZoom(2);
}

void LevelView::setPicture(const QImage& image)
{
    image_ = image;
    update();
}

void LevelView::setZoom(int zoom)
{
    zoom_ = std::clamp(zoom, 1, 4);
    setFixedSize(kPictureWidth * zoom_, kPictureHeight * zoom_);
    updateGeometry();
    update();
}

QSize LevelView::sizeHint() const
{
    return {kPictureWidth * zoom_, kPictureHeight * zoom_};
}

QPointF LevelView::picturePosition(const QPointF& widgetPosition) const
{
    // The pixel under the pointer, so that rounding in the editing rules
    // never carries a position into the next tile.
    return {std::floor(widgetPosition.x() / zoom_), std::floor(widgetPosition.y() / zoom_)};
}

int LevelView::buttonCode(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
    }
}

int LevelView::buttonState(Qt::MouseButtons buttons)
{
    int state = 0;
    if (buttons & Qt::LeftButton)
        state |= 1;
    if (buttons & Qt::RightButton)
        state |= 2;
    if (buttons & Qt::MiddleButton)
        state |= 4;
    return state;
}

void LevelView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // The window hands over the picture already scaled to the zoom, so the
    // common case is a plain copy; anything else is scaled without smoothing.
    if (image_.size() == size()) {
        painter.drawImage(0, 0, image_);
        return;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(rect(), image_);
}

void LevelView::mousePressEvent(QMouseEvent* event)
{
    setFocus(Qt::MouseFocusReason);
    const QPointF p = picturePosition(event->position());
    emit mousePressed(buttonCode(event->button()), modifierState(event->modifiers()), p.x(), p.y());
}

void LevelView::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF p = picturePosition(event->position());
    emit mouseMoved(buttonState(event->buttons()), modifierState(event->modifiers()), p.x(), p.y());
}

void LevelView::mouseReleaseEvent(QMouseEvent* /*event*/) { emit mouseReleased(); }

void LevelView::wheelEvent(QWheelEvent* event)
{
    QPoint angle = event->angleDelta();
    if (event->modifiers() & Qt::ControlModifier) {
        event->accept();
        const int notches = -zoomWheel_.notches(angle.y());
        const QPointF p = picturePosition(event->position());
        // Away from the user zooms in.
        if (notches != 0)
            emit zoomWheeled(-notches, p.x(), p.y());
        return;
    }
    if ((event->modifiers() & Qt::ShiftModifier) && angle.x() == 0)
        angle = QPoint(angle.y(), 0); // Shift turns the wheel sideways
    // Turning away from the user, or to the left, scrolls back.
    const int down = -downWheel_.notches(angle.y());
    const int across = -acrossWheel_.notches(angle.x());
    event->accept();
    if (down != 0 || across != 0)
        emit wheelScrolled(down, across);
}

namespace {

std::optional<TypeDrop> typeDropOf(const QMimeData* data)
{
    if (!data || !data->hasFormat(QString::fromLatin1(typeDropMimeType())))
        return std::nullopt;
    return decodeTypeDrop(data->data(QString::fromLatin1(typeDropMimeType())));
}

} // namespace

void LevelView::dragEnterEvent(QDragEnterEvent* event)
{
    if (typeDropOf(event->mimeData()))
        event->acceptProposedAction();
}

void LevelView::dragMoveEvent(QDragMoveEvent* event)
{
    const auto drop = typeDropOf(event->mimeData());
    if (!drop)
        return;
    event->acceptProposedAction();
    const QPointF p = picturePosition(event->position());
    emit typeDragged(drop->enemy, drop->type, p.x(), p.y());
}

void LevelView::dragLeaveEvent(QDragLeaveEvent* /*event*/) { emit typeDragLeft(); }

void LevelView::dropEvent(QDropEvent* event)
{
    const auto drop = typeDropOf(event->mimeData());
    if (!drop)
        return;
    event->acceptProposedAction();
    const QPointF p = picturePosition(event->position());
    emit typeDropped(drop->enemy, drop->type, p.x(), p.y());
}

} // namespace quorled
