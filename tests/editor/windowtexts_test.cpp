#include "widgettests.h"

#include "demowindow.h"

#include "core/session/editorcore.h"
#include "core/editing/selectionproperties.h"
#include "editor/dialogtitleroom.h"
#include "editor/elidedlabel.h"
#include "editor/levelview.h"
#include "editor/mainmenu.h"
#include "editor/mainwindow.h"
#include "editor/propertiesdock.h"
#include "editor/typegallerydock.h"
#include "editor/workbench.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace quorled;
using quorled::widgettests::DemoWindow;

namespace {

using Field = SelectionProperties::Field;

// Every menu item, submenus walked, in menu order.
QList<QAction*> menuItems(const QMenuBar& bar)
{
    QList<QAction*> items;
    std::function<void(const QList<QAction*>&)> walk = [&](const QList<QAction*>& actions) {
        for (QAction* action : actions) {
            if (action->menu())
                walk(action->menu()->actions());
            else if (!action->isSeparator())
                items << action;
        }
    };
    walk(bar.actions());
    return items;
}

QString plain(QString text)
{
    return text.remove(QLatin1Char('&')).remove(QStringLiteral(" ...")).remove(QStringLiteral("..."));
}

// Texts that say a feature is missing, which none of them is.
bool stale(const QString& text)
{
    return text.contains(QStringLiteral("not available"), Qt::CaseInsensitive)
           || text.contains(QStringLiteral("not yet"), Qt::CaseInsensitive)
           || text.contains(QStringLiteral("not implemented"), Qt::CaseInsensitive);
}

// What is wrong with a dialog's texts: a cut title, a cut one-line label
// or a stale text; empty when nothing is.
QStringList textFaults(QWidget* dialog)
{
    QStringList faults;
    if (dialog->width() < titleRoom(dialog->windowTitle(), dialog->font()))
        faults << QStringLiteral("title cut: %1").arg(dialog->windowTitle());
    if (stale(dialog->windowTitle()))
        faults << QStringLiteral("stale title: %1").arg(dialog->windowTitle());
    for (QLabel* label : dialog->findChildren<QLabel*>()) {
        if (!label->isVisible())
            continue;
        if (stale(label->text()))
            faults << QStringLiteral("stale: %1").arg(label->text());
        if (!label->wordWrap() && !qobject_cast<ElidedLabel*>(label) && label->pixmap().isNull()
            && label->width() < label->sizeHint().width())
            faults << QStringLiteral("label cut: %1").arg(label->text());
    }
    return faults;
}

// Runs `check` on each modal window that comes up while it lives, then
// closes it as Cancel (or Escape) would.
class ModalWatch : public QObject {
public:
    explicit ModalWatch(std::function<void(QWidget*)> check) : check_(std::move(check))
    {
        connect(&timer_, &QTimer::timeout, this, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || !modal->isVisible())
                return;
            ++seen;
            check_(modal);
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            else
                modal->close();
        });
        timer_.start(5);
    }
    int seen = 0;

private:
    std::function<void(QWidget*)> check_;
    QTimer timer_;
};

} // namespace

class WindowTextsTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QVERIFY(demo_.open(true)); }
    void cleanup()
    {
        ModalWatch discard([](QWidget*) {});
        demo_.close();
    }

    void pageKeysAtTheFirstAndLastAreaDoNothing()
    {
        EditorCore& core = *demo_.core;
        QWidget* view = demo_.window->levelView();
        view->setFocus();
        QStringList asked;
        for (const auto& [key, steps, end] : {std::tuple{Qt::Key_PageUp, core.currentArea(), 0},
                                              std::tuple{Qt::Key_PageDown, 209, 209}}) {
            {
                ModalWatch any([](QWidget*) {}); // a message of a damaged area on the way
                for (int i = 0; i < steps; ++i)
                    QTest::keyClick(view, key);
            }
            QCOMPARE(core.currentArea(), end);
            // An unsaved edit there: the key asks nothing and keeps it.
            core.area().selectedObject = 1;
            demo_.window->mainMenu()->action(Command::delobj)->trigger();
            QVERIFY(core.document().differs());
            ModalWatch watch([&](QWidget* modal) { asked << modal->windowTitle(); });
            QTest::keyClick(view, key);
            QCoreApplication::processEvents();
            QCOMPARE(watch.seen, 0);
            QCOMPARE(core.currentArea(), end);
            QVERIFY(core.document().differs());
            demo_.window->mainMenu()->action(Command::editUndo)->trigger();
            QVERIFY(!core.document().differs());
        }
        QVERIFY(asked.isEmpty());
    }

    void returnAndEscapeGiveTheKeyboardBackToTheView()
    {
        EditorCore& core = *demo_.core;
        MainWindow& window = *demo_.window;
        PropertiesDock* dock = window.workbench()->properties();
        int s = 1;
        while (s <= core.area().objCount() && core.area().object(s).special)
            ++s;
        core.area().selectedObject = s;
        core.view().editMode = 0;
        core.redraw();
        const int x = core.area().object(s).x;
        const int y = core.area().object(s).y;

        // Return takes the value; then the view has the keys, Ctrl+Z too.
        QLineEdit* xField = dock->field(Field::X);
        xField->setFocus();
        xField->selectAll();
        QTest::keyClicks(xField, QString::fromStdString(SelectionProperties::text((x + 1) % 16)));
        QTest::keyClick(xField, Qt::Key_Return);
        QCOMPARE(core.area().object(s).x, (x + 1) % 16);
        QTRY_VERIFY(window.levelView()->hasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(core.area().object(s).x, x);
        QCOMPARE(xField->text(), QString::fromStdString(SelectionProperties::text(x)));

        // Escape drops what was typed and leaves the field at once.
        QLineEdit* yField = dock->field(Field::Y);
        yField->setFocus();
        yField->selectAll();
        QTest::keyClicks(yField, QStringLiteral("1"));
        QTest::keyClick(yField, Qt::Key_Escape);
        QVERIFY(window.levelView()->hasFocus());
        QCOMPARE(core.area().object(s).y, y);
        QCOMPARE(yField->text(), QString::fromStdString(SelectionProperties::text(y)));
        QVERIFY(!core.document().differs());

        // The gallery's filter lets go of the keyboard the same way.
        QLineEdit* filter = window.workbench()->galleries()->filter(TypeKind::Object);
        filter->setFocus();
        QTest::keyClicks(filter, QStringLiteral("ro"));
        QTest::keyClick(filter, Qt::Key_Escape);
        QVERIFY(window.levelView()->hasFocus());
    }

    void aboutListsEveryShortcutAsTheMenusHaveThemNow()
    {
        MainWindow& window = *demo_.window;
        QAction* selectArea = window.mainMenu()->action(Command::sel1);
        selectArea->setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_A));
        QStringList shown;
        ModalWatch watch([&](QWidget* modal) {
            for (QLabel* label : modal->findChildren<QLabel*>())
                shown << label->text();
            QVERIFY2(textFaults(modal).isEmpty(), qPrintable(textFaults(modal).join(u'\n')));
        });
        window.mainMenu()->action(Command::AboutE)->trigger();
        QCOMPARE(watch.seen, 1);

        int shortcuts = 0;
        for (QAction* action : menuItems(*window.menuBar())) {
            if (action->shortcut().isEmpty())
                continue;
            ++shortcuts;
            const QString line = action->shortcut().toString(QKeySequence::NativeText) + QStringLiteral(" : ")
                                 + plain(action->text()).trimmed();
            QVERIFY2(shown.contains(line), qPrintable(line));
        }
        QVERIFY(shortcuts > 30);
        QVERIFY(!shown.contains(QStringLiteral("Ctrl+A : Select area")));
        const QStringList page = shown.filter(QStringLiteral("Page Up, Page Down :"));
        QCOMPARE(page.size(), 1);
        QVERIFY(page.first().contains(QStringLiteral("the edits of the area left stay, unsaved")));
        QVERIFY(!page.first().contains(QStringLiteral("unsaved changes are dropped)")));
    }

    void everyMenuItemShowsWholeAndCurrentTexts()
    {
        MainWindow& window = *demo_.window;
        QStringList faults;
        QStringList headings;
        ModalWatch watch([&](QWidget* modal) {
            faults << textFaults(modal);
            if (auto* heading = modal->findChild<QLabel*>(QStringLiteral("heading")))
                headings << modal->windowTitle() + QStringLiteral(" / ") + heading->text();
        });
        for (QAction* action : menuItems(*window.menuBar())) {
            if (stale(action->text()) || stale(action->toolTip()))
                faults << QStringLiteral("stale item: %1").arg(action->text());
            // Quitting ends the test; play-testing starts another program.
            if (action == window.mainMenu()->action(Command::lQuit)
                || action == window.mainMenu()->action(Command::testEmu) || !action->isEnabled())
                continue;
            action->trigger();
            QCoreApplication::processEvents();
        }
        QVERIFY(watch.seen > 15);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
        // The enemy tables share their title and tell apart by a heading.
        for (const char* heading : {"Enemy weapons", "Boss health and enemy speed", "Various enemy properties"})
            QVERIFY2(headings.contains(QStringLiteral("Edit enemy properties / ") + QLatin1String(heading)), heading);
    }

private:
    DemoWindow demo_;
};

int quorled::widgettests::runWindowTextsTests(int argc, char** argv)
{
    WindowTextsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "windowtexts_test.moc"
