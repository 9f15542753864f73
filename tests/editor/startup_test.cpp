#include "testfiles.h"
#include "widgettests.h"

#include "editor/carriedart.h"
#include "editor/imageopener.h"
#include "editor/levelview.h"
#include "editor/mainmenu.h"
#include "editor/mainwindow.h"

#include "assets/imageconversion.h"
#include "core/session/editorcore.h"
#include "romdata/demo/demoimage.h"
#include "romdata/romlayout.h"

#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace quorled;

namespace {

struct PromptCall {
    QString title;
    QString prompt;
    QString defaultText;
};

// Prompts answer from a queue (empty text once it runs out, as Cancel).
std::vector<PromptCall> promptCalls;
QStringList promptAnswers;

QString scriptedPrompt(QWidget*, const QString& title, const QString& prompt, const QString& defaultText)
{
    promptCalls.push_back({title, prompt, defaultText});
    return promptAnswers.isEmpty() ? QString() : promptAnswers.takeFirst();
}

// Closes every message box as it appears and keeps its text.
class MessageCatcher : public QObject {
public:
    MessageCatcher()
    {
        connect(&timer_, &QTimer::timeout, this, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                texts << box->text();
                box->accept();
            }
        });
        timer_.start(5);
    }
    QStringList texts;

private:
    QTimer timer_;
};

// Answers the question of a file without the iNES mark ("Open for viewing"
// when `open`, else Cancel), accepts every other box, and keeps each text.
class QuestionAnswerer : public QObject {
public:
    explicit QuestionAnswerer(bool open)
    {
        connect(&timer_, &QTimer::timeout, this, [this, open] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            texts << box->text();
            if (box->objectName() != QStringLiteral("question")) {
                box->accept();
                return;
            }
            for (QAbstractButton* button : box->buttons())
                if ((box->buttonRole(button) == QMessageBox::AcceptRole) == open) {
                    button->click();
                    return;
                }
        });
        timer_.start(5);
    }
    QStringList texts;

private:
    QTimer timer_;
};

