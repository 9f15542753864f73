#pragma once

class QDialog;
class QDialogButtonBox;
class QPushButton;

namespace quorled {

// The OK and Cancel buttons a form ends with: OK is the default button,
// the two are named "OK" and "Cancel" for the tests, and Cancel rejects the
// dialog. The caller connects `box`'s accepted() to its own OK handler.
struct OkCancelBox {
    QDialogButtonBox* box = nullptr;
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
};

OkCancelBox makeOkCancelBox(QDialog* dialog);

} // namespace quorled
