#include "widgettests.h"

#include "dialogs/addsdialog.h"
#include "dialogs/headerdialog.h"
#include "dialogs/lvinfodialog.h"
#include "editor/carriedart.h"
#include "editor/levelview.h"
#include "editor/mainmenu.h"
#include "editor/mainwindow.h"

#include "core/editorcore.h"
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

namespace {

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Accepts every message box that shows up and keeps its title and text.
class BoxCatcher : public QObject {
public:
    BoxCatcher()
    {
        connect(&timer_, &QTimer::timeout, this, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                titles << box->windowTitle();
                texts << box->text();
                icons << box->icon();
                box->accept();
            }
        });
        timer_.start(5);
    }
    QStringList titles;
    QStringList texts;
    QList<QMessageBox::Icon> icons;

private:
    QTimer timer_;
};

// Runs `check` on the modal dialog that the next action opens, then
// closes it with `accept` unless `check` closed it.
template <typename Dialog>
void onNextDialog(std::function<void(Dialog*)> check, bool accept = true)
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

} // namespace

class AreaEditingWidgetTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
        imagePath_ = dir_->filePath(QStringLiteral("demo.nes"));
        const std::vector<std::uint8_t> image = buildDemoImage(ImageKind::Ines);
        QFile file(imagePath_);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(reinterpret_cast<const char*>(image.data()), qsizetype(image.size()));
        file.close();
        const QString settings = dir_->filePath(QStringLiteral("Quorled.ini"));
        QFile ini(settings);
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[Options]\nStartArea= 10\n");
        ini.close();
        core_ = std::make_unique<EditorCore>(carriedPictures());
        window_ = std::make_unique<MainWindow>(*core_, settings, QPixmap());
        QVERIFY(window_->startUp(imagePath_));
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }

    void cleanup()
    {
        window_.reset();
        core_.reset();
        dir_.reset();
    }

    void saveWritesAKeyEditAndReloads()
    {
        const QByteArray before = readFile(imagePath_);
        const AreaModel& area = core_->area();
        QVERIFY(!area.object(1).special);
        const long typeOffset = area.levelDataOffset + 5; // the first object's type byte
        const int type = area.object(1).type;
        QCOMPARE(int(quint8(before[typeOffset])), type);
        core_->view().viewColumn = 3;

        QTest::keyClick(window_->levelView(), Qt::Key_Plus, Qt::KeypadModifier);
        BoxCatcher boxes;
        QTest::mouseClick(window_->button(Command::lsave), Qt::LeftButton);
        QVERIFY2(boxes.texts.isEmpty(), qPrintable(boxes.texts.join(QLatin1Char('\n'))));

        const QByteArray after = readFile(imagePath_);
        QCOMPARE(after.size(), before.size());
        QCOMPARE(int(quint8(after[typeOffset])), (type + 1) % 256);
        // Nothing else of the area's level data changed.
        for (long o = area.levelDataOffset; o < area.levelEndMarkerOffset + 1; ++o)
            if (o != typeOffset)
                QCOMPARE(after[o], before[o]);
        QCOMPARE(core_->area().object(1).type, (type + 1) % 256);
        QCOMPARE(core_->view().viewColumn, 3);

        // A fresh editor reads the saved type from the file.
        EditorCore fresh(carriedPictures());
        fresh.readSettings(dir_->filePath(QStringLiteral("Quorled.ini")).toStdString());
        QVERIFY(!fresh.openImage(imagePath_.toStdString()));
        QCOMPARE(fresh.area().object(1).type, (type + 1) % 256);
        QCOMPARE(fresh.area().objCount(), core_->area().objCount());
    }

    void refusedSaveExplainsAndLeavesTheFile()
    {
        const QByteArray before = readFile(imagePath_);
        AreaModel& area = core_->area();
        for (int i = 0; i <= area.levelSpareFF / 2; ++i)
            area.objects.push_back(area.object(1));
        const int count = area.objCount();
        BoxCatcher boxes;
        window_->mainMenu()->action(Command::lsave)->trigger();
        QCOMPARE(boxes.titles, QStringList{QStringLiteral("Can't save area!")});
        QVERIFY2(boxes.texts[0].contains(QStringLiteral("Move level data")), qPrintable(boxes.texts[0]));
        QCOMPARE(readFile(imagePath_), before);
        QCOMPARE(core_->area().objCount(), count);
    }

    void addsDialogAddsAndRefuses()
    {
        core_->view().viewColumn = 5;
        AddsDialog dialog(*core_, window_.get());
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
        const int spare = core_->area().levelSpareFF;
        QCOMPARE(dialog.freeSpaceLabel()->text(), QString::number(spare));

        const int count = core_->area().objCount();
        dialog.text(1)->setText(QStringLiteral("7"));
        dialog.text(3)->setText(QStringLiteral("300"));
        QTest::mouseClick(dialog.addButton(), Qt::LeftButton);
        QCOMPARE(core_->area().objCount(), count + 1);
        const LevelObject& added = core_->area().object(core_->area().selectedObject);
        QCOMPARE(added.type, 44);
        QCOMPARE(added.x, 5);
        QCOMPARE(added.y, 7);
        QCOMPARE(dialog.freeSpaceLabel()->text(), QString::number(spare - 2));

        dialog.specialOption(5)->setChecked(true);
        QTest::mouseClick(dialog.addButton(), Qt::LeftButton);
        QCOMPARE(dialog.freeSpaceLabel()->text(), QString::number(spare - 5));

        core_->area().levelSpareFF = 2;
        BoxCatcher boxes;
        QTest::mouseClick(dialog.addButton(), Qt::LeftButton);
        QCOMPARE(boxes.titles, QStringList{QStringLiteral("Can't add object!")});
        QCOMPARE(boxes.texts, QStringList{QStringLiteral("Not enough free space to add object!")});
        QCOMPARE(boxes.icons.value(0), QMessageBox::Information);
        QCOMPARE(core_->area().objCount(), count + 2);
        QTest::mouseClick(dialog.doneButton(), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());

        // Delete gives the pointer's three bytes back; Shift+Ins adds an enemy.
        window_->mainMenu()->action(Command::delobj)->trigger();
        QCOMPARE(core_->area().objCount(), count + 1);
        QCOMPARE(core_->area().levelSpareFF, 2 + 3);
        core_->area().enemySpareBytes = 40;
        const int enemies = core_->area().enemyCount();
        window_->mainMenu()->action(Command::addE)->trigger();
        QCOMPARE(core_->area().enemyCount(), enemies + 1);
        core_->area().enemySpareBytes = 0;
        window_->mainMenu()->action(Command::addE)->trigger();
        QCOMPARE(boxes.titles.last(), QStringLiteral("Can't add an enemy!"));
        QCOMPARE(boxes.icons.last(), QMessageBox::NoIcon);
        window_->mainMenu()->action(Command::DelAll)->trigger();
        QCOMPARE(core_->area().objCount(), 0);
        QCOMPARE(core_->area().enemyCount(), 0);
        QCOMPARE(core_->readouts().objectNumber, std::string("Object #000"));
    }

    void headerDialogOkTakesTheChoices()
    {
        const QByteArray before = readFile(imagePath_);
        const HeaderBits header = core_->area().header;
        HeaderDialog dialog(*core_, window_.get());
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
        const auto colours = EditorCore::bitBoxColours();
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
        const HeaderBits now = core_->area().header;
        QCOMPARE(now.bit(12), 1 - header.bit(12));
        QCOMPARE(now.music(), 2);
        QCOMPARE(now.levelPalette(), 6);
        QCOMPARE(now.levelLength(), 1);
        QCOMPARE(now.bit(1), header.bit(1));
        // The main window's bit boxes show the new header; the file is as it was.
        QVERIFY(core_->headerBits().text.find(" 1 0") != std::string::npos);
        QCOMPARE(readFile(imagePath_), before);
    }

    void headerDialogCancelAndDirectionSwitch()
    {
        const HeaderBits header = core_->area().header;
        QCOMPARE(core_->area().isVertical, 0);
        onNextDialog<HeaderDialog>(
            [](HeaderDialog* dialog) {
                QTest::mouseClick(dialog->bitBox(1), Qt::LeftButton);
                dialog->list(1)->setCurrentRow(0);
            },
            false);
        window_->mainMenu()->action(Command::Ehdr)->trigger();
        QVERIFY(core_->area().header == header);
        QCOMPARE(core_->area().isVertical, 0);

        // Vertical scrolling: enemies and objects keep their pages.
        const int enemyX = core_->area().enemy(1).x;
        const int enemyY = core_->area().enemy(1).y;
        onNextDialog<HeaderDialog>([](HeaderDialog* dialog) {
            dialog->list(1)->setCurrentRow(0);
            QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
        });
        window_->mainMenu()->action(Command::Ehdr)->trigger();
        QCOMPARE(core_->area().header.bit(1), 0);
        QCOMPARE(core_->area().isVertical, 1);
        bool found = false;
        for (const Enemy& e : core_->area().enemies)
            found = found || (e.x == (enemyX & 15) && e.y == enemyY + (enemyX / 16) * 15);
        QVERIFY(found);
    }

    void levelInfoShowsTheArea()
    {
        const int objects = core_->area().objCount();
        onNextDialog<LvInfoDialog>([objects](LvInfoDialog* dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Level information"));
            QCOMPARE(dialog->value(0)->text(), QStringLiteral("1-2, main part"));
            QCOMPARE(dialog->value(1)->text(), QStringLiteral("0A"));
            QCOMPARE(dialog->value(4)->text(), QString::number(objects));
        });
        window_->mainMenu()->action(Command::LI)->trigger();

        BoxCatcher boxes;
        window_->mainMenu()->action(Command::seeF)->trigger();
        QCOMPARE(boxes.titles, QStringList{QStringLiteral("Free space for this level")});
        QVERIFY(boxes.texts[0].startsWith(QStringLiteral("Objects: ")));
        QVERIFY(boxes.texts[0].contains(QStringLiteral("\nEnemy: ")));
    }

private:
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<EditorCore> core_;
    std::unique_ptr<MainWindow> window_;
    QString imagePath_;
};

int quorled::widgettests::runAreaEditingTests(int argc, char** argv)
{
    AreaEditingWidgetTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "areaediting_test.moc"
