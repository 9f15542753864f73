#include "widgettests.h"

#include "testfiles.h"

#include "demowindow.h"
#include "dialogdriving.h"

#include "dialogs/addsdialog.h"
#include "dialogs/headerdialog.h"
#include "dialogs/lvinfodialog.h"
#include "editor/carriedart.h"
#include "editor/levelview.h"
#include "editor/mainmenu.h"
#include "editor/mainwindow.h"

#include "core/session/editorcore.h"
#include "core/forms/headerform.h"
#include "romdata/demo/demoimage.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

using namespace quorled;
using quorled::widgettests::readFile;
using quorled::widgettests::BoxCatcher;
using quorled::widgettests::DemoWindow;
using quorled::widgettests::onNextDialog;

class AreaEditingWidgetTest : public QObject {
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

    void saveWritesAKeyEditAndReloads()
    {
        const QByteArray before = readFile(demo_.imagePath);
        const AreaModel& area = demo_.core->area();
        QVERIFY(!area.object(1).special);
        const qsizetype typeOffset = area.levelDataOffset + 5; // the first object's type byte
        const int type = area.object(1).type;
        QCOMPARE(int(quint8(before[typeOffset])), type);
        demo_.core->view().viewColumn = 3;

        QTest::keyClick(demo_.window->levelView(), Qt::Key_Plus, Qt::KeypadModifier);
        BoxCatcher boxes;
        QTest::mouseClick(demo_.window->button(Command::lsave), Qt::LeftButton);
        QVERIFY2(boxes.texts.isEmpty(), qPrintable(boxes.texts.join(QLatin1Char('\n'))));

        const QByteArray after = readFile(demo_.imagePath);
        QCOMPARE(after.size(), before.size());
        QCOMPARE(int(quint8(after[typeOffset])), (type + 1) % 256);
        // Nothing else of the area's level data changed.
        for (qsizetype o = area.levelDataOffset; o < area.levelEndMarkerOffset + 1; ++o)
            if (o != typeOffset)
                QCOMPARE(after[o], before[o]);
        QCOMPARE(demo_.core->area().object(1).type, (type + 1) % 256);
        QCOMPARE(demo_.core->view().viewColumn, 3);

        // A fresh editor reads the saved type from the file.
        EditorCore fresh(carriedPictures());
        fresh.readSettings(demo_.dir->filePath(QStringLiteral("Quorled.ini")).toStdString());
        QVERIFY(!fresh.openImage(demo_.imagePath.toStdString()));
        QCOMPARE(fresh.area().object(1).type, (type + 1) % 256);
        QCOMPARE(fresh.area().objCount(), demo_.core->area().objCount());
    }

    void refusedSaveExplainsAndLeavesTheFile()
    {
        const QByteArray before = readFile(demo_.imagePath);
        AreaModel& area = demo_.core->area();
        for (int i = 0; i <= area.levelSpareFF / 2; ++i)
            area.objects.push_back(area.object(1));
        const int count = area.objCount();
        BoxCatcher boxes;
        demo_.window->mainMenu()->action(Command::lsave)->trigger();
        QCOMPARE(boxes.titles, QStringList{QStringLiteral("Can't save area!")});
        QVERIFY2(boxes.texts[0].contains(QStringLiteral("Move level data")), qPrintable(boxes.texts[0]));
        QCOMPARE(readFile(demo_.imagePath), before);
        QCOMPARE(demo_.core->area().objCount(), count);
    }

