#include "playtestcommands.h"

#include "mainwindow.h"

#include "core/session/editorcore.h"
#include "core/settings/playtest.h"
#include "platform/lineprompt.h"
#include "platform/messages.h"
#include "romdata/bytes.h"
#include "romdata/imageerror.h"

#include <QDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QProcess>
#include <QPushButton>

namespace quorled {

namespace {

DesktopDefault desktopDefault()
{
    return DesktopDefault([](const std::string& name) { return qEnvironmentVariable(name.c_str()).toStdString(); });
}

std::vector<std::string> commandWords(const QString& command)
{
    std::vector<std::string> words;
    for (const QString& word : QProcess::splitCommand(command))
        words.push_back(word.toStdString());
    return words;
}

// The emulator reads the image file, so unsaved edits are either saved
// first or left out of the test; false when the user cancels or the save
// fails. The edits stay in the editor either way.
bool readyToTest(MainWindow& window, EditorCore& core)
{
    if (!core.document().differs())
        return true;
    if (!core.settings().saveBeforeTesting) {
        QMessageBox box(QMessageBox::Question, QString::fromStdString(PlayTest::title()),
                        QObject::tr("Area %1 has unsaved edits. The emulator reads the image file.")
                            .arg(QString::fromStdString(hex2(core.currentArea()))),
                        QMessageBox::NoButton, &window);
        QPushButton* save = box.addButton(QObject::tr("Save and test"), QMessageBox::AcceptRole);
        QPushButton* saved = box.addButton(QObject::tr("Test the saved file"), QMessageBox::ActionRole);
        box.addButton(QMessageBox::Cancel);
        box.setDefaultButton(save);
        box.exec();
        if (box.clickedButton() == saved)
            return true;
        if (box.clickedButton() != save)
            return false;
    }
    core.saveArea();
    return !core.document().differs();
}

// Asks for the command when the desktop has no program for the image's
// type; what is typed is kept. Empty when the user gives none or the
// settings file can't keep it.
QString askForCommand(MainWindow& window, const PlayTest& play)
{
    const QString title = QObject::tr("Emulator command");
    const QString command =
        LinePrompt::ask(&window, title,
                        QObject::tr("The desktop has no program that opens this kind of image. The command that "
                                    "starts the emulator (the image's name is added at its end):"),
                        QString(), QObject::tr("All files (*)"))
            .trimmed();
    if (command.isEmpty())
        return {};
    try {
        play.storeCommand(command.toStdString());
    } catch (const ImageError& error) {
        showMessage(&window, QString::fromStdString(error.what()), title, MessageIcon::Warning);
        return {};
    }
    return command;
}

} // namespace

void testInEmulator(MainWindow& window, EditorCore& core, const QString& settingsPath)
{
    const QString title = QString::fromStdString(PlayTest::title());
    if (!readyToTest(window, core))
        return;
    const PlayTest play(settingsPath.toStdString());
    std::vector<std::string> words = commandWords(QString::fromStdString(play.storedCommand()));
    const QString image = QFileInfo(QString::fromStdString(core.romFileName())).absoluteFilePath();
    const std::string mimeType = QMimeDatabase().mimeTypeForFile(image).name().toStdString();
    const DesktopDefault desktop = desktopDefault();
    if (PlayTest::needsCommand(words, mimeType, desktop)) {
        const QString command = askForCommand(window, play);
        if (command.isEmpty())
            return;
        words = commandWords(command);
    }
    try {
        const EmulatorLaunch launch = PlayTest::launch(words, image.toStdString(), mimeType, desktop);
        QStringList arguments;
        for (const std::string& argument : launch.arguments)
            arguments << QString::fromStdString(argument);
        if (!QProcess::startDetached(QString::fromStdString(launch.program), arguments))
            showMessage(&window, QString::fromStdString(PlayTest::notStartedMessage(launch.program)), title,
                        MessageIcon::Warning);
    } catch (const ImageError& error) {
        showMessage(&window, QString::fromStdString(error.what()), title, MessageIcon::Warning);
    }
}

void chooseEmulator(MainWindow& window, const QString& settingsPath)
{
    const PlayTest play(settingsPath.toStdString());
    const QString title = QObject::tr("Emulator command");
    LinePrompt prompt(title,
                      QObject::tr("The command that starts the emulator; the image's name is added at its end. "
                                  "Leave it empty to use the program the desktop opens such images with."),
                      QString::fromStdString(play.storedCommand()), QObject::tr("All files (*)"), &window);
    if (prompt.exec() != QDialog::Accepted)
        return;
    try {
        play.storeCommand(prompt.text().trimmed().toStdString());
    } catch (const ImageError& error) {
        showMessage(&window, QString::fromStdString(error.what()), title, MessageIcon::Warning);
    }
}

} // namespace quorled
