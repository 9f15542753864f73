#include "mainwindow.h"

#include "headerpanel.h"
#include "imageopener.h"
#include "levelview.h"
#include "mainmenu.h"
#include "assets/imageconversion.h"
#include "readoutpanel.h"
#include "filecommands.h"
#include "workbenchcommands.h"
#include "gameviews.h"
#include "shortcutcommands.h"
#include "shownpath.h"
#include "stagearea.h"
#include "workarea.h"
#include "workbench.h"
#include "fieldexit.h"
#include "propertiesdock.h"
#include "typegallerydock.h"
#include "abouttexts.h"
#include "dialogtitleroom.h"

#include "core/editing/groupcommands.h"
#include "core/editing/groupselection.h"
#include "core/editing/pointercell.h"
#include "core/session/editorcore.h"
#include "core/session/editortexts.h"
#include "core/forms/headerform.h"
#include "core/editing/wheelscroll.h"
#include "romdata/areanames.h"
#include "romdata/roomuse.h"
#include "dialogs/aboutdialog.h"
#include "dialogs/addsdialog.h"
#include "dialogs/areasdialog.h"
#include "dialogs/headerdialog.h"
#include "dialogs/lvinfodialog.h"
#include "dialogs/splashwindow.h"
#include "platform/keymapping.h"
#include "platform/messages.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

