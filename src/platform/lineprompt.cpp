#include "lineprompt.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorled {

LinePrompt::LinePrompt(const QString& title, const QString& prompt, const QString& defaultText,
                       const QString& fileFilter, QWidget* parent)
    : QDialog(parent), label_(new QLabel(prompt, this)), edit_(new QLineEdit(defaultText, this)),
      fileFilter_(fileFilter)
{
    setObjectName(QStringLiteral("linePrompt"));
    setWindowTitle(title);
    label_->setBuddy(edit_);
    edit_->setObjectName(QStringLiteral("promptEdit"));
    edit_->setMinimumWidth(380);
    edit_->selectAll();

    auto* browseButton = new QPushButton(tr("Browse..."), this);
    browseButton->setObjectName(QStringLiteral("browseButton"));
    browseButton->setAutoDefault(false);
    connect(browseButton, &QPushButton::clicked, this, &LinePrompt::browse);

    auto* row = new QHBoxLayout;
    row->addWidget(edit_, 1);
    row->addWidget(browseButton);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    layout->addLayout(row);
    layout->addSpacing(6);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString LinePrompt::text() const
{
    return edit_->text();
}

void LinePrompt::browse()
{
    const QFileInfo current(edit_->text());
    const QString start = current.exists() ? current.absoluteFilePath() : current.absolutePath();
    const QString chosen = QFileDialog::getOpenFileName(this, windowTitle(), start, fileFilter_);
    if (!chosen.isEmpty())
        edit_->setText(chosen);
}

QString LinePrompt::ask(QWidget* parent, const QString& title, const QString& prompt,
                        const QString& defaultText, const QString& fileFilter)
{
    LinePrompt dialog(title, prompt, defaultText, fileFilter, parent);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.text();
}

} // namespace quorled