    void addsDialogAddsAndRefuses()
    {
        demo_.core->view().viewColumn = 5;
        AddsDialog dialog(*demo_.core, demo_.window.get());
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Add objects"));
        QVERIFY(dialog.normalOption()->isChecked());
        QCOMPARE(dialog.normalOption()->text(), QStringLiteral("Normal object (2 bytes)"));
        QCOMPARE(dialog.specialOption(5)->text(), QStringLiteral("Type 5 (3 bytes) (\"pointer\" object)"));
        QCOMPARE(dialog.text(0)->text(), QStringLiteral("5"));
        QCOMPARE(dialog.text(2)->text(), QStringLiteral("0"));
        QCOMPARE(dialog.text(3)->text(), QStringLiteral("0"));
        QCOMPARE(dialog.addButton()->text(), QStringLiteral("Add object "));
        QCOMPARE(dialog.doneButton()->text(), QStringLiteral("Done"));
        const int spare = demo_.core->area().levelSpareFF;
        QCOMPARE(dialog.freeSpaceLabel()->text(), QString::number(spare));

        const int count = demo_.core->area().objCount();
        dialog.text(1)->setText(QStringLiteral("7"));
        dialog.text(3)->setText(QStringLiteral("300"));
        QTest::mouseClick(dialog.addButton(), Qt::LeftButton);
        QCOMPARE(demo_.core->area().objCount(), count + 1);
        const LevelObject& added = demo_.core->area().object(demo_.core->area().selectedObject);
        QCOMPARE(added.type, 44);
        QCOMPARE(added.x, 5);
        QCOMPARE(added.y, 7);
        QCOMPARE(dialog.freeSpaceLabel()->text(), QString::number(spare - 2));

        dialog.specialOption(5)->setChecked(true);
        QTest::mouseClick(dialog.addButton(), Qt::LeftButton);
        QCOMPARE(dialog.freeSpaceLabel()->text(), QString::number(spare - 5));

        demo_.core->area().levelSpareFF = 2;
        BoxCatcher boxes;
        QTest::mouseClick(dialog.addButton(), Qt::LeftButton);
        QCOMPARE(boxes.titles, QStringList{QStringLiteral("Can't add object!")});
        QCOMPARE(boxes.texts, QStringList{QStringLiteral("Not enough free space to add object!")});
        QCOMPARE(boxes.icons.value(0), QMessageBox::Information);
        QCOMPARE(demo_.core->area().objCount(), count + 2);
        QTest::mouseClick(dialog.doneButton(), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());

        // Delete gives the pointer's three bytes back; Shift+Ins adds an enemy.
        demo_.window->mainMenu()->action(Command::delobj)->trigger();
        QCOMPARE(demo_.core->area().objCount(), count + 1);
        QCOMPARE(demo_.core->area().levelSpareFF, 2 + 3);
        demo_.core->area().enemySpareBytes = 40;
        const int enemies = demo_.core->area().enemyCount();
        demo_.window->mainMenu()->action(Command::addE)->trigger();
        QCOMPARE(demo_.core->area().enemyCount(), enemies + 1);
        demo_.core->area().enemySpareBytes = 0;
        demo_.window->mainMenu()->action(Command::addE)->trigger();
        QCOMPARE(boxes.titles.last(), QStringLiteral("Can't add an enemy!"));
        QCOMPARE(boxes.icons.last(), QMessageBox::NoIcon);
        demo_.window->mainMenu()->action(Command::DelAll)->trigger();
        QCOMPARE(demo_.core->area().objCount(), 0);
        QCOMPARE(demo_.core->area().enemyCount(), 0);
        QCOMPARE(demo_.core->readouts().objectNumber, std::string("Object #000"));
    }