namespace quorled {

namespace {

QStringList toStringList(const std::vector<std::string>& lines)
{
    QStringList list;
    for (const std::string& line : lines)
        list << QString::fromStdString(line);
    return list;
}

constexpr ChangeSet kEverythingButPicture = Change::Readouts | Change::Caption | Change::HeaderBits | Change::Checks
                                            | Change::EditMode | Change::Commands;
constexpr ChangeSet kEverything = kEverythingButPicture | Change::Picture;

} // namespace

MainWindow::MainWindow(EditorCore& core, const QString& settingsPath, const QPixmap& splashPicture,
                       QWidget* parent)
    : QMainWindow(parent), core_(core), settingsPath_(settingsPath), splashPicture_(splashPicture)
{
    setObjectName(QStringLiteral("quorl"));
    setWindowTitle(tr("Quorl editor"));

    menu_ = new MainMenu(menuBar(), this);
    connect(menu_, &MainMenu::zoomChosen, this, &MainWindow::chooseZoom);
    connect(menu_, &MainMenu::fitChosen, this, [this] { work_->setFitting(true); });
    workbenchCommands_ = new WorkbenchCommands(core_, *this, settingsPath_);
    bindMenu();

    view_ = new LevelView(this);
    connect(view_, &LevelView::mousePressed, this,
            [this](int button, int shift, double x, double y) { core_.mouseDown(button, shift, x, y); });
    connect(view_, &LevelView::mouseMoved, this,
            [this](int button, int shift, double x, double y) {
                core_.mouseMove(button, shift, x, y);
                if (core_.hasImage())
                    pointerCell_->setText(QString::fromStdString(pointerCellText(core_.area(), core_.view(), x, y)));
            });
    connect(view_, &LevelView::mouseReleased, this, [this] { core_.mouseUp(); });
    connectGalleryDrops();

    connect(view_, &LevelView::wheelScrolled, this, [this](int down, int across) {
        if (core_.hasImage() && WheelScroll::scroll(core_.area(), core_.view(), down, across))
            core_.redraw();
    });

    scroll_ = makeStageArea(view_, this);

    QWidget* buttons = buildSidePanel();
    work_ = new WorkArea(scroll_, view_, readouts_, header_, buttons, this);
    connect(work_, &WorkArea::fittingZoomChanged, this, &MainWindow::showZoom);
    // The bar about a change by another program sits above the work area.
    auto* central = new QWidget(this);
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->addWidget(buildChangedOnDiskBar());
    outer->addWidget(work_, 1);
    setCentralWidget(central);
    watcher_ = new QFileSystemWatcher(this);
    connect(watcher_, &QFileSystemWatcher::fileChanged, this, [this] {
        // An atomic replace ends the watch of the old file: a short pause,
        // then the check and a new watch.
        QTimer::singleShot(50, this, &MainWindow::checkImageOnDisk);
    });
    core_.document().setOverwriteQuestion([this](const std::string& text) {
        return QMessageBox::question(this, tr("Quorl editor"), QString::fromStdString(text),
                                     QMessageBox::Yes | QMessageBox::Cancel, QMessageBox::Cancel) == QMessageBox::Yes;
    });
    workbench_ = new Workbench(core_, *this);
    gameViews_ = new GameViews(core_, *this);

    // Done with a dock's text field, the keyboard goes back to the view.
    auto* fieldExit = new FieldExit(this);
    for (QDockWidget* dock : {static_cast<QDockWidget*>(workbench_->properties()),
                              static_cast<QDockWidget*>(workbench_->galleries())})
        for (QLineEdit* field : dock->findChildren<QLineEdit*>())
            fieldExit->watch(field);
    connect(fieldExit, &FieldExit::escaped, this, [this] { workbench_->properties()->showValues(); });
    connect(fieldExit, &FieldExit::done, this, [this] { view_->setFocus(Qt::OtherFocusReason); });

    fileLabel_ = new QLabel(this);
    fileLabel_->setObjectName(QStringLiteral("fileLabel"));
    statusBar()->addWidget(fileLabel_, 1);
    roomMeter_ = new QLabel(this);
    roomMeter_->setObjectName(QStringLiteral("roomMeter"));
    pointerCell_ = new QLabel(this);
    pointerCell_->setObjectName(QStringLiteral("pointerCell"));
    statusBar()->addPermanentWidget(pointerCell_);
    statusBar()->addPermanentWidget(roomMeter_);

    qApp->installEventFilter(new DialogTitleRoom(this));
    view_->setFocus();
    core_.setObserver([this](ChangeSet changes) { showChanges(changes); });
}

MainWindow::~MainWindow()
{
    core_.setObserver({});
    core_.document().setOverwriteQuestion({});
}

QWidget* MainWindow::buildChangedOnDiskBar()
{
    changedBar_ = new QWidget(this);
    changedBar_->setObjectName(QStringLiteral("changedOnDiskBar"));
    changedBar_->setStyleSheet(QStringLiteral("#changedOnDiskBar { background: #fff3c0; }"));
    auto* bar = new QHBoxLayout(changedBar_);
    bar->setContentsMargins(8, 4, 8, 4);
    bar->addWidget(new QLabel(tr("The image was changed by another program."), changedBar_), 1);
    auto* reload = new QPushButton(tr("Reload (drop my edits)"), changedBar_);
    reload->setObjectName(QStringLiteral("reloadChanged"));
    reload->setFocusPolicy(Qt::NoFocus);
    auto* keep = new QPushButton(tr("Keep my edits"), changedBar_);
    keep->setObjectName(QStringLiteral("keepEdits"));
    keep->setFocusPolicy(Qt::NoFocus);
    bar->addWidget(reload);
    bar->addWidget(keep);
    connect(reload, &QPushButton::clicked, this, [this] {
        changedBar_->hide();
        rereadImage();
    });
    connect(keep, &QPushButton::clicked, changedBar_, &QWidget::hide);
    changedBar_->hide();
    return changedBar_;
}

void MainWindow::watchImage()
{
    if (!watcher_->files().isEmpty())
        watcher_->removePaths(watcher_->files());
    if (core_.hasImage())
        watcher_->addPath(QString::fromStdString(core_.romFileName()));
}

void MainWindow::checkImageOnDisk()
{
    watchImage();
    if (!started_ || !core_.hasImage() || !core_.document().takeChangeOnDisk())
        return;
    if (core_.document().changedAreas().empty())
        rereadImage();
    else
        changedBar_->show();
}

void MainWindow::rereadImage()
{
    if (const auto failure = core_.rereadImage())
        showMessage(this, QString::fromStdString(*failure), tr("Quorl editor"), MessageIcon::Warning);
}

QWidget* MainWindow::buildSidePanel()
{
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("panelButtons"));
    readouts_ = new ReadoutPanel(panel);
    header_ = new HeaderPanel(panel);
    header_->setPressedColour(HeaderForm::bitBoxColours()[2]);
    connect(header_, &HeaderPanel::bitClicked, this, [this](int box) { core_.clickHeaderBit(box); });

