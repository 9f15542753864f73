#include "carriedart.h"
#include "mainwindow.h"
#include "levelview.h"
#include "startupprobe.h"

#include "core/editorcore.h"
#include "platform/messages.h"
#include "platform/settingsfolder.h"
#include "romdata/imageerror.h"

#include <QApplication>
#include <QStringList>

#include <memory>

int main(int argc, char** argv)
{
    quorled::startupprobe::mark("libraries loaded");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorled"));
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

    quorled::MainWindow window(*core, quorled::settingsFileInFolder(), quorled::splashPicture());
    quorled::startupprobe::mark("main window built");
    quorled::startupprobe::watchFirstPaint(window.levelView());
    const QStringList arguments = QApplication::arguments();
    const QString imagePath = arguments.size() > 1 ? arguments.at(1) : QString();
    if (!window.startUp(imagePath))
        return 0;
    quorled::startupprobe::mark("window filled");
    window.show();
    quorled::startupprobe::mark("window shown");
    return QApplication::exec();
}
