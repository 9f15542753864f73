#include "movedialog.h"

#include "core/forms/spacetools.h"
#include "platform/messages.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quorled {

namespace {

MessageIcon iconOf(NoticeIcon icon)
{
    return icon == NoticeIcon::Warning       ? MessageIcon::Warning
           : icon == NoticeIcon::Information ? MessageIcon::Information
                                             : MessageIcon::None;
}

} // namespace

MoveDialog::MoveDialog(SpaceTools& tools, MoveData what, QWidget* parent)
    : QDialog(parent), tools_(tools), what_(what)
{
    const bool level = what == MoveData::Level;
    setObjectName(level ? QStringLiteral("Move1") : QStringLiteral("Move2"));
    setWindowTitle(level ? tr("Move level data") : tr("Move enemy data"));
    const MoveForm form = tools_.moveForm(what);

    text1_ = new QLineEdit(QString::fromStdString(form.address), this);
    text1_->setObjectName(QStringLiteral("Text1"));
    auto* hint = new QLabel(tr("(hex) (between 101C9 and 1400B)"), this);
    location_ = new QLabel(QString::fromStdString(form.location), this);
    location_->setObjectName(QStringLiteral("location"));
    size_ = new QLabel(QString::fromStdString(form.size), this);
    size_->setObjectName(QStringLiteral("size"));

    const QString data = level ? tr("level data") : tr("enemy data");
    const QString texts[] = {
        tr("Change pointers only"),
        tr("Change pointers and copy %1 to new address").arg(data),
        tr("Change pointers, copy %1 to new address, and delete data at actual address to free space").arg(data),
    };
    auto* optionBox = new QGroupBox(this);
    auto* optionLayout = new QVBoxLayout(optionBox);
    for (std::size_t i = 0; i < options_.size(); ++i) {
        options_[i] = new QRadioButton(texts[i], optionBox);
        options_[i]->setObjectName(QStringLiteral("pOpt%1").arg(i));
        optionLayout->addWidget(options_[i]);
    }
    options_[1]->setChecked(true);

    auto* address = new QHBoxLayout;
    address->addWidget(text1_);
    address->addWidget(hint);
    auto* form1 = new QFormLayout;
    form1->addRow(tr("Move to :"), address);
    form1->addRow(level ? tr("Current level location :") : tr("Current enemy location :"), location_);
    form1->addRow(level ? tr("Level data size (bytes) :") : tr("Enemy data size (bytes) :"), size_);

    ok_ = new QPushButton(tr("OK"), this);
    ok_->setObjectName(QStringLiteral("OK"));
    ok_->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("Cancel"));
    connect(ok_, &QPushButton::clicked, this, &MoveDialog::okClicked);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form1);
    layout->addWidget(optionBox);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void MoveDialog::okClicked()
{
    int chosen = 1;
    for (std::size_t i = 0; i < options_.size(); ++i)
        if (options_[i]->isChecked())
            chosen = static_cast<int>(i);
    const SpaceOutcome outcome = tools_.move(what_, text1_->text().toStdString(), chosen);
    if (outcome.done)
        accept();
    if (outcome.notice)
        showMessage(outcome.done ? parentWidget() : this, QString::fromStdString(outcome.notice->text),
                    QString::fromStdString(outcome.notice->title), iconOf(outcome.notice->icon));
}

} // namespace quorled
