#include "readoutpanel.h"

#include "elidedlabel.h"

#include "view/readouts.h"

#include <QFontDatabase>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace quorled {

namespace {

QLabel* readoutLabel(const QString& design, const QString& name, bool fixedPitch, QWidget* parent)
{
    auto* label = new QLabel(design, parent);
    label->setObjectName(name);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    if (fixedPitch)
        label->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    return label;
}

// The name read-out: a long name is cut, so it never widens the panel.
QLabel* nameLabel(const QString& design, const QString& name, QWidget* parent)
{
    auto* label = new ElidedLabel(18, parent);
    label->setText(design);
    label->setObjectName(name);
    return label;
}

} // namespace

ReadoutPanel::ReadoutPanel(QWidget* parent) : QWidget(parent)
{
    // Design captions of the read-out labels, shown until an area is loaded.
    objectLabels_ = {readoutLabel(tr("Object #000"), QStringLiteral("t0"), true, this),
                     readoutLabel(tr("X: 000     Y:00"), QStringLiteral("t1"), true, this),
                     readoutLabel(tr("Object type: 00"), QStringLiteral("t2"), true, this),
                     nameLabel(tr("Nothing"), QStringLiteral("t3"), this)};
    enemyLabels_ = {readoutLabel(tr("Enemy #000"), QStringLiteral("t20"), true, this),
                    readoutLabel(tr("X: 000     Y:00"), QStringLiteral("t19"), true, this),
                    readoutLabel(tr("Enemy type: 00"), QStringLiteral("t18"), true, this),
                    nameLabel(tr("Nothing"), QStringLiteral("t17"), this)};

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(10);
    layout->addWidget(makeCard(0, tr("Object"), objectLabels_), 1);
    layout->addWidget(makeCard(1, tr("Enemy"), enemyLabels_), 1);
    setEditMode(0);
}

QWidget* ReadoutPanel::makeCard(int index, const QString& title, const std::array<QLabel*, 4>& labels)
{
    auto* card = new QFrame(this);
    card->setObjectName(QStringLiteral("readoutCard%1").arg(index));
    card->setFrameShape(QFrame::StyledPanel);
    cards_[static_cast<std::size_t>(index)] = card;

    // The marker: an accent bar down the card's left edge.
    auto* marker = new QFrame(card);
    marker->setObjectName(QStringLiteral("bg%1").arg(index));
    marker->setFixedWidth(4);
    marker->setAutoFillBackground(true);
    QPalette accent = marker->palette();
    accent.setColor(QPalette::Window, accent.color(QPalette::Highlight));
    marker->setPalette(accent);
    markers_[static_cast<std::size_t>(index)] = marker;

    auto* heading = new QLabel(title, card);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);

    auto* text = new QVBoxLayout;
    text->setSpacing(2);
    text->addWidget(heading);
    for (QLabel* label : labels) {
        label->setParent(card);
        text->addWidget(label);
    }
    labels[3]->setMinimumHeight(labels[3]->fontMetrics().lineSpacing() * 2);
    labels[3]->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* row = new QHBoxLayout(card);
    row->setContentsMargins(0, 0, 8, 0);
    row->setSpacing(8);
    row->addWidget(marker);
    auto* inner = new QVBoxLayout;
    inner->setContentsMargins(0, 6, 0, 6);
    inner->addLayout(text);
    row->addLayout(inner, 1);
    return card;
}

void ReadoutPanel::setTexts(const ReadoutTexts& texts)
{
    objectLabels_[0]->setText(QString::fromStdString(texts.objectNumber));
    objectLabels_[1]->setText(QString::fromStdString(texts.objectPosition));
    objectLabels_[2]->setText(QString::fromStdString(texts.objectType));
    objectLabels_[3]->setText(QString::fromStdString(texts.objectName));
    enemyLabels_[0]->setText(QString::fromStdString(texts.enemyNumber));
    enemyLabels_[1]->setText(QString::fromStdString(texts.enemyPosition));
    enemyLabels_[2]->setText(QString::fromStdString(texts.enemyType));
    enemyLabels_[3]->setText(QString::fromStdString(texts.enemyName));
}

void ReadoutPanel::setEditMode(int editMode)
{
    markers_[0]->setVisible(editMode == 0);
    markers_[1]->setVisible(editMode == 1);
    // Keep the text from shifting when the marker disappears.
    for (std::size_t i = 0; i < 2; ++i) {
        auto* row = static_cast<QHBoxLayout*>(cards_[i]->layout());
        row->setContentsMargins(markers_[i]->isVisibleTo(cards_[i]) ? 0 : 12, 0, 8, 0);
    }
}

QLabel* ReadoutPanel::label(int index) const
{
    if (index >= 0 && index <= 3)
        return objectLabels_[static_cast<std::size_t>(index)];
    if (index >= 17 && index <= 20)
        return enemyLabels_[static_cast<std::size_t>(20 - index)];
    return nullptr;
}

} // namespace quorled