    void headerDialogOkTakesTheChoices()
    {
        const QByteArray before = readFile(demo_.imagePath);
        const HeaderBits header = demo_.core->area().header;
        HeaderDialog dialog(*demo_.core, demo_.window.get());
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Edit header"));
        QCOMPARE(dialog.list(1)->currentRow(), header.bit(1));
        QCOMPARE(dialog.list(2)->count(), 8);
        QCOMPARE(dialog.list(2)->item(7)->text(), QStringLiteral("Palette 7"));
        QCOMPARE(dialog.list(4)->item(3)->text(), QStringLiteral("Gorlump"));
        QCOMPARE(dialog.lengthBar()->value(), header.levelLength());
        QCOMPARE(dialog.lengthBar()->pageStep(), 4);
        QCOMPARE(dialog.pageLabel()->text(), QString::fromStdString(HeaderForm::pageCaption(header.levelLength())));
        dialog.lengthBar()->setValue(0);
        QCOMPARE(dialog.pageLabel()->text(), QStringLiteral("1 page"));
        dialog.lengthBar()->setValue(1);
        QCOMPARE(dialog.pageLabel()->text(), QStringLiteral("2 pages"));
        QVERIFY(dialog.bitBox(0) == nullptr);
        int boxes = 0;
        for (int i = 0; i < 32; ++i)
            boxes += dialog.bitBox(i) ? 1 : 0;
        QCOMPARE(boxes, 20);
        QCOMPARE(dialog.preview(0)->size(), QSize(64, 64));
        QCOMPARE(dialog.preview(1)->size(), QSize(64, 48));

        // A click on box 11 (bit 12) flips its bit and its colour.
        const auto colours = HeaderForm::bitBoxColours();
        QLabel* box = dialog.bitBox(11);
        QCOMPARE(box->palette().color(QPalette::Window).rgb() & 0xFFFFFFu, colours[header.bit(12)]);
        QTest::mouseClick(box, Qt::LeftButton);
        QCOMPARE(box->palette().color(QPalette::Window).rgb() & 0xFFFFFFu, colours[1 - header.bit(12)]);
        // Another button only flashes the box.
        QTest::mouseClick(box, Qt::RightButton);
        QCOMPARE(dialog.form().dialogBit(12), 1 - header.bit(12));

        dialog.list(4)->setCurrentRow(2);
        dialog.list(2)->setCurrentRow(6);
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        const HeaderBits now = demo_.core->area().header;
        QCOMPARE(now.bit(12), 1 - header.bit(12));
        QCOMPARE(now.music(), 2);
        QCOMPARE(now.levelPalette(), 6);
        QCOMPARE(now.levelLength(), 1);
        QCOMPARE(now.bit(1), header.bit(1));
        // The main window's bit boxes show the new header; the file is as it was.
        QVERIFY(demo_.core->headerBits().text.find(" 1 0") != std::string::npos);
        QCOMPARE(readFile(demo_.imagePath), before);
    }

    void headerDialogCancelAndDirectionSwitch()
    {
        const HeaderBits header = demo_.core->area().header;
        QCOMPARE(demo_.core->area().isVertical, 0);
        onNextDialog<HeaderDialog>(
            [](HeaderDialog* dialog) {
                QTest::mouseClick(dialog->bitBox(1), Qt::LeftButton);
                dialog->list(1)->setCurrentRow(0);
            },
            false);
        demo_.window->mainMenu()->action(Command::Ehdr)->trigger();
        QVERIFY(demo_.core->area().header == header);
        QCOMPARE(demo_.core->area().isVertical, 0);

        // Vertical scrolling: enemies and objects keep their pages.
        const int enemyX = demo_.core->area().enemy(1).x;
        const int enemyY = demo_.core->area().enemy(1).y;
        onNextDialog<HeaderDialog>([](HeaderDialog* dialog) {
            dialog->list(1)->setCurrentRow(0);
            QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
        });
        demo_.window->mainMenu()->action(Command::Ehdr)->trigger();
        QCOMPARE(demo_.core->area().header.bit(1), 0);
        QCOMPARE(demo_.core->area().isVertical, 1);
        bool found = false;
        for (const Enemy& e : demo_.core->area().enemies)
            found = found || (e.x == (enemyX & 15) && e.y == enemyY + (enemyX / 16) * 15);
        QVERIFY(found);
    }

    void levelInfoShowsTheArea()
    {
        const int objects = demo_.core->area().objCount();
        onNextDialog<LvInfoDialog>([objects](LvInfoDialog* dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Level information"));
            QCOMPARE(dialog->value(0)->text(), QStringLiteral("1-2, main part"));
            QCOMPARE(dialog->value(1)->text(), QStringLiteral("0A"));
            QCOMPARE(dialog->value(4)->text(), QString::number(objects));
        });
        demo_.window->mainMenu()->action(Command::LI)->trigger();

        BoxCatcher boxes;
        demo_.window->mainMenu()->action(Command::seeF)->trigger();
        QCOMPARE(boxes.titles, QStringList{QStringLiteral("Free space for this level")});
        QVERIFY(boxes.texts[0].startsWith(QStringLiteral("Objects: ")));
        QVERIFY(boxes.texts[0].contains(QStringLiteral("\nEnemy: ")));
    }

private:
    DemoWindow demo_;
};

int quorled::widgettests::runAreaEditingTests(int argc, char** argv)
{
    AreaEditingWidgetTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "areaediting_test.moc"
