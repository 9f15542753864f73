#pragma once

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <functional>

namespace quorled::widgettests {

// Runs `check` on the modal dialog the next action opens, then closes it
// (with Cancel, or OK when `accept`) unless `check` closed it.
template <typename Dialog>
void onNextDialog(std::function<void(Dialog*)> check, bool accept = false)
{
    QTimer::singleShot(0, [check, accept] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        check(dialog);
        if (!dialog->isVisible())
            return; // closed by its own button
        if (accept)
            dialog->accept();
        else
            dialog->reject();
    });
}

} // namespace quorled::widgettests
