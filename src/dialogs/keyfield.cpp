#include "keyfield.h"

#include "platform/keymapping.h"

#include <QKeyEvent>

namespace quorled {

KeyField::KeyField(QWidget* parent) : QLineEdit(parent)
{
    setReadOnly(true);
    setPlaceholderText(QLineEdit::tr("Press a key"));
}

bool KeyField::event(QEvent* event)
{
    // Tab, Escape and the menu shortcuts are keys to take here too.
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            keyPressEvent(key);
            return true;
        }
    }
    return QLineEdit::event(event);
}

void KeyField::keyPressEvent(QKeyEvent* event)
{
    const QString name = keyName(virtualKeyCode(*event), modifierState(event->modifiers()));
    if (!name.isEmpty())
        setText(name);
    event->accept();
}

} // namespace quorled
