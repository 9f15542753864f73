#include "fspacedialog.h"

#include <QDialogButtonBox>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorled {

namespace {

QColor fromBgr(std::uint32_t colour)
{
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

} // namespace

FreeSpaceBar::FreeSpaceBar(std::vector<BarShape> shapes, QWidget* parent) : QWidget(parent), shapes_(std::move(shapes))
{
    setObjectName(QStringLiteral("bar"));
    // The picture's size is part of it: 301 x 25 pixels hold every shape.
    setFixedSize(301, 25);
}

QImage FreeSpaceBar::picture() const
{
    QImage image(size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (const BarShape& shape : shapes_) {
        // Both corners belong to the shape; the scale's lines are vertical,
        // so a line is a box one pixel wide.
        const QRect box(QPoint(shape.x1, shape.y1), QPoint(shape.x2, shape.y2));
        painter.fillRect(box.normalized(), fromBgr(shape.colour));
    }
    return image;
}

void FreeSpaceBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, picture());
}

FSpaceDialog::FSpaceDialog(const FreeSpaceView& view, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FSpace"));
    setWindowTitle(tr("Total free space"));
    auto* caption = new QLabel(tr("Unused space for level and enemy data :"), this);
    value_ = new QLabel(QString::fromStdString(view.text), this);
    value_->setObjectName(QStringLiteral("value"));
    bar_ = new FreeSpaceBar(view.shapes, this);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OK"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(value_);
    layout->addWidget(bar_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace quorled
