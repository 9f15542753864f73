#include "lvinfodialog.h"

#include "core/forms/levelinfo.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorled {

LvInfoDialog::LvInfoDialog(const LevelInfo& info, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("LvInfo"));
    setWindowTitle(tr("Level information"));
    const std::string texts[] = {info.areaName, info.areaNumber, info.objectData,
                                 info.enemyData, info.objects,   info.enemies};
    for (std::size_t i = 0; i < values_.size(); ++i) {
        values_[i] = new QLabel(QString::fromStdString(texts[i]), this);
        values_[i]->setObjectName(QStringLiteral("value%1").arg(i));
        values_[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    QFont bold = values_[0]->font();
    bold.setBold(true);
    values_[0]->setFont(bold);

    auto* number = new QFormLayout;
    number->addRow(tr("Area number :"), values_[1]);

    auto* location = new QGroupBox(tr("ROM Location"), this);
    auto* locationLayout = new QFormLayout(location);
    locationLayout->addRow(tr("Object data :"), values_[2]);
    locationLayout->addRow(tr("Enemy data :"), values_[3]);

    auto* counts = new QGroupBox(tr("Number of objects"), this);
    auto* countsLayout = new QFormLayout(counts);
    countsLayout->addRow(tr("Objects :"), values_[4]);
    countsLayout->addRow(tr("Enemies :"), values_[5]);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OK"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(values_[0]);
    layout->addLayout(number);
    layout->addWidget(location);
    layout->addWidget(counts);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace quorled
