#include "headerpanel.h"

#include "bitbox.h"
#include "view/readouts.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace quorled {

namespace {

struct BitGroup {
    int firstBit; // 1..32
    int width;
    const char* caption;
};

// The fields of the header, in bit order; unnamed groups show "???".
constexpr BitGroup kGroups[] = {
    {1, 1, QT_TRANSLATE_NOOP("quorled::HeaderPanel", "Horizontal scrolling")},
    {2, 1, "???"},
    {3, 3, QT_TRANSLATE_NOOP("quorled::HeaderPanel", "Level colors")},
    {6, 1, "???"},
    {7, 2, QT_TRANSLATE_NOOP("quorled::HeaderPanel", "Enemy colors")},
    {9, 3, "???"},
    {12, 5, QT_TRANSLATE_NOOP("quorled::HeaderPanel", "Ground (bottom and top)")},
    {17, 4, QT_TRANSLATE_NOOP("quorled::HeaderPanel", "Level length")},
    {21, 4, QT_TRANSLATE_NOOP("quorled::HeaderPanel", "Object type")},
    {25, 2, "???"},
    {27, 3, QT_TRANSLATE_NOOP("quorled::HeaderPanel", "Type of ground")},
    {30, 1, "???"},
    {31, 2, QT_TRANSLATE_NOOP("quorled::HeaderPanel", "Music")},
};

QColor fromRgb(std::uint32_t rgb)
{
    return QColor::fromRgb(static_cast<QRgb>(rgb & 0x00FFFFFFu));
}

QString bitRange(const BitGroup& group)
{
    if (group.width == 1)
        return QString::number(group.firstBit);
    return QStringLiteral("%1\u2013%2").arg(group.firstBit).arg(group.firstBit + group.width - 1);
}

} // namespace

HeaderPanel::HeaderPanel(QWidget* parent)
    : QGroupBox(tr("Header"), parent), bits_(new QLabel(this))
{
    setObjectName(QStringLiteral("Hdr"));
    colours_.fill(0xFFE0C0);

    // Header bytes 1 and 2 in the left column, 3 and 4 in the right one.
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);
    int rows[2] = {0, 0};
    for (const BitGroup& group : kGroups) {
        const int side = group.firstBit <= 16 ? 0 : 1;
        const int row = rows[side]++;

        auto* boxRow = new QHBoxLayout;
        boxRow->setSpacing(2);
        for (int k = group.firstBit; k < group.firstBit + group.width; ++k) {
            auto* box = new BitBox(k - 1, this);
            connect(box, &BitBox::pressed, this, &HeaderPanel::boxPressed);
            connect(box, &BitBox::released, this, &HeaderPanel::boxReleased);
            boxes_[static_cast<std::size_t>(k - 1)] = box;
            boxRow->addWidget(box);
        }
        boxRow->addStretch(1);
        grid->addLayout(boxRow, row, 3 * side);

        auto* caption = new QLabel(tr(group.caption), this);
        caption->setObjectName(QStringLiteral("caption%1").arg(group.firstBit));
        caption->setToolTip(tr("Header bits %1").arg(bitRange(group)));
        grid->addWidget(caption, row, 3 * side + 1);
    }
    // Room for five boxes in each box column, and a gap between the halves.
    grid->setColumnMinimumWidth(0, 5 * BitBox::kSize + 4 * 2);
    grid->setColumnMinimumWidth(3, 5 * BitBox::kSize + 4 * 2);
    grid->setColumnMinimumWidth(2, 12);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(4, 1);

    bits_->setObjectName(QStringLiteral("Bits"));
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSizeF(fixed.pointSizeF() * 0.9);
    bits_->setFont(fixed);
    bits_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    bits_->setAlignment(Qt::AlignCenter);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 10);
    layout->addLayout(grid);
    layout->addSpacing(8);
    layout->addWidget(bits_);
    repaintBoxes();
}

void HeaderPanel::showBits(const HeaderBitsDisplay& display)
{
    colours_ = display.boxColours;
    bits_->setText(QString::fromStdString(display.text));
    repaintBoxes();
}

void HeaderPanel::repaintBoxes()
{
    for (std::size_t i = 0; i < boxes_.size(); ++i)
        boxes_[i]->setColour(fromRgb(colours_[i]));
}

void HeaderPanel::boxPressed(int index)
{
    boxes_[static_cast<std::size_t>(index)]->setColour(fromRgb(pressedColour_));
}

void HeaderPanel::boxReleased(int index, bool clicked)
{
    repaintBoxes();
    if (clicked)
        emit bitClicked(index);
}

} // namespace quorled
