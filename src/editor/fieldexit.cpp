#include "fieldexit.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

namespace quorled {

FieldExit::FieldExit(QObject* parent) : QObject(parent) {}

void FieldExit::watch(QLineEdit* field)
{
    field->installEventFilter(this);
    // Return: the field takes the value first (its own key handling), then
    // the keyboard goes back.
    connect(field, &QLineEdit::returnPressed, this, [this] { QTimer::singleShot(0, this, &FieldExit::done); });
}

bool FieldExit::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (!field || static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape)
        return false;
    field->setModified(false);
    emit escaped(field);
    emit done();
    return true;
}

} // namespace quorled
