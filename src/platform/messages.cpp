#include "messages.h"

#include <QMessageBox>
#include <QPushButton>

namespace quorled {

void showMessage(QWidget* parent, const QString& text, const QString& title, MessageIcon icon)
{
    QMessageBox::Icon boxIcon = QMessageBox::Information;
    if (icon == MessageIcon::None)
        boxIcon = QMessageBox::NoIcon;
    else if (icon == MessageIcon::Warning)
        boxIcon = QMessageBox::Warning;
    else if (icon == MessageIcon::Critical)
        boxIcon = QMessageBox::Critical;
    QMessageBox box(boxIcon, title, text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("message"));
    box.exec();
}

bool askToProceed(QWidget* parent, const QString& text, const QString& title, const QString& proceed)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Cancel, parent);
    box.setObjectName(QStringLiteral("question"));
    QPushButton* go = box.addButton(proceed, QMessageBox::AcceptRole);
    box.setDefaultButton(QMessageBox::Cancel);
    box.exec();
    return box.clickedButton() == go;
}

} // namespace quorled
