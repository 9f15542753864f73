#include "widgettests.h"

#include "testfiles.h"

#include "demowindow.h"

#include "editor/carriedart.h"
#include "editor/levelview.h"
#include "editor/mainmenu.h"
#include "editor/mainwindow.h"

#include "core/session/editorcore.h"
#include "romdata/demo/demoimage.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace quorled;
using quorled::widgettests::readFile;
using quorled::widgettests::DemoWindow;

namespace {

// Answers every question box with `answer` and keeps the texts asked.
class Answerer : public QObject {
public:
    explicit Answerer(QMessageBox::StandardButton answer)
    {
        connect(&timer_, &QTimer::timeout, this, [this, answer] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                texts << box->text();
                if (QAbstractButton* button = box->button(answer))
                    button->click();
                else
                    box->accept();
            }
        });
        timer_.start(5);
    }
    QStringList texts;

private:
    QTimer timer_;
};

} // namespace

class UnsavedGuardTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        QVERIFY(demo_.open(true));
    }

    void cleanup()
    {
        demo_.close();
    }

    void leavingAnAreaKeepsItsEditsWithoutAQuestion()
    {
        const QByteArray before = readFile(demo_.imagePath);
        QTest::keyClick(demo_.window->levelView(), Qt::Key_Plus, Qt::KeypadModifier);
        QVERIFY(demo_.window->windowTitle().endsWith(QStringLiteral(" *")));
        QCOMPARE(demo_.window->mainMenu()->action(Command::editUndo)->text(),
                 QStringLiteral("&Undo Change object in area 0A"));

        Answerer answerer{QMessageBox::Cancel};
        QTest::keyClick(demo_.window->levelView(), Qt::Key_PageDown);
        QCOMPARE(demo_.core->currentArea(), 11);
        QCOMPARE(answerer.texts, QStringList{});
        QCOMPARE(readFile(demo_.imagePath), before);
        QVERIFY(!demo_.window->windowTitle().endsWith(QStringLiteral(" *")));
        QVERIFY(demo_.window->statusBar()->currentMessage().contains(QStringLiteral("1 area changed: 0A")));
        // Undo of the step of area 0A opens that area again.
        QTest::keyClick(demo_.window.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(demo_.core->currentArea(), 10);
        QVERIFY(demo_.core->document().changedAreas().empty());
    }

    void theQuestionBeforeDroppingEditsNamesTheAreas_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("ask");
        QTest::addColumn<bool>("goOn");
        QTest::addColumn<bool>("fileChanged");
        QTest::newRow("save all") << int(QMessageBox::Save) << true << true << true;
        QTest::newRow("discard") << int(QMessageBox::Discard) << true << true << false;
        QTest::newRow("cancel") << int(QMessageBox::Cancel) << true << false << false;
        QTest::newRow("option off") << int(QMessageBox::Cancel) << false << true << false;
    }

    void theQuestionBeforeDroppingEditsNamesTheAreas()
    {
        QFETCH(int, answer);
        QFETCH(bool, ask);
        QFETCH(bool, goOn);
        QFETCH(bool, fileChanged);
        QAction* option = demo_.window->mainMenu()->action(Command::askDiscard);
        QVERIFY(option->isChecked());
        if (!ask)
            option->trigger();

        const QByteArray before = readFile(demo_.imagePath);
        QTest::keyClick(demo_.window->levelView(), Qt::Key_Plus, Qt::KeypadModifier);
        QTest::keyClick(demo_.window->levelView(), Qt::Key_PageDown);
        QTest::keyClick(demo_.window->levelView(), Qt::Key_Plus, Qt::KeypadModifier);
        Answerer answerer{QMessageBox::StandardButton(answer)};
        QCOMPARE(demo_.window->confirmUnsavedAreas(), goOn);
        QCOMPARE(answerer.texts, ask ? QStringList{QStringLiteral("Save changes to areas 0A, 0B?")} : QStringList{});
        QCOMPARE(readFile(demo_.imagePath) != before, fileChanged);
        QCOMPARE(demo_.core->document().changedAreas().empty(), fileChanged);
    }

    void refusedSaveOffersMoveAndSave()
    {
        AreaModel& area = demo_.core->area();
        while (demo_.core->document().roomUse()->levelFits()) {
            area.objects.push_back(area.objects.front());
            demo_.core->redraw();
        }
        QCOMPARE(demo_.window->roomMeter()->property("fits").toBool(), false);
        const long before = area.levelDataOffset;
        QTimer::singleShot(0, [] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            for (QAbstractButton* button : box->buttons())
                if (button->text() == QStringLiteral("Move and save"))
                    button->click();
        });
        demo_.window->mainMenu()->action(Command::lsave)->trigger();
        QVERIFY(demo_.core->area().levelDataOffset != before);
        QVERIFY(!demo_.core->document().differs());
        QVERIFY(demo_.window->statusBar()->currentMessage().contains(QStringLiteral("; moved level data to $")));
        QCOMPARE(demo_.window->roomMeter()->property("fits").toBool(), true);
    }

    void undoFromTheMenuAndTheRoomMeter()
    {
        QVERIFY(!demo_.window->mainMenu()->action(Command::editUndo)->isEnabled());
        const QString meter = demo_.window->roomMeter()->text();
        QVERIFY(meter.startsWith(QStringLiteral("Level data ")));
        demo_.window->mainMenu()->action(Command::addE)->trigger();
        QVERIFY(demo_.window->mainMenu()->action(Command::editUndo)->isEnabled());
        QVERIFY(demo_.window->roomMeter()->text() != meter);
        QTest::keyClick(demo_.window.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(demo_.window->roomMeter()->text(), meter);
        QVERIFY(!demo_.window->windowTitle().endsWith(QStringLiteral(" *")));
        QCOMPARE(demo_.window->mainMenu()->action(Command::editRedo)->text(), QStringLiteral("&Redo Add enemy in area 0A"));
    }

private:
    DemoWindow demo_;
};

int quorled::widgettests::runUnsavedGuardTests(int argc, char** argv)
{
    UnsavedGuardTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "unsavedguard_test.moc"
