#include "widgettests.h"

#include "testfiles.h"

#include "demowindow.h"

#include "editor/carriedart.h"
#include "editor/levelview.h"
#include "editor/mainmenu.h"
#include "editor/mainwindow.h"

#include "core/session/editorcore.h"
#include "dialogs/areasdialog.h"
#include "romdata/bytetables.h"
#include "romdata/demo/demoimage.h"
#include "romdata/romimage.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
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

    // "Select area" marks the areas with unsaved edits, and only those.
    void selectAreaMarksAreasWithUnsavedEdits()
    {
        QTest::keyClick(demo_.window->levelView(), Qt::Key_Plus, Qt::KeypadModifier);
        QTest::keyClick(demo_.window->levelView(), Qt::Key_PageDown);
        QTest::keyClick(demo_.window->levelView(), Qt::Key_PageDown);
        QTest::keyClick(demo_.window->levelView(), Qt::Key_Plus, Qt::KeypadModifier);
        const QString name = QString::fromStdString(demo_.core->directory().areaName(0x0A));
        const QString other = QString::fromStdString(demo_.core->directory().areaName(0x0C));
        QCOMPARE(markedInSelectArea(), (QStringList{name + QStringLiteral(" * | Unsaved edits"),
                                                    other + QStringLiteral(" * | Unsaved edits")}));
        demo_.window->mainMenu()->action(Command::lsaveall)->trigger();
        QCOMPARE(markedInSelectArea(), QStringList{});
    }

    // Undo or redo of a step of another area opens it with the item the
    // step changed selected and on screen, in its edit mode.
    void undoOfAnotherAreasStepShowsTheItem_data()
    {
        QTest::addColumn<bool>("enemy");
        QTest::newRow("object") << false;
        QTest::newRow("enemy") << true;
    }

    void undoOfAnotherAreasStepShowsTheItem()
    {
        QFETCH(bool, enemy);
        LevelView* view = demo_.window->levelView();
        AreaModel& area = demo_.core->area();
        // The item farthest right, moved one cell left.
        int item = 0;
        int x = -1;
        for (int i = 1; i <= (enemy ? area.enemyCount() : area.objCount()); ++i) {
            const int at = enemy ? area.enemy(i).x : area.object(i).x;
            if (at > x && !(!enemy && area.object(i).special))
                item = i, x = at;
        }
        QVERIFY2(x > 24, "the test needs an item off the first screen");
        if (enemy)
            QTest::keyClick(view, Qt::Key_Space);
        (enemy ? area.selectedEnemy : area.selectedObject) = item;
        QTest::keyClick(view, Qt::Key_4, Qt::KeypadModifier);
        QCOMPARE(demo_.core->document().undoSteps(), std::size_t(1));
        auto leave = [&] {
            // Another item, the first screen and objects; then the next area.
            demo_.core->area().selectedObject = 1;
            demo_.core->area().selectedEnemy = 1;
            demo_.core->view().viewColumn = 0;
            demo_.core->view().editMode = 0;
            demo_.core->redraw(Change::EditMode);
            QTest::keyClick(view, Qt::Key_PageDown);
            QCOMPARE(demo_.core->currentArea(), 11);
        };
        auto shown = [&](int column) {
            const AreaModel& now = demo_.core->area();
            const ViewState& state = demo_.core->view();
            return demo_.core->currentArea() == 10 && state.editMode == int(enemy) &&
                   (enemy ? now.selectedEnemy : now.selectedObject) == item &&
                   (enemy ? now.enemy(item).x : now.object(item).x) == column && column >= state.viewColumn &&
                   column <= state.viewColumn + 15;
        };
        leave();
        QTest::keyClick(demo_.window.get(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(shown(x));
        leave();
        QTest::keyClick(demo_.window.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(shown(x - 1));
        QCOMPARE(demo_.core->document().changedAreas(), std::vector<int>{10});
    }

    // Another program (a real quorled-cli) changes the image: without edits
    // it is read again at once, keeping area, view and selection; with
    // edits the bar offers both ways, the editor's own writes are never
    // taken for another program's, and a write over the other program's
    // bytes asks first.
    void changesByAnotherProgramAreNeverLostNorSilentlyReverted()
    {
        const auto lives = [&] {
            return int(quint8(readFile(demo_.imagePath).at(byteTable(ByteTableId::Nlives).rows[0].offset)));
        };
        const auto otherProgramSetsLives = [&](int value) {
            QProcess cli;
            cli.setStandardOutputFile(QProcess::nullDevice());
            cli.start(QStringLiteral(QUORLED_CLI_PATH),
                      {QStringLiteral("set"), demo_.imagePath, QStringLiteral("lives"), QStringLiteral("0"),
                       QString::number(value), QStringLiteral("--no-backup")});
            QVERIFY(cli.waitForFinished(30000));
            QCOMPARE(cli.exitCode(), 0);
            QCOMPARE(lives(), value);
        };
        QWidget* bar = demo_.window->changedOnDiskBar();
        auto* reload = bar->findChild<QPushButton*>(QStringLiteral("reloadChanged"));
        auto* keep = bar->findChild<QPushButton*>(QStringLiteral("keepEdits"));
        QVERIFY(reload && keep);
        QCOMPARE(reload->text(), QStringLiteral("Reload (drop my edits)"));
        QCOMPARE(keep->text(), QStringLiteral("Keep my edits"));

        LevelView* view = demo_.window->levelView();
        QTest::keyClick(view, Qt::Key_Right, Qt::ShiftModifier); // a page on
        QTest::keyClick(view, Qt::Key_Down);                       // the next object
        demo_.window->mainMenu()->action(Command::editSelectAll)->trigger();
        const int column = demo_.core->view().viewColumn;
        const int selected = demo_.core->area().selectedObject;
        const ItemSelection group = demo_.core->area().group;
        QVERIFY(column > 0 && selected > 1 && group.size() > 2);
        otherProgramSetsLives(9);
        QTRY_VERIFY(demo_.window->statusBar()->currentMessage().contains(
            QStringLiteral("The image was changed by another program and was read again.")));
        QVERIFY(bar->isHidden());
        QCOMPARE(demo_.core->currentArea(), 10);
        QCOMPARE(demo_.core->view().viewColumn, column);
        QCOMPARE(demo_.core->area().selectedObject, selected);
        QVERIFY(demo_.core->area().group == group);

        // With an edit held: the bar; the edit is kept and saved around the
        // other program's byte, and the save is not taken for a change.
        QTest::keyClick(view, Qt::Key_Plus, Qt::KeypadModifier);
        otherProgramSetsLives(5);
        QTRY_VERIFY(bar->isVisible());
        keep->click();
        QVERIFY(bar->isHidden());
        QVERIFY(demo_.core->document().differs());
        demo_.window->mainMenu()->action(Command::lsave)->trigger();
        QVERIFY(!demo_.core->document().differs());
        QCOMPARE(lives(), 5);
        QTest::qWait(300);
        QVERIFY(bar->isHidden());
        QVERIFY(demo_.core->commandEnabled(Command::editUndo)); // the history stayed

        // Our own write over that byte asks; Cancel writes nothing.
        const QByteArray saved = readFile(demo_.imagePath);
        {
            Answerer answerer{QMessageBox::Cancel};
            QVERIFY(!demo_.core->writeImage([](RomImage& rom) {
                rom.write(byteTable(ByteTableId::Nlives).rows[0].offset, 3);
            }, "Change lives"));
            QCOMPARE(answerer.texts.size(), 2);
            QVERIFY(answerer.texts[0].endsWith(QStringLiteral("Overwrite the other program's changes?")));
            QVERIFY(answerer.texts[1].startsWith(QStringLiteral("Nothing was written")));
        }
        QCOMPARE(readFile(demo_.imagePath), saved);

        // "Reload (drop my edits)" drops them and reads the other program's.
        QTest::keyClick(view, Qt::Key_Plus, Qt::KeypadModifier);
        otherProgramSetsLives(6);
        QTRY_VERIFY(bar->isVisible());
        reload->click();
        QVERIFY(bar->isHidden());
        QVERIFY(demo_.core->document().changedAreas().empty());
        QCOMPARE(int(demo_.core->document().bytes()[std::size_t(byteTable(ByteTableId::Nlives).rows[0].offset)]), 6);
        QCOMPARE(lives(), 6);
    }

private:
    // The entries of "Select area" (world 1) that carry a mark, as
    // "TEXT | TOOLTIP", each checked to be bold.
    QStringList markedInSelectArea()
    {
        QStringList marked;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<AreasDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            for (int i = 0; i < dialog->areaList()->count(); ++i) {
                const QListWidgetItem* item = dialog->areaList()->item(i);
                if (item->text().endsWith(QStringLiteral(" *")) || !item->toolTip().isEmpty() || item->font().bold())
                    marked << item->text() + QStringLiteral(" | ") + item->toolTip() +
                                  (item->font().bold() ? QString() : QStringLiteral(" (not bold)"));
            }
            dialog->reject();
        });
        demo_.window->mainMenu()->action(Command::sel1)->trigger();
        return marked;
    }

    DemoWindow demo_;
};

int quorled::widgettests::runUnsavedGuardTests(int argc, char** argv)
{
    UnsavedGuardTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "unsavedguard_test.moc"
