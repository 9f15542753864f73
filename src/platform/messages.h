#pragma once

#include <QString>

class QWidget;

namespace quorled {

enum class MessageIcon { None, Information, Warning, Critical };

// A modal message box with one OK button.
void showMessage(QWidget* parent, const QString& text, const QString& title,
                 MessageIcon icon = MessageIcon::Information);

} // namespace quorled
