#include "messages.h"

#include <QMessageBox>

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

} // namespace quorled
