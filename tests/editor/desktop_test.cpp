#include "widgettests.h"

#include "demowindow.h"
#include "testfiles.h"

#include "core/session/editorcore.h"
#include "core/settings/playtest.h"
#include "core/settings/settingsfile.h"
#include "dialogs/areasdialog.h"
#include "editor/levelview.h"
#include "editor/mainmenu.h"
#include "editor/mainwindow.h"
#include "patch/patchfile.h"
#include "platform/lineprompt.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMimeDatabase>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <deque>

using namespace quorled;
using quorled::widgettests::DemoWindow;
using quorled::widgettests::readFile;

namespace {

// Answers the modal windows as they come: question boxes with `answer` (or
// the button captioned `buttonText`), other boxes with OK (keeping their
// texts), and each line prompt with the next of `lines` (Cancel when none
// is left).
class Driver : public QObject {
public:
    Driver(QMessageBox::StandardButton answer, QStringList lines, QString buttonText = {})
        : lines_(lines.begin(), lines.end())
    {
        connect(&timer_, &QTimer::timeout, this, [this, answer, buttonText] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                boxes << box->text();
                const QList<QAbstractButton*> buttons = box->buttons();
                const auto captioned = std::find_if(buttons.begin(), buttons.end(), [&](QAbstractButton* button) {
                    return !buttonText.isEmpty() && button->text() == buttonText;
                });
                if (captioned != buttons.end())
                    (*captioned)->click();
                else if (QAbstractButton* button = box->button(answer))
                    button->click();
                else
                    box->accept();
            } else if (auto* prompt = qobject_cast<LinePrompt*>(modal)) {
                prompts << prompt->lineEdit()->text();
                if (lines_.empty()) {
                    prompt->reject();
                    return;
                }
                prompt->lineEdit()->setText(lines_.front());
                lines_.pop_front();
                prompt->accept();
            }
        });
        timer_.start(5);
    }
    QStringList boxes;
    QStringList prompts; // the text each prompt proposed

private:
    std::deque<QString> lines_;
    QTimer timer_;
};

constexpr const char* kXdgVariables[] = {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_DATA_DIRS", "XDG_CONFIG_DIRS"};

std::vector<std::uint8_t> bytes(const QByteArray& data) { return {data.begin(), data.end()}; }

} // namespace

class DesktopTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        QVERIFY(demo_.open(true));
        settings_ = demo_.dir->filePath(QStringLiteral("Quorled.ini"));
        // A stand-in emulator in a folder with a blank in its name: it keeps
        // its arguments and a copy of the image it was given.
        QVERIFY(QDir(demo_.dir->path()).mkpath(QStringLiteral("stand in")));
        standIn_ = demo_.dir->filePath(QStringLiteral("stand in/emu.sh"));
        argsFile_ = demo_.dir->filePath(QStringLiteral("args.txt"));
        seenFile_ = demo_.dir->filePath(QStringLiteral("seen.nes"));
        QFile script(standIn_);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(QStringLiteral("#!/bin/sh\nfor last; do :; done\ncp \"$last\" '%1.part' && mv '%1.part' '%1'\n"
                                    "printf '%s\\n' \"$@\" > '%2.part' && mv '%2.part' '%2'\n")
                         .arg(seenFile_, argsFile_).toUtf8());
        script.close();
        QVERIFY(script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }

    void cleanup()
    {
        for (const char* name : kXdgVariables)
            qunsetenv(name);
        demo_.close();
    }

    // A desktop of the test's own: XDG folders in the test folder, with the
    // stand-in emulator as the default application of the image's type when
    // `withDefault` is set.
    void useOwnDesktop(bool withDefault)
    {
        const QString root = demo_.dir->filePath(QStringLiteral("desktop"));
        QVERIFY(QDir(root).mkpath(QStringLiteral("data/applications")));
        QVERIFY(QDir(root).mkpath(QStringLiteral("config")));
        QVERIFY(QDir(root).mkpath(QStringLiteral("system")));
        qputenv("XDG_DATA_HOME", (root + QStringLiteral("/data")).toUtf8());
        qputenv("XDG_CONFIG_HOME", (root + QStringLiteral("/config")).toUtf8());
        qputenv("XDG_DATA_DIRS", (root + QStringLiteral("/system")).toUtf8());
        qputenv("XDG_CONFIG_DIRS", (root + QStringLiteral("/system")).toUtf8());
        if (!withDefault)
            return;
        const QString type = QMimeDatabase().mimeTypeForFile(demo_.imagePath).name();
        QFile entry(root + QStringLiteral("/data/applications/quorl-stand-in.desktop"));
        QVERIFY(entry.open(QIODevice::WriteOnly));
        entry.write(QStringLiteral("[Desktop Entry]\nType=Application\nName=Stand-in\nExec=\"%1\" --window %f\n")
                        .arg(standIn_)
                        .toUtf8());
        entry.close();
        QFile list(root + QStringLiteral("/config/mimeapps.list"));
        QVERIFY(list.open(QIODevice::WriteOnly));
        list.write(QStringLiteral("[Default Applications]\n%1=missing.desktop;quorl-stand-in.desktop;\n").arg(type).toUtf8());
    }

    void playTestWithoutACommandStartsTheDesktopDefault()
    {
        useOwnDesktop(true);
        demo_.window->mainMenu()->action(Command::testEmu)->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(argsFile_), 5000);
        QCOMPARE(QString::fromUtf8(readFile(argsFile_)), QStringLiteral("--window\n%1\n").arg(demo_.imagePath));
    }

    // F9 with unsaved edits: save and test, test the file as saved, cancel,
    // or save without the question when the option says so.
    void playTestWithUnsavedEditsSavesOrTestsTheSavedFile_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("saveWithoutAsking");
        QTest::addColumn<bool>("starts");
        QTest::addColumn<bool>("saved");
        QTest::newRow("save and test") << QStringLiteral("Save and test") << false << true << true;
        QTest::newRow("test the saved file") << QStringLiteral("Test the saved file") << false << true << false;
        QTest::newRow("cancel") << QStringLiteral("Cancel") << false << false << false;
        QTest::newRow("save without asking") << QStringLiteral("Cancel") << true << true << true;
    }

    void playTestWithUnsavedEditsSavesOrTestsTheSavedFile()
    {
        QFETCH(QString, button);
        QFETCH(bool, saveWithoutAsking);
        QFETCH(bool, starts);
        QFETCH(bool, saved);
        PlayTest(settings_.toStdString()).storeCommand(QStringLiteral("\"%1\" --fullscreen").arg(standIn_).toStdString());
        QAction* option = demo_.window->mainMenu()->action(Command::saveBeforeTest);
        QVERIFY(option->isCheckable() && !option->isChecked());
        if (saveWithoutAsking)
            option->trigger();
        QCOMPARE(option->isChecked(), saveWithoutAsking);
        const QByteArray before = readFile(demo_.imagePath);
        QTest::keyClick(demo_.window->levelView(), Qt::Key_Plus, Qt::KeypadModifier);
        QVERIFY(demo_.core->document().differs());

        Driver driver(QMessageBox::Cancel, {}, button);
        QAction* test = demo_.window->mainMenu()->action(Command::testEmu);
        QCOMPARE(test->shortcut(), QKeySequence(Qt::Key_F9));
        test->trigger();
        QCOMPARE(driver.boxes, saveWithoutAsking ? QStringList{}
                                                 : QStringList{QStringLiteral("Area 0A has unsaved edits. The emulator "
                                                                              "reads the image file.")});
        QCOMPARE(readFile(demo_.imagePath) != before, saved);
        // The edits stay in the editor unless they were saved.
        QCOMPARE(demo_.core->document().differs(), !saved);
        if (!starts) {
            QTest::qWait(300);
            QVERIFY(!QFile::exists(argsFile_));
            return;
        }
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(argsFile_), 5000);
        QCOMPARE(QString::fromUtf8(readFile(argsFile_)), QStringLiteral("--fullscreen\n%1\n").arg(demo_.imagePath));
        // The emulator saw the file as it is on disk.
        QTRY_COMPARE_WITH_TIMEOUT(readFile(seenFile_), readFile(demo_.imagePath), 5000);
    }

    // Without a kept command or a desktop default the command is asked for,
    // kept, and not asked for again; a cancelled question starts nothing.
    void withoutADefaultTheCommandIsAskedForAndKept()
    {
        useOwnDesktop(false);
        QAction* test = demo_.window->mainMenu()->action(Command::testEmu);
        {
            Driver cancel(QMessageBox::Ok, {});
            test->trigger();
            QCOMPARE(cancel.prompts, QStringList{QString()});
            QVERIFY(cancel.boxes.isEmpty());
        }
        QCOMPARE(PlayTest(settings_.toStdString()).storedCommand(), std::string());
        const QString command = QStringLiteral("\"%1\" --asked").arg(standIn_);
        {
            Driver answer(QMessageBox::Ok, {QStringLiteral("  ") + command});
            test->trigger();
            QCOMPARE(answer.prompts.size(), 1);
            QVERIFY(answer.boxes.isEmpty());
        }
        QCOMPARE(PlayTest(settings_.toStdString()).storedCommand(), command.toStdString());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(argsFile_), 5000);
        QCOMPARE(QString::fromUtf8(readFile(argsFile_)), QStringLiteral("--asked\n%1\n").arg(demo_.imagePath));
        QVERIFY(QFile::remove(argsFile_));
        Driver again(QMessageBox::Ok, {});
        test->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(argsFile_), 5000);
        QVERIFY(again.prompts.isEmpty());
    }

    // A command that names no program counts as none: the command is asked for.
    void missingOrBrokenEmulatorsAreReported_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<int>("prompts");
        QTest::newRow("not there") << QStringLiteral("/nonexistent/emu -f")
                                   << QStringList{QString::fromStdString(PlayTest::notStartedMessage("/nonexistent/emu"))}
                                   << 0;
        QTest::newRow("an empty program") << QStringLiteral("\"\"") << QStringList{} << 1;
    }

    void missingOrBrokenEmulatorsAreReported()
    {
        QFETCH(QString, command);
        QFETCH(QStringList, messages);
        QFETCH(int, prompts);
        PlayTest(settings_.toStdString()).storeCommand(command.toStdString());
        useOwnDesktop(false);
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", demo_.dir->path().toUtf8());
        Driver driver(QMessageBox::Ok, {});
        demo_.window->mainMenu()->action(Command::testEmu)->trigger();
        qputenv("PATH", path);
        QCOMPARE(driver.boxes, messages);
        QCOMPARE(driver.prompts.size(), prompts);
    }

    void emulatorCommandIsKeptInTheSettingsFile()
    {
        Driver driver(QMessageBox::Ok, {QStringLiteral("  stand-in --no-gui  "), QString()});
        QAction* choose = demo_.window->mainMenu()->action(Command::emuCmd);
        choose->trigger();
        QCOMPARE(PlayTest(settings_.toStdString()).storedCommand(), std::string("stand-in --no-gui"));
        // Proposed next time; an empty answer clears it.
        choose->trigger();
        QCOMPARE(driver.prompts.last(), QStringLiteral("stand-in --no-gui"));
        QCOMPARE(PlayTest(settings_.toStdString()).storedCommand(), std::string());
        QVERIFY(driver.boxes.isEmpty());
    }

    void exportedPatchTurnsTheOriginalIntoTheSavedImage_data()
    {
        QTest::addColumn<QString>("patchName");
        QTest::newRow("bps") << QStringLiteral("hack.bps");
        QTest::newRow("ips") << QStringLiteral("hack.ips");
    }

    void exportedPatchTurnsTheOriginalIntoTheSavedImage()
    {
        QFETCH(QString, patchName);
        const QString original = demo_.dir->filePath(QStringLiteral("original.nes"));
        QVERIFY(QFile::copy(demo_.imagePath, original));
        QTest::keyClick(demo_.window->levelView(), Qt::Key_Plus, Qt::KeypadModifier);
        const QString patch = demo_.dir->filePath(patchName);
        {
            Driver driver(QMessageBox::Save, {original, patch});
            demo_.window->mainMenu()->action(Command::exportPatch)->trigger();
            QCOMPARE(driver.boxes.size(), 2);
            QCOMPARE(driver.boxes.first(), QStringLiteral("Save changes to area 0A?"));
            QVERIFY2(driver.boxes.last().startsWith(QStringLiteral("Wrote the patch ") + patch),
                     qPrintable(driver.boxes.last()));
            QCOMPARE(driver.prompts, (QStringList{QString(), demo_.dir->filePath(QStringLiteral("demo.bps"))}));
        }
        const auto saved = bytes(readFile(demo_.imagePath));
        QVERIFY(saved != bytes(readFile(original)));
        QVERIFY(applyPatch(bytes(readFile(original)), bytes(readFile(patch))) == saved);
        // The original is proposed the next time; the settings file keeps it,
        // also when the window writes its own settings at closing.
        {
            Driver again(QMessageBox::Ok, {});
            demo_.window->mainMenu()->action(Command::exportPatch)->trigger();
            QCOMPARE(again.prompts, QStringList{original});
        }
        demo_.window->close();
        QCOMPARE(SettingsFile::load(settings_.toStdString()).read("Options", "PatchOriginal"), original.toStdString());
    }

    void exportRefusesTheImageItselfAsThePatch()
    {
        const QByteArray before = readFile(demo_.imagePath);
        const QString original = demo_.dir->filePath(QStringLiteral("original.nes"));
        QVERIFY(QFile::copy(demo_.imagePath, original));
        QVERIFY(QFile::link(demo_.imagePath, demo_.dir->filePath(QStringLiteral("link.ips"))));
        Driver driver(QMessageBox::Ok, {original, demo_.dir->filePath(QStringLiteral("link.ips"))});
        demo_.window->mainMenu()->action(Command::exportPatch)->trigger();
        QCOMPARE(driver.boxes.size(), 1);
        QVERIFY2(driver.boxes.first().contains(QStringLiteral("is the same file as")), qPrintable(driver.boxes.first()));
        QCOMPARE(readFile(demo_.imagePath), before);
    }

    // The saved edit of area 0A is the one difference, marked in "Select area".
    void compareMarksTheAreasThatDiffer()
    {
        const QString original = demo_.dir->filePath(QStringLiteral("original.nes"));
        QVERIFY(QFile::copy(demo_.imagePath, original));
        QTest::keyClick(demo_.window->levelView(), Qt::Key_Plus, Qt::KeypadModifier);
        {
            Driver driver(QMessageBox::Save, {original});
            demo_.window->mainMenu()->action(Command::compareImage)->trigger();
            QCOMPARE(driver.boxes.size(), 2);
            QVERIFY2(driver.boxes.last().startsWith(QStringLiteral("1 of 210 areas differ from ") + original +
                                                    QStringLiteral(": 0A.")),
                     qPrintable(driver.boxes.last()));
        }
        QStringList marked;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<AreasDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            for (int i = 0; i < dialog->areaList()->count(); ++i)
                if (dialog->areaList()->item(i)->text().endsWith(QStringLiteral(" (differs)")))
                    marked << dialog->areaList()->item(i)->text();
            dialog->reject();
        });
        demo_.window->mainMenu()->action(Command::sel1)->trigger();
        QCOMPARE(marked, QStringList{QString::fromStdString(demo_.core->directory().areaName(0x0A)) +
                                     QStringLiteral(" (differs)")});

        Driver same(QMessageBox::Ok, {demo_.imagePath});
        demo_.window->mainMenu()->action(Command::compareImage)->trigger();
        QCOMPARE(same.boxes, QStringList{QStringLiteral("Every area is the same in ") + demo_.imagePath +
                                         QStringLiteral(".")});
    }

private:
    DemoWindow demo_;
    QString settings_;
    QString standIn_;
    QString argsFile_;
    QString seenFile_;
};

int quorled::widgettests::runDesktopTests(int argc, char** argv)
{
    DesktopTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "desktop_test.moc"
