#include "dialogtitleroom.h"

#include <QDialog>
#include <QEvent>
#include <QFontMetrics>
#include <QLayout>
#include <QSpacerItem>

#include <algorithm>

namespace quorled {

namespace {

// The window icon and the close, maximise and minimise buttons.
constexpr int kTitleBarButtons = 120;

} // namespace

int titleRoom(const QString& title, const QFont& font)
{
    QFont bold = font;
    bold.setBold(true);
    return QFontMetrics(bold).horizontalAdvance(title) + kTitleBarButtons;
}

DialogTitleRoom::DialogTitleRoom(QObject* parent) : QObject(parent) {}

void DialogTitleRoom::makeRoom(QDialog& dialog)
{
    const int need = titleRoom(dialog.windowTitle(), dialog.font());
    if (dialog.width() >= need)
        return;
    if (QLayout* layout = dialog.layout()) {
        // A strut in the layout: dialogs of a fixed size keep it too.
        layout->addItem(new QSpacerItem(need - layout->contentsMargins().left() - layout->contentsMargins().right(), 0,
                                        QSizePolicy::Fixed, QSizePolicy::Fixed));
        layout->activate();
    }
    dialog.setMinimumWidth(std::max(dialog.minimumWidth(), need));
    if (dialog.width() < need)
        dialog.resize(need, dialog.height());
}

bool DialogTitleRoom::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (dialog && dialog->isWindow())
            makeRoom(*dialog);
    }
    return false;
}

} // namespace quorled
