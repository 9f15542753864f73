#include "bitbox.h"

#include <QMouseEvent>
#include <QPainter>

namespace quorled {

BitBox::BitBox(int index, QWidget* parent) : QWidget(parent), index_(index)
{
    setObjectName(QStringLiteral("check1_%1").arg(index));
    setFixedSize(kSize, kSize);
    setCursor(Qt::PointingHandCursor);
    setToolTip(tr("Header bit %1 (byte %2, bit %3)").arg(index + 1).arg(index / 8 + 1).arg(7 - index % 8));
}

void BitBox::setColour(const QColor& colour)
{
    if (colour == colour_)
        return;
    colour_ = colour;
    update();
}

void BitBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), colour_);
    painter.setPen(colour_.darker(160));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void BitBox::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    emit pressed(index_);
}

void BitBox::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    const bool inside = rect().contains(event->position().toPoint());
    emit released(index_, inside && event->button() == Qt::LeftButton);
}

} // namespace quorled
