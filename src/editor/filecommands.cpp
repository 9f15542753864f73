#include "filecommands.h"

#include "filechooser.h"
#include "mainwindow.h"
#include "shownpath.h"

#include "assets/imageconversion.h"
#include "core/session/editorcore.h"
#include "core/session/imagesaveas.h"
#include "core/session/outputtarget.h"
#include "core/settings/settingsfile.h"
#include "platform/messages.h"
#include "romdata/imageerror.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QStatusBar>

namespace quorled {

namespace {

QString absoluteName(const QString& path) { return QDir::cleanPath(QFileInfo(path).absoluteFilePath()); }

// The folder of the open image, where the file dialogs start.
QString imageFolder(const EditorCore& core)
{
    return QFileInfo(QString::fromStdString(core.romFileName())).absolutePath();
}

} // namespace

FileCommands::FileCommands(EditorCore& core, MainWindow& window, QMenu* recentMenu, const QString& settingsPath)
    : QObject(&window), core_(core), window_(window), recentMenu_(recentMenu), settingsPath_(settingsPath),
      recent_(RecentImages::read(SettingsFile::load(settingsPath.toStdString())))
{
    fillRecentMenu();
}

void FileCommands::chooseAndOpenImage()
{
    if (!window_.confirmUnsavedAreas())
        return;
    const QString path = FileChooser::choose(&window_, FileChooser::Mode::Open, tr("Open image"),
                                             FileChooser::imageFilter(), imageFolder(core_));
    if (!path.isEmpty())
        openAsked(path);
}

bool FileCommands::openImage(const QString& path) { return window_.confirmUnsavedAreas() && openAsked(path); }

bool FileCommands::openAsked(const QString& path)
{
    QString reference;
    if (EditorCore::needsReference(path.toStdString())) {
        reference = QString::fromStdString(core_.referenceImagePath());
        if (reference.isEmpty() || !QFileInfo::exists(reference))
            reference = FileChooser::choose(&window_, FileChooser::Mode::Open,
                                            tr("The iNES image of the game, the disk image's reference"),
                                            FileChooser::imageFilter(), imageFolder(core_));
        if (reference.isEmpty())
            return false;
    }
    // The core keeps everything as it was when the file fails to open.
    if (const auto failure = core_.openImage(path.toStdString(), reference.toStdString())) {
        showMessage(&window_, QString::fromStdString(*failure), tr("Quorl editor"), MessageIcon::Warning);
        return false;
    }
    remember(path);
    return true;
}

void FileCommands::remember(const QString& path)
{
    const std::vector<std::string> before = recent_.paths();
    recent_.add(absoluteName(path).toStdString());
    // The same image as last time (the usual start) writes nothing.
    if (recent_.paths() == before)
        return;
    fillRecentMenu();
    if (settingsPath_.isEmpty())
        return; // no folder for the settings file: shut-down says so
    SettingsFile file = SettingsFile::load(settingsPath_.toStdString());
    if (!file.unreadable().empty())
        return; // a file that cannot be read is never written: shut-down says so, once
    recent_.write(file);
    try {
        QDir().mkpath(QFileInfo(settingsPath_).absolutePath());
        file.save(settingsPath_.toStdString());
    } catch (const ImageError& error) {
        window_.statusBar()->showMessage(tr("The recent images could not be kept: %1")
                                             .arg(QString::fromStdString(error.what())));
    }
}

void FileCommands::fillRecentMenu()
{
    // The item that opened an image may be running: its action goes later.
    for (QAction* action : recentMenu_->actions()) {
        recentMenu_->removeAction(action);
        action->deleteLater();
    }
    int n = 0;
    for (const std::string& name : recent_.paths()) {
        const QString path = QString::fromStdString(name);
        QAction* action = recentMenu_->addAction(tr("&%1 %2").arg(++n).arg(shownPath(path).replace(QLatin1Char('&'), QStringLiteral("&&"))));
        action->setData(path);
        connect(action, &QAction::triggered, this, [this, path] { openImage(path); });
    }
    recentMenu_->menuAction()->setEnabled(n > 0);
}

void FileCommands::saveImageAs()
{
    const QString suffix = QFileInfo(QString::fromStdString(core_.romFileName())).suffix();
    const QString path = FileChooser::choose(&window_, FileChooser::Mode::Save, tr("Save image as"),
                                             FileChooser::imageFilter(), imageFolder(core_), suffix);
    // A refusal comes as the core's message.
    if (!path.isEmpty() && ImageSaveAs::run(core_, path.toStdString()))
        remember(path);
}

void FileCommands::exportView()
{
    const QString path = FileChooser::choose(&window_, FileChooser::Mode::Save, tr("Export view as PNG"),
                                             FileChooser::pngFilter(), imageFolder(core_), QStringLiteral("png"));
    if (path.isEmpty())
        return;
    try {
        if (const auto refusal = outputTargetRefusal(path.toStdString(), core_.romFileName()))
            throw ImageError(*refusal);
        assets::savePng(core_.viewPicture(), path.toStdString());
        window_.statusBar()->showMessage(tr("Exported the view to %1").arg(shownPath(path)));
    } catch (const ImageError& error) {
        showMessage(&window_, QString::fromStdString(error.what()), tr("Export view as PNG"), MessageIcon::Warning);
    }
}

} // namespace quorled
