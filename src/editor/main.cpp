#include "carriedart.h"
#include "core/editorarguments.h"
#include "mainwindow.h"

#include "cli/cliargs.h"
#include "core/areajump.h"
#include "core/editorcore.h"
#include "platform/messages.h"
#include "platform/settingsfolder.h"
#include "quorled/version.h"
#include "romdata/imageerror.h"

#include <QApplication>
#include <QStringList>

#include <iostream>
#include <memory>

int main(int argc, char** argv)
{
    // The command line is read before Qt starts, so that --help, --version
    // and usage errors need no display.
    quorled::EditorArguments arguments;
    try {
        arguments = quorled::parseEditorArguments(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const quorled::cli::UsageError& error) {
        std::cerr << "quorled: " << error.what() << "\n" << quorled::editorUsage();
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

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorled"));
    QApplication::setApplicationVersion(QString::fromLatin1(quorled::kVersion));
    QApplication::setDesktopFileName(QStringLiteral("quorled"));

    std::unique_ptr<quorled::EditorCore> core;
    try {
        core = std::make_unique<quorled::EditorCore>(quorled::carriedPictures());
    } catch (const quorled::ImageError& error) {
        quorled::showMessage(nullptr, QString::fromStdString(error.what()), QStringLiteral("Quorl editor"),
                             quorled::MessageIcon::Critical);
        return 1;
    }

    quorled::MainWindow window(*core, quorled::settingsFileInFolder(), quorled::splashPicture());
    if (!window.startUp(QString::fromLocal8Bit(arguments.imagePath.c_str())))
        return 0;
    if (arguments.area) {
        if (const auto problem = quorled::jumpToArea(*core, *arguments.area))
            quorled::showMessage(nullptr, QString::fromStdString(*problem), QStringLiteral("Quorl editor"),
                                 quorled::MessageIcon::Warning);
    }
    window.show();
    return QApplication::exec();
}