void writeBytes(const QString& path, const std::vector<std::uint8_t>& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

} // namespace

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        settingsPath_ = dir_->filePath(QStringLiteral("Quorled.ini"));
        inesPath_ = dir_->filePath(QStringLiteral("demo.nes"));
        writeBytes(inesPath_, buildDemoImage(ImageKind::Ines));
        promptCalls.clear();
        promptAnswers.clear();
        ImageOpener::setPromptFunction(&scriptedPrompt);
        core_ = std::make_unique<EditorCore>(carriedPictures());
        window_ = std::make_unique<MainWindow>(*core_, settingsPath_, QPixmap());
    }

    void cleanup()
    {
        ImageOpener::setPromptFunction(nullptr);
        window_.reset();
        core_.reset();
        dir_.reset();
    }

    void firstStartOffersTheStoredNameAndEndsQuietlyOnCancel()
    {
        MessageCatcher messages;
        QVERIFY(!window_->startUp(QString()));
        QCOMPARE(promptCalls.size(), std::size_t(1));
        QCOMPARE(promptCalls[0].title, QStringLiteral("Quorl level editor"));
        QCOMPARE(promptCalls[0].prompt, QStringLiteral("Enter the filename and path :"));
        QCOMPARE(promptCalls[0].defaultText, QStringLiteral("quorl.nes"));
        QVERIFY(messages.texts.isEmpty());
        QVERIFY(!QFile::exists(settingsPath_));
    }

    void missingAndEmptyImagesAreExplainedThenAskedAgain()
    {
        const QString missing = dir_->filePath(QStringLiteral("missing.nes"));
        const QString empty = dir_->filePath(QStringLiteral("empty.nes"));
        writeBytes(empty, {});
        promptAnswers = {empty, inesPath_};
        MessageCatcher messages;
        QVERIFY(window_->startUp(missing));
        QCOMPARE(messages.texts.size(), 2);
        QVERIFY2(messages.texts[0].contains(QStringLiteral("missing.nes")), qPrintable(messages.texts[0]));
        QVERIFY2(messages.texts[1].contains(QStringLiteral("empty.nes")), qPrintable(messages.texts[1]));
        // The prompt comes back with the name that failed, so it can be corrected.
        QCOMPARE(promptCalls.size(), std::size_t(2));
        QCOMPARE(promptCalls[0].defaultText, missing);
        QVERIFY(!QFile::exists(missing));
        QCOMPARE(QFile(empty).size(), 0);
        QVERIFY(window_->windowTitle().startsWith(QStringLiteral("Quorl editor -- Area 00 -- ")));
    }

    void diskImageAsksOnceForTheReferenceAndKeepsIt()
    {
        const QString diskPath = dir_->filePath(QStringLiteral("demo.fds"));
        writeBytes(diskPath, buildDemoImage(ImageKind::Fds));
        promptAnswers = {inesPath_};
        MessageCatcher messages;
        QVERIFY(window_->startUp(diskPath));
        QVERIFY2(messages.texts.isEmpty(), qPrintable(messages.texts.join(QLatin1Char('\n'))));
        QCOMPARE(promptCalls.size(), std::size_t(1));
        QVERIFY(promptCalls[0].prompt.contains(QStringLiteral("iNES")));
        for (Command c : {Command::movL, Command::movZ, Command::ChTcdt, Command::Chcolor, Command::TFSpace,
                          Command::LvlDump, Command::LvlInsert})
            QVERIFY(!window_->mainMenu()->action(c)->isEnabled());
        for (Command c : {Command::seeF, Command::LI})
            QVERIFY(window_->mainMenu()->action(c)->isEnabled());
        window_->close();
        QFile file(settingsPath_);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QVERIFY2(text.contains("ReferenceImage=" + inesPath_.toUtf8() + "\n"), text.constData());

        // The next start uses the kept reference without asking.
        promptCalls.clear();
        auto core = std::make_unique<EditorCore>(carriedPictures());
        MainWindow again(*core, settingsPath_, QPixmap());
        QVERIFY(again.startUp(diskPath));
        QVERIFY(promptCalls.empty());
        again.close();
    }

    void aFileWithoutTheInesMarkOpensForViewingOnlyWhenTheUserInsists()
    {
        std::vector<std::uint8_t> bytes = buildDemoImage(ImageKind::Ines);
        bytes[0] = 'X';
        const QString foreign = dir_->filePath(QStringLiteral("foreign.nes"));
        writeBytes(foreign, bytes);
        const QString warning = QStringLiteral("The file ") + foreign +
                                QStringLiteral(" does not start with \"NES\" and the byte 1A as an iNES image does, so "
                                               "it is probably no image of the game.\nOpen it for viewing only? "
                                               "Nothing will be written to it.");
        {
            QuestionAnswerer cancel(false);
            QVERIFY(!window_->startUp(foreign));
            QCOMPARE(cancel.texts, QStringList{warning});
            QCOMPARE(promptCalls.size(), std::size_t(1));
            QCOMPARE(promptCalls[0].defaultText, foreign);
            QVERIFY(!core_->hasImage());
        }
        QuestionAnswerer open(true);
        QVERIFY(window_->startUp(foreign));
        QCOMPARE(QString::fromStdString(core_->romFileName()), foreign);
        window_->mainMenu()->action(Command::lsave)->trigger();
        QCOMPARE(open.texts.size(), 2);
        QCOMPARE(open.texts[1], QStringLiteral("The file ") + foreign +
                                    QStringLiteral(" does not start with \"NES\" and the byte 1A as an iNES image "
                                                   "does, so it is probably no image of the game. It is open for "
                                                   "viewing only, so nothing was written."));
        QCOMPARE(QFile(foreign).size(), qint64(bytes.size()));
        QFile file(foreign);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size())));
        QVERIFY(!QFile::exists(foreign + QStringLiteral(".bak")));
    }

    void manyDamagedAreasAreCountedWhenTheImageOpens()
    {
        {
            MessageCatcher messages;
            QVERIFY(window_->startUp(inesPath_));
            QVERIFY2(messages.texts.isEmpty(), qPrintable(messages.texts.join(QStringLiteral("; "))));
        }
        // A compilation image cut after its tables, whose first 30 areas
        // point past its end.
        std::vector<std::uint8_t> bytes = buildDemoImage(ImageKind::Snes);
        const RomLayout& layout = romLayout(ImageKind::Snes);
        for (long area = 0; area < 30; ++area) {
            bytes[static_cast<std::size_t>(layout.levelPointerLow + area)] = 0xFF;
            bytes[static_cast<std::size_t>(layout.levelPointerHigh + area)] = 0xFF;
        }
        bytes.resize(static_cast<std::size_t>(minimumImageLength(ImageKind::Snes)));
        const QString cut = dir_->filePath(QStringLiteral("cut.smc"));
        writeBytes(cut, bytes);
        MessageCatcher messages;
        QVERIFY(window_->startUp(cut));
        QCOMPARE(messages.texts.size(), 1);
        QVERIFY2(messages.texts[0].contains(QStringLiteral(" of the 210 areas of ") + cut +
                                            QStringLiteral(" do not decode cleanly (more than 10)")),
                 qPrintable(messages.texts[0]));
        QVERIFY(messages.texts[0].startsWith(QStringLiteral("30 of the 210")));
    }

    void reloadWithCancelledPromptKeepsTheImageAndRereadsTheSettings()
    {
        QFile settings(settingsPath_);
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write("[Options]\nStartArea= 10\nPageView= 1\n");
        settings.close();
        QVERIFY(window_->startUp(inesPath_));
        QCOMPARE(core_->currentArea(), 10);
        core_->keyDown(0x22, 0); // Page Down
        core_->keyDown(0x50, 0); // P: page separators off
        QCOMPARE(core_->currentArea(), 11);
        QCOMPARE(core_->view().pageView, 0);

        window_->mainMenu()->action(Command::lreload)->trigger();
        QCOMPARE(promptCalls.size(), std::size_t(1));
        QCOMPARE(promptCalls[0].defaultText, inesPath_);
        QCOMPARE(QString::fromStdString(core_->romFileName()), inesPath_);
        QCOMPARE(core_->currentArea(), 10);
        QCOMPARE(core_->view().pageView, 1);
        QVERIFY(window_->windowTitle().startsWith(QStringLiteral("Quorl editor -- Area 0A -- ")));
    }

    void reloadThatCannotReadTheImageStillShowsTheAreaAtTheNewZoom()
    {
        QVERIFY(window_->startUp(inesPath_));
        QCOMPARE(window_->levelView()->picture().size(), QSize(512, 480));
        QFile settings(settingsPath_);
        QVERIFY(settings.open(QIODevice::WriteOnly | QIODevice::Truncate));
        settings.write("[Options]\nZoom= 3\n");
        settings.close();
        QVERIFY(QFile::remove(inesPath_));

        MessageCatcher messages;
        window_->mainMenu()->action(Command::lreload)->trigger();
        QCOMPARE(messages.texts.size(), 1);
        QCOMPARE(window_->levelView()->zoom(), 3);
        QCOMPARE(window_->levelView()->picture(), assets::imageFromPicture(core_->viewPicture(), 3));
    }

    // The timing run of scripts/bench: the program itself, offscreen, lists
    // its start-up steps in order at the first paint and quits on its own,
    // leaving the image as it was.
    void startupReportListsTheStepsAndQuitsAtTheFirstPaint()
    {
        const QByteArray image = widgettests::readFile(inesPath_);
        QProcess editor;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), dir_->path());
        environment.insert(QStringLiteral("QUORLED_STARTUP_REPORT"), QStringLiteral("1"));
        editor.setProcessEnvironment(environment);
        editor.start(QStringLiteral(QUORLED_EDITOR_PATH), {inesPath_});
        QVERIFY(editor.waitForFinished(120000));
        QCOMPARE(editor.exitStatus(), QProcess::NormalExit);
        QCOMPARE(editor.exitCode(), 0);

        const QString report = QString::fromUtf8(editor.readAllStandardError());
        qsizetype at = 0;
        for (const char* step : {"libraries loaded", "application object", "pictures decoded", "main window built",
                                 "image read, first area loaded", "window filled", "window shown",
                                 "level view painted"}) {
            const qsizetype found = report.indexOf(QLatin1String(step), at);
            QVERIFY2(found >= 0, qPrintable(QStringLiteral("missing or out of order: %1\n%2").arg(QLatin1String(step), report)));
            at = found;
        }
        const QRegularExpressionMatch total =
            QRegularExpression(QStringLiteral("^first paint ([0-9]+\\.[0-9]) ms$"), QRegularExpression::MultilineOption)
                .match(report);
        QVERIFY2(total.hasMatch() && total.capturedStart() > at, qPrintable(report));
        QVERIFY(total.captured(1).toDouble() > 0);
        QCOMPARE(widgettests::readFile(inesPath_), image);
    }

private:
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<EditorCore> core_;
    std::unique_ptr<MainWindow> window_;
    QString settingsPath_;
    QString inesPath_;
};

int quorled::widgettests::runStartupTests(int argc, char** argv)
{
    StartupTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "startup_test.moc"
