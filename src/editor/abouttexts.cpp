#include "abouttexts.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>

namespace quorled {

namespace {

// "Change &various enemy properties ..." reads "Change various enemy properties".
QString plainCaption(QString text)
{
    text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    text.replace(QStringLiteral("&&"), QStringLiteral("&"));
    text = text.trimmed();
    while (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text.trimmed();
}

void addLines(const QList<QAction*>& actions, QStringList& lines)
{
    for (const QAction* action : actions) {
        if (action->menu()) {
            addLines(action->menu()->actions(), lines);
            continue;
        }
        if (action->isSeparator() || action->shortcut().isEmpty())
            continue;
        lines << QStringLiteral("%1 : %2")
                     .arg(action->shortcut().toString(QKeySequence::NativeText), plainCaption(action->text()));
    }
}

} // namespace

QStringList menuShortcutLines(const QMenuBar& bar)
{
    QStringList lines;
    addLines(bar.actions(), lines);
    return lines;
}

} // namespace quorled
