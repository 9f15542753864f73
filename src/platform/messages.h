#pragma once

#include <QString>

class QWidget;

namespace quorled {

enum class MessageIcon { None, Information, Warning, Critical };

// A modal message box with one OK button.
void showMessage(QWidget* parent, const QString& text, const QString& title,
                 MessageIcon icon = MessageIcon::Information);

// A modal warning with the buttons `proceed` and Cancel (the default); true
// when `proceed` was clicked.
bool askToProceed(QWidget* parent, const QString& text, const QString& title, const QString& proceed);

} // namespace quorled
