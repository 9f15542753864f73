#include "addsdialog.h"

#include "core/session/editorcore.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quorled {

AddsDialog::AddsDialog(EditorCore& core, QWidget* parent)
    : QDialog(parent), core_(core), opt1_(new QRadioButton(tr("Normal object (2 bytes)"), this)),
      t16_(new QLabel(this)), addObject_(new QPushButton(tr("Add object "), this)),
      ok_(new QPushButton(tr("Done"), this))
{
    setObjectName(QStringLiteral("Adds"));
    setWindowTitle(tr("Add objects"));

    auto* options = new QButtonGroup(this);
    opt1_->setObjectName(QStringLiteral("Opt1"));
    opt1_->setChecked(true);
    options->addButton(opt1_);

    for (std::size_t i = 0; i < text1_.size(); ++i) {
        text1_[i] = new QLineEdit(this);
        text1_[i]->setObjectName(QStringLiteral("Text1_%1").arg(i));
        text1_[i]->setMaximumWidth(80);
    }

    // The normal object and its type.
    auto* category = new QGroupBox(tr("Object category :"), this);
    auto* categoryLayout = new QVBoxLayout(category);
    categoryLayout->addWidget(opt1_);
    auto* typeRow = new QHBoxLayout;
    typeRow->addSpacing(20);
    typeRow->addWidget(new QLabel(tr("Object type :"), category));
    typeRow->addWidget(text1_[3]);
    typeRow->addStretch(1);
    categoryLayout->addLayout(typeRow);

    const QString specialCaptions[] = {
        tr("Type 0 (2 bytes) (\"ground setting\" object)"),
        tr("Type 1 (2 bytes) (\"ground setting\" object)"),
        tr("Type 2 (1 byte) (\"skip one page\" object)"),
        tr("Type 3 (1 byte) (\"skip two pages\" object)"),
        tr("Type 4 (1 byte) (\"put next objects at start\" object)"),
        tr("Type 5 (3 bytes) (\"pointer\" object)"),
        tr("Type 6 (2 bytes) (\"ground type\" object)"),
    };
    auto* special = new QGroupBox(tr("Special object"), this);
    auto* specialLayout = new QVBoxLayout(special);
    for (std::size_t k = 0; k < sopt_.size(); ++k) {
        sopt_[k] = new QRadioButton(specialCaptions[k], special);
        sopt_[k]->setObjectName(QStringLiteral("sopt_%1").arg(k));
        options->addButton(sopt_[k]);
        specialLayout->addWidget(sopt_[k]);
    }

    auto* position = new QFormLayout;
    position->addRow(tr("X :"), text1_[0]);
    position->addRow(tr("Y :"), text1_[1]);
    auto* zRow = new QHBoxLayout;
    zRow->addWidget(text1_[2]);
    zRow->addWidget(new QLabel(tr("(object \"layer\", used for Type 4 special objects)"), this));
    zRow->addStretch(1);
    position->addRow(tr("Z :"), zRow);

    t16_->setObjectName(QStringLiteral("t16"));
    auto* freeRow = new QHBoxLayout;
    freeRow->addWidget(new QLabel(tr("Free space after end of level :"), this));
    freeRow->addWidget(t16_);
    freeRow->addStretch(1);

    addObject_->setObjectName(QStringLiteral("AddObject"));
    ok_->setObjectName(QStringLiteral("OK"));
    addObject_->setAutoDefault(false);
    ok_->setAutoDefault(false);
    connect(addObject_, &QPushButton::clicked, this, &AddsDialog::addObjectClick);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(addObject_);
    buttons->addWidget(ok_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(category);
    layout->addWidget(special);
    layout->addLayout(position);
    layout->addLayout(freeRow);
    layout->addWidget(new QLabel(tr("Note : values are decimal, not hexadecimal"), this));
    layout->addLayout(buttons);

    // Form_Load: the view's top-left cell, layer 0, type 0.
    showFreeSpace();
    text1_[0]->setText(QString::number(core_.view().viewColumn));
    text1_[1]->setText(QString::number(core_.view().viewRow));
    text1_[2]->setText(QStringLiteral("0"));
    text1_[3]->setText(QStringLiteral("0"));
}

void AddsDialog::addObjectClick()
{
    AddObjectRequest request;
    request.special = !opt1_->isChecked();
    for (std::size_t k = 0; k < sopt_.size(); ++k)
        if (sopt_[k]->isChecked())
            request.kind = static_cast<int>(k);
    request.x = text1_[0]->text().toStdString();
    request.y = text1_[1]->text().toStdString();
    request.z = text1_[2]->text().toStdString();
    request.type = text1_[3]->text().toStdString();
    core_.addObject(request);
    showFreeSpace();
}

void AddsDialog::showFreeSpace() { t16_->setText(QString::number(core_.area().levelSpareFF)); }

} // namespace quorled
