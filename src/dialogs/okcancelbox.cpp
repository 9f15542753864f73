#include "okcancelbox.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

namespace quorled {

OkCancelBox makeOkCancelBox(QDialog* dialog)
{
    OkCancelBox buttons;
    buttons.box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    buttons.ok = buttons.box->button(QDialogButtonBox::Ok);
    buttons.cancel = buttons.box->button(QDialogButtonBox::Cancel);
    buttons.ok->setObjectName(QStringLiteral("OK"));
    buttons.cancel->setObjectName(QStringLiteral("Cancel"));
    buttons.ok->setDefault(true);
    QObject::connect(buttons.box, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

} // namespace quorled
