#include "widgettests.h"

#include "editor/carriedart.h"
#include "editor/levelview.h"
#include "editor/mainmenu.h"
#include "editor/mainwindow.h"

#include "core/editorcore.h"
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

namespace {

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

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
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }

    void cleanup()
    {
        window_.reset();
        core_.reset();
        dir_.reset();
    }

    void answersDecideWhetherTheEditIsKept_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("ask");
        QTest::addColumn<int>("areaAfter");
        QTest::addColumn<bool>("fileChanged");
        QTest::newRow("save") << int(QMessageBox::Save) << true << 11 << true;
        QTest::newRow("discard") << int(QMessageBox::Discard) << true << 11 << false;
        QTest::newRow("cancel") << int(QMessageBox::Cancel) << true << 10 << false;
        QTest::newRow("option off") << int(QMessageBox::Cancel) << false << 11 << false;
    }

    void answersDecideWhetherTheEditIsKept()
    {
        QFETCH(int, answer);
        QFETCH(bool, ask);
        QFETCH(int, areaAfter);
        QFETCH(bool, fileChanged);
        QAction* option = window_->mainMenu()->action(Command::askDiscard);
        QVERIFY(option->isChecked());
        if (!ask)
            option->trigger();
        QCOMPARE(option->isChecked(), ask);

        const QByteArray before = readFile(imagePath_);
        QTest::keyClick(window_->levelView(), Qt::Key_Plus, Qt::KeypadModifier);
        QVERIFY(window_->windowTitle().endsWith(QStringLiteral(" *")));
        QCOMPARE(window_->mainMenu()->action(Command::editUndo)->text(), QStringLiteral("&Undo Change object"));

        Answerer answerer{QMessageBox::StandardButton(answer)};
        QTest::keyClick(window_->levelView(), Qt::Key_PageDown);
        QCOMPARE(answerer.texts, ask ? QStringList{QStringLiteral("Save changes to area 0A?")} : QStringList{});
        QCOMPARE(core_->currentArea(), areaAfter);
        QCOMPARE(readFile(imagePath_) != before, fileChanged);
        QCOMPARE(window_->windowTitle().endsWith(QStringLiteral(" *")), areaAfter == 10);
    }

    void moveDialogIsNotOpenedWhenTheQuestionIsCancelled()
    {
        QTest::keyClick(window_->levelView(), Qt::Key_Plus, Qt::KeypadModifier);
        Answerer answerer{QMessageBox::Cancel};
        window_->mainMenu()->action(Command::movL)->trigger();
        // Only the question came up; the Move dialog was never opened.
        QCOMPARE(answerer.texts, QStringList{QStringLiteral("Save changes to area 0A?")});
        QVERIFY(core_->document().differs());
    }

    void refusedSaveOffersMoveAndSave()
    {
        AreaModel& area = core_->area();
        while (core_->document().roomUse()->levelFits()) {
            area.objects.push_back(area.objects.front());
            core_->redraw();
        }
        QCOMPARE(window_->roomMeter()->property("fits").toBool(), false);
        const long before = area.levelDataOffset;
        QTimer::singleShot(0, [] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            for (QAbstractButton* button : box->buttons())
                if (button->text() == QStringLiteral("Move and save"))
                    button->click();
        });
        window_->mainMenu()->action(Command::lsave)->trigger();
        QVERIFY(core_->area().levelDataOffset != before);
        QVERIFY(!core_->document().differs());
        QVERIFY(window_->statusBar()->currentMessage().contains(QStringLiteral("; moved level data to $")));
        QCOMPARE(window_->roomMeter()->property("fits").toBool(), true);
    }

    void undoFromTheMenuAndTheRoomMeter()
    {
        QVERIFY(!window_->mainMenu()->action(Command::editUndo)->isEnabled());
        const QString meter = window_->roomMeter()->text();
        QVERIFY(meter.startsWith(QStringLiteral("Level data ")));
        window_->mainMenu()->action(Command::addE)->trigger();
        QVERIFY(window_->mainMenu()->action(Command::editUndo)->isEnabled());
        QVERIFY(window_->roomMeter()->text() != meter);
        QTest::keyClick(window_.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(window_->roomMeter()->text(), meter);
        QVERIFY(!window_->windowTitle().endsWith(QStringLiteral(" *")));
        QCOMPARE(window_->mainMenu()->action(Command::editRedo)->text(), QStringLiteral("&Redo Add enemy"));
    }

private:
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<EditorCore> core_;
    std::unique_ptr<MainWindow> window_;
    QString imagePath_;
};

int quorled::widgettests::runUnsavedGuardTests(int argc, char** argv)
{
    UnsavedGuardTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "unsavedguard_test.moc"
