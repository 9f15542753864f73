#include "widgettests.h"

#include "dialogs/fspacedialog.h"
#include "dialogs/movedialog.h"
#include "editor/carriedart.h"
#include "editor/mainmenu.h"
#include "editor/mainwindow.h"
#include "platform/lineprompt.h"

#include "core/editorcore.h"
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

namespace {

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

RomImage imageOf(const QByteArray& bytes)
{
    return RomImage::fromBytes(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
}

// Accepts every message box that shows up and keeps what it showed.
class Boxes : public QObject {
public:
    Boxes()
    {
        connect(&timer_, &QTimer::timeout, this, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shown << box->windowTitle() + QStringLiteral(" | ") + box->text();
                icons << box->icon();
                box->accept();
            }
        });
        timer_.start(5);
    }
    QStringList shown;
    QList<QMessageBox::Icon> icons;

private:
    QTimer timer_;
};

// Runs `check` on the modal dialog the next action opens; closes it with
// Cancel unless `check` closed it.
template <typename Dialog>
void onNextDialog(std::function<void(Dialog*)> check)
{
    QTimer::singleShot(0, [check] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        check(dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
}

} // namespace

class SpaceDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
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
        original_ = readFile(imagePath_);
    }
    void cleanup()
    {
        window_.reset();
        core_.reset();
        dir_.reset();
    }

    void moveDialogOpensWithOptionOneAndRefusesABadAddress()
    {
        Boxes boxes;
        const long offset = core_->area().levelDataOffset;
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
        window_->mainMenu()->action(Command::movL)->trigger();
        QCOMPARE(boxes.shown, QStringList{QStringLiteral(
                                  "Can't move level data there! | Address must be between $101C9 and $1400B.")});
        QCOMPARE(boxes.icons.value(0), QMessageBox::Warning);
        QCOMPARE(readFile(imagePath_), original_);
        QVERIFY(!QFile::exists(imagePath_ + QStringLiteral(".bak")));
    }

    void moveEnemyDataWithEraseWritesAndReloads()
    {
        Boxes boxes;
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
        const int enemies = core_->area().enemyCount();
        window_->mainMenu()->action(Command::movZ)->trigger();
        QCOMPARE(core_->area().enemyDataOffset, *target + 20);
        QCOMPARE(core_->area().enemyCount(), enemies);
        QVERIFY(readFile(imagePath_) != original_);
        QCOMPARE(readFile(imagePath_ + QStringLiteral(".bak")), original_);
        for (const QString& text : boxes.shown)
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
        window_->mainMenu()->action(Command::TFSpace)->trigger();
    }

    void dumpAndInsertAskAndReport()
    {
        Boxes boxes;
        const QString dump = dir_->filePath(QStringLiteral("levels.qlv"));
        onNextDialog<LinePrompt>([&](LinePrompt* prompt) {
            QCOMPARE(prompt->windowTitle(), QStringLiteral("Dump level data"));
            QCOMPARE(prompt->text(), dir_->filePath(QStringLiteral("demo.qlv")));
            prompt->lineEdit()->setText(dump);
            prompt->accept();
        });
        window_->mainMenu()->action(Command::LvlDump)->trigger();
        QCOMPARE(boxes.shown, QStringList{QStringLiteral("Dump level data | Dump done.")});
        QCOMPARE(QFileInfo(dump).size(), qint64(16384));

        // A cancelled prompt does nothing; a missing file is refused without
        // a reload, so unsaved edits stay (the unsaved-edit question is
        // turned off here; its own tests drive it).
        window_->mainMenu()->action(Command::askDiscard)->trigger();
        core_->runCommand(Command::DelAll);
        onNextDialog<LinePrompt>([](LinePrompt* prompt) { prompt->reject(); });
        window_->mainMenu()->action(Command::LvlInsert)->trigger();
        const QString missing = dir_->filePath(QStringLiteral("none.qlv"));
        onNextDialog<LinePrompt>([&](LinePrompt* prompt) {
            QCOMPARE(prompt->windowTitle(), QStringLiteral("Insert level data"));
            prompt->lineEdit()->setText(missing);
            prompt->accept();
        });
        window_->mainMenu()->action(Command::LvlInsert)->trigger();
        QCOMPARE(boxes.shown.value(1),
                 QStringLiteral("Error! | Dump file (") + missing + QStringLiteral(") is either empty or doesn't exist."));
        QCOMPARE(boxes.shown.size(), 2);
        QCOMPARE(core_->area().objCount(), 0);
        QVERIFY(!QFile::exists(missing));

        onNextDialog<LinePrompt>([&](LinePrompt* prompt) {
            prompt->lineEdit()->setText(dump);
            prompt->accept();
        });
        window_->mainMenu()->action(Command::LvlInsert)->trigger();
        QCOMPARE(boxes.shown.value(2), QStringLiteral("Dump level data | Level data insertion done."));
        QVERIFY(core_->area().objCount() > 0); // reloaded
        QCOMPARE(readFile(imagePath_), original_);
    }

    void aFailedInsertionWriteShowsTheErrorTitle()
    {
        Boxes boxes;
        const QString dump = dir_->filePath(QStringLiteral("levels.qlv"));
        QFile file(dump);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(original_.mid(0x10010, 16384));
        file.close();
        QFile::setPermissions(imagePath_, QFileDevice::ReadOwner);
        onNextDialog<LinePrompt>([&](LinePrompt* prompt) {
            prompt->lineEdit()->setText(dump);
            prompt->accept();
        });
        window_->mainMenu()->action(Command::LvlInsert)->trigger();
        QCOMPARE(boxes.shown, QStringList{QStringLiteral("Error! | The image ") + imagePath_ +
                                          QStringLiteral(" is read-only.")});
    }

private:
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<EditorCore> core_;
    std::unique_ptr<MainWindow> window_;
    QString imagePath_;
    QByteArray original_;
};

int quorled::widgettests::runSpaceDialogTests(int argc, char** argv)
{
    SpaceDialogsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "spacedialogs_test.moc"
