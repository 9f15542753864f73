#include "carriedart.h"
#include "core/session/editorarguments.h"
#include "mainwindow.h"
#include "levelview.h"
#include "startupprobe.h"

#include "cli/cliargs.h"
#include "core/session/areajump.h"
#include "core/session/editorcore.h"
#include "core/settings/editorsettings.h"
#include "platform/messages.h"
#include "quorled/version.h"
#include "romdata/heaptuning.h"
#include "romdata/imageerror.h"
#include "romdata/shownname.h"

#include <QApplication>
#include <QFile>
#include <QStringList>

#include <iostream>
#include <memory>

int main(int argc, char** argv)
{
    quorled::keepHeapPages();
    // The command line is read before Qt starts, so that --help, --version
    // and usage errors need no display.
    quorled::EditorArguments arguments;
    try {
        arguments = quorled::parseEditorArguments(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const quorled::cli::UsageError& error) {
        std::cerr << "quorled: " << quorled::shownName(error.what()) << "\n" << quorled::editorUsage();
        return 2;
    }
    if (arguments.action == quorled::EditorArguments::Action::Help) {
        std::cout << quorled::editorUsage();
        return 0;
    }
    if (arguments.action == quorled::EditorArguments::Action::Version) {
        std::cout << "quorled " << quorled::kVersion << "\n";
        return 0;
    }

    // The name keeps its bytes; one that would come back as other bytes
    // would open another file, so it is refused, before any window.
    const QString imagePath = QFile::decodeName(QByteArray::fromStdString(arguments.imagePath));
    if (QFile::encodeName(imagePath).toStdString() != arguments.imagePath) {
        std::cerr << "quorled: The file name " << quorled::shownName(arguments.imagePath)
                  << " cannot be kept byte for byte by this program, so it was not opened.\n";
        return 2;
    }

    quorled::startupprobe::mark("libraries loaded");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorled"));
    QApplication::setApplicationVersion(QString::fromLatin1(quorled::kVersion));
    QApplication::setDesktopFileName(QStringLiteral("quorled"));
    quorled::startupprobe::mark("application object");

    std::unique_ptr<quorled::EditorCore> core;
    try {
        core = std::make_unique<quorled::EditorCore>(quorled::carriedPictures());
    } catch (const quorled::ImageError& error) {
        quorled::showMessage(nullptr, QString::fromStdString(error.what()), QStringLiteral("Quorl editor"),
                             quorled::MessageIcon::Critical);
        return 1;
    }
    quorled::startupprobe::mark("pictures decoded");

    // The settings file by the same rule as quorled-cli's: no HOME (and no
    // XDG_CONFIG_HOME) means no settings file, never one in the root folder.
    const QString settingsPath = QFile::decodeName(QByteArray::fromStdString(quorled::settingsFilePath(
        qgetenv("XDG_CONFIG_HOME").toStdString(), qgetenv("HOME").toStdString())));
    quorled::MainWindow window(*core, settingsPath, quorled::splashPicture());
    quorled::startupprobe::mark("main window built");
    quorled::startupprobe::watchFirstPaint(window.levelView());
    if (!window.startUp(imagePath))
        return 0;
    if (arguments.area) {
        if (const auto problem = quorled::jumpToArea(*core, *arguments.area))
            quorled::showMessage(nullptr, QString::fromStdString(*problem), QStringLiteral("Quorl editor"),
                                 quorled::MessageIcon::Warning);
    }
    quorled::startupprobe::mark("window filled");
    window.show();
    quorled::startupprobe::mark("window shown");
    return QApplication::exec();
}