    auto makeButton = [this, panel](const QString& caption, const QString& name, Command command) {
        auto* button = new QPushButton(caption, panel);
        button->setObjectName(name);
        // Keys always reach the level view, as the window previews them.
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QPushButton::clicked, this, [this, command] { menu_->action(command)->trigger(); });
        return button;
    };
    saveButton_ = makeButton(tr("Save"), QStringLiteral("Save"), Command::lsave);
    refreshButton_ = makeButton(tr("Refresh"), QStringLiteral("Refresh"), Command::lrefresh);
    reloadButton_ = makeButton(tr("Reload"), QStringLiteral("Reload"), Command::lreload);

    auto* buttons = new QHBoxLayout(panel);
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->setSpacing(6);
    buttons->addWidget(saveButton_);
    buttons->addWidget(refreshButton_);
    buttons->addWidget(reloadButton_);
    return panel;
}

QPushButton* MainWindow::button(Command command) const
{
    switch (command) {
    case Command::lsave: return saveButton_;
    case Command::lrefresh: return refreshButton_;
    case Command::lreload: return reloadButton_;
    default: return nullptr;
    }
}

bool MainWindow::startUp(const QString& imagePath)
{
    core_.readSettings(settingsPath_.toStdString());
    // The zoom is known before the area is drawn, so the drawn area is
    // converted for the view once, at the zoom it is shown at.
    view_->setZoom(core_.zoom());
    if (!work_->fitting())
        menu_->setZoomChecked(core_.zoom());
    ImageOpener opener(core_, isVisible() ? this : nullptr, splashPicture_);
    if (!opener.run(imagePath))
        return false;
    const bool firstStart = !started_;
    started_ = true;
    workbenchCommands_->files().remember(QString::fromStdString(core_.romFileName()));
    changedBar_->hide();
    watchImage();
    workbenchCommands_->shortcuts().applyStored();
    const QSize shown = QSize(LevelView::kPictureWidth, LevelView::kPictureHeight) * view_->zoom();
    showChanges(view_->picture().size() == shown ? kEverythingButPicture : kEverything);
    // The window comes back where it was left; otherwise it fits the view.
    if (!firstStart || !workbench_->restorePlacement(settingsPath_))
        fitToContents();
    return true;
}

void MainWindow::showChanges(ChangeSet changes)
{
    if (changes.has(Change::Picture))
        view_->setPicture(assets::imageFromPicture(core_.viewPicture(), view_->zoom()));
    if (changes.has(Change::Readouts))
        readouts_->setTexts(core_.readouts());
    if (changes.has(Change::Caption)) {
        setWindowTitle(QString::fromStdString(core_.caption()));
        const QString path = QString::fromStdString(core_.romFileName());
        fileLabel_->setText(path.isEmpty() ? QString() : shownPath(QFileInfo(path).absoluteFilePath()));
    }
    if (changes.has(Change::HeaderBits))
        header_->showBits(core_.headerBits());
    if (changes.has(Change::EditMode))
        readouts_->setEditMode(core_.editMode());
    if (changes.has(Change::Checks) || changes.has(Change::Commands)) {
        for (const auto& [command, action] : menu_->actions()) {
            action->setEnabled(core_.commandEnabled(command));
            if (action->isCheckable())
                action->setChecked(core_.commandChecked(command));
        }
        for (Command command : {Command::lsave, Command::lrefresh, Command::lreload})
            button(command)->setEnabled(core_.commandEnabled(command));
        const std::string undo = core_.document().undoTitle();
        const std::string redo = core_.document().redoTitle();
        menu_->action(Command::editUndo)->setText(undo.empty() ? tr("&Undo") : tr("&Undo %1").arg(QString::fromStdString(undo)));
        menu_->action(Command::editRedo)->setText(redo.empty() ? tr("&Redo") : tr("&Redo %1").arg(QString::fromStdString(redo)));
    }
    if (changes.has(Change::Status))
        showStatus();
    workbench_->follow(changes);
    if (changes.has(Change::Message))
        showMessage(this, QString::fromStdString(core_.message()), failureTitle_.value_or(tr("Quorl editor")),
                    MessageIcon::Warning);
    if (changes.has(Change::Notice)) {
        const Notice& notice = core_.notice();
        const MessageIcon icon = notice.icon == NoticeIcon::Warning       ? MessageIcon::Warning
                                 : notice.icon == NoticeIcon::Information ? MessageIcon::Information
                                                                          : MessageIcon::None;
        if (notice.offersMove) {
            // A save refused for room: the data can be moved and saved.
            QMessageBox box(QMessageBox::Warning, QString::fromStdString(notice.title),
                            QString::fromStdString(notice.text), QMessageBox::Cancel, this);
            QPushButton* move = box.addButton(tr("Move and save"), QMessageBox::AcceptRole);
            const auto moveEdit = notice.moveEdit;
            box.exec();
            if (box.clickedButton() == move) {
                if (moveEdit)
                    (*moveEdit)(core_);
                else
                    core_.saveMovingData();
            }
        } else {
            showMessage(this, QString::fromStdString(notice.text), QString::fromStdString(notice.title), icon);
        }
    }
    workbenchCommands_->showChanges(changes);
    gameViews_->follow(changes);
}

