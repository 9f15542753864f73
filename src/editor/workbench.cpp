#include "workbench.h"

#include "propertiesdock.h"
#include "typegallerydock.h"

#include "core/settings/settingsfile.h"
#include "core/settings/windowplacement.h"

#include <QAction>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>

namespace quorled {

Workbench::Workbench(EditorCore& core, QMainWindow& window) : QObject(&window), core_(core), window_(window)
{
    galleries_ = new TypeGalleryDock(core_, &window_);
    properties_ = new PropertiesDock(core_, &window_);
    window_.addDockWidget(Qt::RightDockWidgetArea, properties_);
    window_.addDockWidget(Qt::RightDockWidgetArea, galleries_);

    // Before "&About", the last menu, as windows menus usually stand.
    const QList<QAction*> menus = window_.menuBar()->actions();
    menu_ = new QMenu(tr("&Window"), window_.menuBar());
    menu_->setObjectName(QStringLiteral("WindowMenu"));
    window_.menuBar()->insertMenu(menus.isEmpty() ? nullptr : menus.last(), menu_);
    QAction* showGalleries = galleries_->toggleViewAction();
    showGalleries->setText(tr("&Types"));
    QAction* showProperties = properties_->toggleViewAction();
    showProperties->setText(tr("&Properties"));
    menu_->addAction(showGalleries);
    menu_->addAction(showProperties);
}

void Workbench::follow(ChangeSet changes)
{
    galleries_->follow(changes);
    properties_->follow(changes);
}

bool Workbench::restorePlacement(const QString& settingsPath)
{
    const std::optional<WindowPlacement> placement =
        WindowPlacement::read(SettingsFile::load(settingsPath.toStdString()));
    if (!placement)
        return false;
    QRect rect(placement->x, placement->y, placement->width, placement->height);
    // A window kept on a screen that is gone comes back on the main one,
    // and no window is larger than the screen's room for it or lies outside it.
    const QScreen* screen = QGuiApplication::screenAt(rect.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen) {
        const QRect area = screen->availableGeometry();
        const PixelRect fitted = clampedToArea({rect.x(), rect.y(), rect.width(), rect.height()},
                                               {area.x(), area.y(), area.width(), area.height()});
        rect = QRect(fitted.x, fitted.y, fitted.width, fitted.height);
    }
    window_.setGeometry(rect);
    if (!placement->dockLayout.empty())
        window_.restoreState(QByteArray::fromBase64(QByteArray::fromStdString(placement->dockLayout)),
                             WindowPlacement::kDockVersion);
    else if (placement->dockLayoutRefused)
        window_.statusBar()->showMessage(
            tr("The dock layout in the settings file was damaged or is of another version, so the docks "
               "are in their usual places."));
    if (placement->maximized)
        window_.setWindowState(window_.windowState() | Qt::WindowMaximized);
    return true;
}

std::optional<QString> Workbench::storePlacement(const QString& settingsPath) const
{
    const QRect rect = window_.normalGeometry().isValid() ? window_.normalGeometry() : window_.geometry();
    WindowPlacement placement;
    placement.x = rect.x();
    placement.y = rect.y();
    placement.width = rect.width();
    placement.height = rect.height();
    placement.maximized = window_.isMaximized();
    placement.dockLayout = window_.saveState(WindowPlacement::kDockVersion).toBase64().toStdString();
    if (const auto failure = placement.store(settingsPath.toStdString()))
        return QString::fromStdString(*failure);
    return std::nullopt;
}

} // namespace quorled
