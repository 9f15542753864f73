#include "widgettests.h"

#include "testfiles.h"

#include "demowindow.h"
#include "dialogdriving.h"

#include "dialogs/fspacedialog.h"
#include "dialogs/movedialog.h"
#include "editor/carriedart.h"
#include "editor/mainmenu.h"
#include "editor/mainwindow.h"
#include "platform/lineprompt.h"

#include "core/session/editorcore.h"
#include "romdata/datamove.h"
#include "romdata/demo/demoimage.h"
#include "romdata/freespace.h"
#include "romdata/romimage.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
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

namespace {

RomImage imageOf(const QByteArray& bytes)
{
    return RomImage::fromBytes(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
}

} // namespace

class SpaceDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        QVERIFY(demo_.open(false));
        original_ = readFile(demo_.imagePath);
    }
    void cleanup()
    {
        demo_.close();
    }

    void moveDialogOpensWithOptionOneAndRefusesABadAddress()
    {
        BoxCatcher boxes;
        const long offset = demo_.core->area().levelDataOffset;
        const long size = measureMoveSource(imageOf(original_), 10, MoveData::Level).size;
        onNextDialog<MoveDialog>([&](MoveDialog* dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Move level data"));
            QCOMPARE(dialog->addressBox()->text(), QString::number(offset, 16).toUpper());
            QCOMPARE(dialog->locationLabel()->text(), QString::number(offset, 16).toUpper());
            QCOMPARE(dialog->sizeLabel()->text(), QString::number(size));
            QVERIFY(!dialog->option(0)->isChecked() && dialog->option(1)->isChecked() &&
                    !dialog->option(2)->isChecked());
            QCOMPARE(dialog->option(2)->text(),
                     QStringLiteral("Change pointers, copy level data to new address, and delete data at actual "
                                    "address to free space"));
            dialog->addressBox()->setText(QStringLiteral("12G45"));
            dialog->option(0)->click();
            QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
            QVERIFY(dialog->isVisible()); // a refusal keeps the dialog open
        });
        demo_.window->mainMenu()->action(Command::movL)->trigger();
        QCOMPARE(boxes.shown(), QStringList{QStringLiteral(
                                  "Can't move level data there! | Address must be between $101C9 and $1400B.")});
        QCOMPARE(boxes.icons.value(0), QMessageBox::Warning);
        QCOMPARE(readFile(demo_.imagePath), original_);
        QVERIFY(!QFile::exists(demo_.imagePath + QStringLiteral(".bak")));
    }

    void moveEnemyDataWithEraseWritesAndReloads()
    {
        BoxCatcher boxes;
        const long size = measureMoveSource(imageOf(original_), 10, MoveData::Enemy).size;
        const std::optional<long> target = findMoveTarget(imageOf(original_), MoveData::Enemy, size + 40);
        QVERIFY(target);
        onNextDialog<MoveDialog>([&](MoveDialog* dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Move enemy data"));
            QCOMPARE(dialog->option(1)->text(), QStringLiteral("Change pointers and copy enemy data to new address"));
            dialog->addressBox()->setText(QString::number(*target + 20, 16));
            dialog->option(2)->click();
            QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
            QVERIFY(!dialog->isVisible());
        });
        const int enemies = demo_.core->area().enemyCount();
        demo_.window->mainMenu()->action(Command::movZ)->trigger();
        QCOMPARE(demo_.core->area().enemyDataOffset, *target + 20);
        QCOMPARE(demo_.core->area().enemyCount(), enemies);
        QVERIFY(readFile(demo_.imagePath) != original_);
        QCOMPARE(readFile(demo_.imagePath + QStringLiteral(".bak")), original_);
        for (const QString& text : boxes.shown())
            QVERIFY2(!text.startsWith(QStringLiteral("Can't")), qPrintable(text));
    }

    void totalFreeSpaceShowsTheLabelAndTheBar()
    {
        const FreeSpaceCount count = countFreeSpace(imageOf(original_));
        onNextDialog<FSpaceDialog>([&](FSpaceDialog* dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Total free space"));
            QCOMPARE(dialog->valueLabel()->text(), QString::fromStdString(freeSpaceText(count)));
            const QImage bar = dialog->bar()->picture();
            const int edge = int(300.0 * double(count.free) / double(count.total) + 0.5);
            QCOMPARE(bar.pixelColor(0, 0), QColor(255, 240, 0));
            QCOMPARE(bar.pixelColor(edge, 15), QColor(255, 240, 0));
            QCOMPARE(bar.pixelColor(edge + 1, 15), QColor(0, 0, 85));
            QCOMPARE(bar.pixelColor(300, 0), QColor(0, 0, 85));
            QCOMPARE(bar.pixelColor(150, 24), QColor(Qt::black)); // the longest tick
            QCOMPARE(bar.pixelColor(3, 17), QColor(Qt::black));
            QCOMPARE(bar.pixelColor(3, 18), QColor(Qt::white));
            QCOMPARE(bar.pixelColor(1, 16), QColor(Qt::white));
        });
        demo_.window->mainMenu()->action(Command::TFSpace)->trigger();
    }

    void dumpAndInsertAskAndReport()
    {
        BoxCatcher boxes;
        const QString dump = demo_.dir->filePath(QStringLiteral("levels.qlv"));
        onNextDialog<LinePrompt>([&](LinePrompt* prompt) {
            QCOMPARE(prompt->windowTitle(), QStringLiteral("Dump level data"));
            QCOMPARE(prompt->text(), demo_.dir->filePath(QStringLiteral("demo.qlv")));
            prompt->lineEdit()->setText(dump);
            prompt->accept();
        });
        demo_.window->mainMenu()->action(Command::LvlDump)->trigger();
        QCOMPARE(boxes.shown(), QStringList{QStringLiteral("Dump level data | Dump done.")});
        QCOMPARE(QFileInfo(dump).size(), qint64(16384));

        // A cancelled prompt does nothing; a missing file is refused without
        // a reload, so unsaved edits stay (the unsaved-edit question is
        // turned off here; its own tests drive it).
        demo_.window->mainMenu()->action(Command::askDiscard)->trigger();
        demo_.core->deleteAll();
        onNextDialog<LinePrompt>([](LinePrompt* prompt) { prompt->reject(); });
        demo_.window->mainMenu()->action(Command::LvlInsert)->trigger();
        const QString missing = demo_.dir->filePath(QStringLiteral("none.qlv"));
        onNextDialog<LinePrompt>([&](LinePrompt* prompt) {
            QCOMPARE(prompt->windowTitle(), QStringLiteral("Insert level data"));
            prompt->lineEdit()->setText(missing);
            prompt->accept();
        });
        demo_.window->mainMenu()->action(Command::LvlInsert)->trigger();
        QCOMPARE(boxes.shown().value(1),
                 QStringLiteral("Error! | Dump file (") + missing + QStringLiteral(") is either empty or doesn't exist."));
        QCOMPARE(boxes.shown().size(), 2);
        QCOMPARE(demo_.core->area().objCount(), 0);
        QVERIFY(!QFile::exists(missing));

        onNextDialog<LinePrompt>([&](LinePrompt* prompt) {
            prompt->lineEdit()->setText(dump);
            prompt->accept();
        });
        demo_.window->mainMenu()->action(Command::LvlInsert)->trigger();
        QCOMPARE(boxes.shown().value(2), QStringLiteral("Dump level data | Level data insertion done."));
        // The insertion keeps the unsaved edits of the area.
        QCOMPARE(demo_.core->area().objCount(), 0);
        QVERIFY(demo_.core->document().differs());
        QCOMPARE(readFile(demo_.imagePath), original_);
    }

    void aFailedInsertionWriteShowsTheErrorTitle()
    {
        BoxCatcher boxes;
        const QString dump = demo_.dir->filePath(QStringLiteral("levels.qlv"));
        QFile file(dump);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(original_.mid(0x10010, 16384));
        file.close();
        QFile::setPermissions(demo_.imagePath, QFileDevice::ReadOwner);
        onNextDialog<LinePrompt>([&](LinePrompt* prompt) {
            prompt->lineEdit()->setText(dump);
            prompt->accept();
        });
        demo_.window->mainMenu()->action(Command::LvlInsert)->trigger();
        QCOMPARE(boxes.shown(), QStringList{QStringLiteral("Error! | The image ") + demo_.imagePath +
                                          QStringLiteral(" is read-only.")});
    }

private:
    DemoWindow demo_;
    QByteArray original_;
};

int quorled::widgettests::runSpaceDialogTests(int argc, char** argv)
{
    SpaceDialogsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "spacedialogs_test.moc"