void MainWindow::showStatus()
{
    const auto use = core_.document().roomUse();
    roomMeter_->setText(use ? QString::fromStdString(roomMeterText(*use)) : QString());
    const bool fits = !use || use->fits();
    roomMeter_->setStyleSheet(fits ? QString() : QStringLiteral("color: red;"));
    roomMeter_->setProperty("fits", fits);
    // How many items are selected, then what the last command did.
    std::string text = core_.hasImage() ? GroupSelection::summary(core_.area(), core_.editMode()) : std::string();
    if (!core_.status().empty())
        text += (text.empty() ? "" : "   ") + core_.status();
    if (text.empty())
        statusBar()->clearMessage();
    else
        statusBar()->showMessage(QString::fromStdString(text));
}

bool MainWindow::confirmUnsavedAreas()
{
    const std::vector<int> changed = core_.document().changedAreas();
    if (!started_ || changed.empty() || !core_.settings().askBeforeDiscarding)
        return true;
    QStringList names;
    for (int area : changed)
        names << QString::number(area, 16).rightJustified(2, QLatin1Char('0')).toUpper();
    const QString text = names.size() == 1 ? tr("Save changes to area %1?").arg(names.first())
                                           : tr("Save changes to areas %1?").arg(names.join(QStringLiteral(", ")));
    QMessageBox box(QMessageBox::Question, tr("Quorl editor"), text,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.setDefaultButton(QMessageBox::Save);
    if (names.size() > 1)
        box.button(QMessageBox::Save)->setText(tr("Save all"));
    const int answer = box.exec();
    if (answer == QMessageBox::Discard)
        return true;
    if (answer != QMessageBox::Save)
        return false;
    core_.saveAllAreas();
    return core_.document().changedAreas().empty();
}

void MainWindow::selectArea()
{
    AreasDialog dialog(core_, this, core_.romFileName() == comparedImage_ ? comparedAreas_ : std::vector<int>{});
    dialog.exec();
}

void MainWindow::showLevelInfo()
{
    LvInfoDialog dialog(core_.levelInfo(), this);
    dialog.exec();
}

void MainWindow::editHeader()
{
    HeaderDialog dialog(core_, this);
    dialog.exec();
}

void MainWindow::addObjects()
{
    AddsDialog dialog(core_, this);
    dialog.exec();
}

void MainWindow::setComparedAreas(const std::string& imagePath, std::vector<int> areas)
{
    comparedImage_ = imagePath;
    comparedAreas_ = std::move(areas);
    gameViews_->setComparedAreas(comparedImage_, comparedAreas_);
}

void MainWindow::reload()
{
    if (!startUp(QString()))
        close();
}

void MainWindow::chooseZoom(int zoom)
{
    work_->setFitting(false);
    showZoom(zoom);
    menu_->setZoomChecked(core_.zoom());
    fitToContents();
}

void MainWindow::showZoom(int zoom)
{
    core_.setZoom(zoom);
    view_->setZoom(core_.zoom());
    showChanges(ChangeSet(Change::Picture));
    work_->arrange();
}

void MainWindow::connectGalleryDrops()
{
    auto cellAt = [this](double x, double y) {
        return AreaCell{core_.view().viewColumn + std::max(0, static_cast<int>(x)) / 16,
                        core_.view().viewRow + std::max(0, static_cast<int>(y)) / 16};
    };
    // While a type is dragged over the view it shows where it will land.
    connect(view_, &LevelView::typeDragged, this, [this, cellAt](bool enemy, int type, double x, double y) {
        GroupCommands::previewType(core_, enemy, type, cellAt(x, y));
    });
    connect(view_, &LevelView::typeDragLeft, this, [this] { core_.redraw(); });
    connect(view_, &LevelView::typeDropped, this, [this, cellAt](bool enemy, int type, double x, double y) {
        if (!GroupCommands::placeType(core_, enemy, type, cellAt(x, y)))
            core_.redraw();
        view_->setFocus(Qt::OtherFocusReason);
    });
    // Ctrl+wheel zooms and keeps the picture pixel under the pointer there.
    connect(view_, &LevelView::zoomWheeled, this, [this](int notches, double x, double y) {
        const int zoom = std::clamp(core_.zoom() + notches, 1, 4);
        if (zoom == core_.zoom())
            return;
        const QPoint pointer = scroll_->viewport()->mapFromGlobal(view_->mapToGlobal(
            QPoint(static_cast<int>(x * core_.zoom()), static_cast<int>(y * core_.zoom()))));
        chooseZoom(zoom);
        QTimer::singleShot(0, this, [this, pointer, x, y, zoom] {
            const QPoint wanted(static_cast<int>(x * zoom), static_cast<int>(y * zoom));
            const QPoint now = scroll_->viewport()->mapFromGlobal(view_->mapToGlobal(wanted));
            scroll_->horizontalScrollBar()->setValue(scroll_->horizontalScrollBar()->value() + now.x() - pointer.x());
            scroll_->verticalScrollBar()->setValue(scroll_->verticalScrollBar()->value() + now.y() - pointer.y());
        });
    });
}

void MainWindow::fitToContents()
{
    // Let the layouts take in the view's new size, then fit the window to it.
    centralWidget()->layout()->activate();
    // Once more after the docks took their share of the new size, unless
    // the window was resized meanwhile.
    QTimer::singleShot(0, this, [this] {
        fitWindowToWork(*this, *work_, view_->zoom());
        QTimer::singleShot(0, this, [this, fitted = size()] {
            if (size() == fitted)
                fitWindowToWork(*this, *work_, view_->zoom());
        });
    });
}

void MainWindow::showAbout()
{
    const KeyHelp help{toStringList(verticalKeyHelp()), toStringList(horizontalKeyHelp()),
                       toStringList(keyHelp()), menuShortcutLines(*menuBar()),
                       workbenchCommands_->shortcuts().viewKeyLines()};
    AboutDialog dialog(QString::fromStdString(editorVersionText()), help, this);
    dialog.exec();
}

void MainWindow::showSplash()
{
    SplashWindow splash(splashPicture_, QString::fromStdString(editorVersionText()), this);
    splash.exec();
}

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    if (!started_) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    // The view keys as the user set them.
    const std::optional<KeyPress> press =
        workbenchCommands_->shortcuts().viewPress(virtualKeyCode(*event), modifierState(event->modifiers()));
    if (!press) {
        event->accept();
        return;
    }
    const int key = press->keyCode;
    // Past the first or the last area the page keys do nothing at all.
    if (press->shift == 0 && ((key == vk::PageUp && core_.currentArea() == 0) ||
                              (key == vk::PageDown && core_.currentArea() == lastAreaIndex))) {
        event->accept();
        return;
    }
    const KeyRequest request = core_.keyDown(key, press->shift);
    event->accept();
    if (request == KeyRequest::ShowAbout)
        showAbout();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (started_ && !confirmUnsavedAreas()) {
        event->ignore();
        return;
    }
    if (started_) {
        std::optional<QString> failure;
        if (const auto settings = core_.shutDown())
            failure = QString::fromStdString(*settings);
        else
            failure = workbench_->storePlacement(settingsPath_);
        if (failure)
            showMessage(this, *failure, tr("Quorl editor"), MessageIcon::Warning);
        started_ = false;
    }
    event->accept();
}

} // namespace quorled
