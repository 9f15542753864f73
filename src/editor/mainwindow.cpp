#include "mainwindow.h"

#include "gametabledialogs.h"
#include "headerpanel.h"
#include "imageopener.h"
#include "levelview.h"
#include "mainmenu.h"
#include "assets/imageconversion.h"
#include "desktopcommands.h"
#include "readoutpanel.h"
#include "spacecommands.h"
#include "filecommands.h"
#include "workbenchcommands.h"
#include "stagearea.h"
#include "workbench.h"

#include "core/editorcore.h"
#include "core/wheelscroll.h"
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
#include <QCloseEvent>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
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
    connect(menu_, &MainMenu::triggered, this, &MainWindow::runCommand);
    connect(menu_, &MainMenu::zoomChosen, this, &MainWindow::chooseZoom);
    workbenchCommands_ = new WorkbenchCommands(core_, *this, settingsPath_);

    view_ = new LevelView(this);
    connect(view_, &LevelView::mousePressed, this,
            [this](int button, int shift, double x, double y) { core_.mouseDown(button, shift, x, y); });
    connect(view_, &LevelView::mouseMoved, this,
            [this](int button, int shift, double x, double y) { core_.mouseMove(button, shift, x, y); });
    connect(view_, &LevelView::mouseReleased, this, [this] { core_.mouseUp(); });

    connect(view_, &LevelView::wheelScrolled, this, [this](int down, int across) {
        if (core_.hasImage() && WheelScroll::scroll(core_.area(), core_.view(), down, across))
            core_.redraw();
    });

    scroll_ = makeStageArea(view_, this);

    auto* central = new QWidget(this);
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(10, 10, 10, 10);
    outer->setSpacing(6);
    outer->addWidget(buildChangedOnDiskBar());
    auto* layout = new QHBoxLayout;
    layout->setSpacing(10);
    layout->addWidget(scroll_, 1);
    layout->addWidget(buildSidePanel(), 0);
    outer->addLayout(layout, 1);
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

    fileLabel_ = new QLabel(this);
    fileLabel_->setObjectName(QStringLiteral("fileLabel"));
    statusBar()->addWidget(fileLabel_, 1);
    roomMeter_ = new QLabel(this);
    roomMeter_->setObjectName(QStringLiteral("roomMeter"));
    statusBar()->addPermanentWidget(roomMeter_);

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
    if (!started_ || !core_.hasImage() || !core_.document().changedOnDisk())
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
    panel->setObjectName(QStringLiteral("sidePanel"));
    readouts_ = new ReadoutPanel(panel);
    header_ = new HeaderPanel(panel);
    header_->setPressedColour(EditorCore::pressedBitBoxColour());
    connect(header_, &HeaderPanel::bitClicked, this, [this](int box) { core_.clickHeaderBit(box); });

    auto makeButton = [this, panel](const QString& caption, const QString& name, Command command) {
        auto* button = new QPushButton(caption, panel);
        button->setObjectName(name);
        // Keys always reach the level view, as the window previews them.
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QPushButton::clicked, this, [this, command] { runCommand(command); });
        return button;
    };
    saveButton_ = makeButton(tr("Save"), QStringLiteral("Save"), Command::lsave);
    refreshButton_ = makeButton(tr("Refresh"), QStringLiteral("Refresh"), Command::lrefresh);
    reloadButton_ = makeButton(tr("Reload"), QStringLiteral("Reload"), Command::lreload);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(6);
    buttons->addWidget(saveButton_);
    buttons->addWidget(refreshButton_);
    buttons->addWidget(reloadButton_);

    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(10);
    layout->addWidget(readouts_);
    layout->addWidget(header_);
    layout->addStretch(1);
    layout->addLayout(buttons);
    panel->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
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
    menu_->setZoomChecked(core_.zoom());
    ImageOpener opener(core_, isVisible() ? this : nullptr, splashPicture_);
    if (!opener.run(imagePath))
        return false;
    const bool firstStart = !started_;
    started_ = true;
    workbenchCommands_->files().remember(QString::fromStdString(core_.romFileName()));
    changedBar_->hide();
    watchImage();
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
        fileLabel_->setText(path.isEmpty() ? QString() : QFileInfo(path).absoluteFilePath());
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
        const std::string undo = core_.undoTitle();
        const std::string redo = core_.redoTitle();
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
            box.exec();
            if (box.clickedButton() == move)
                core_.saveMovingData();
        } else {
            showMessage(this, QString::fromStdString(notice.text), QString::fromStdString(notice.title), icon);
        }
    }
    workbenchCommands_->showChanges(changes);
}

void MainWindow::showStatus()
{
    const auto use = core_.document().roomUse();
    roomMeter_->setText(use ? QString::fromStdString(roomMeterText(*use)) : QString());
    const bool fits = !use || use->fits();
    roomMeter_->setStyleSheet(fits ? QString() : QStringLiteral("color: red;"));
    roomMeter_->setProperty("fits", fits);
    if (core_.status().empty())
        statusBar()->clearMessage();
    else
        statusBar()->showMessage(QString::fromStdString(core_.status()));
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
    core_.runCommand(Command::lsaveall);
    return core_.document().changedAreas().empty();
}

void MainWindow::runCommand(Command command)
{
    switch (command) {
    case Command::sel1: {
        AreasDialog dialog(core_, this);
        dialog.exec();
        break;
    }
    case Command::LI: {
        LvInfoDialog dialog(core_.levelInfo(), this);
        dialog.exec();
        break;
    }
    case Command::Ehdr: {
        HeaderDialog dialog(core_, this);
        dialog.exec();
        break;
    }
    case Command::addO: {
        AddsDialog dialog(core_, this);
        dialog.exec();
        break;
    }
    case Command::lreload:
        if (confirmUnsavedAreas())
            reload();
        break;
    case Command::lQuit:
        close();
        break;
    case Command::SSplash:
        showSplash();
        break;
    case Command::AboutE:
        showAbout();
        break;
    default:
        if (!runGameTableDialog(core_, command, this) && !runSpaceCommand(this, core_, command, failureTitle_) &&
            !runDesktopCommand(*this, core_, command, settingsPath_) && !workbenchCommands_->run(command))
            core_.runCommand(command);
        break;
    }
    // Check marks of checkable items follow the core, not Qt's own toggle.
    showChanges(Change::Checks);
}

void MainWindow::reload()
{
    if (!startUp(QString()))
        close();
}

void MainWindow::chooseZoom(int zoom)
{
    core_.setZoom(zoom);
    view_->setZoom(core_.zoom());
    menu_->setZoomChecked(core_.zoom());
    showChanges(ChangeSet(Change::Picture));
    fitToContents();
}

void MainWindow::fitToContents()
{
    // Let the layouts take in the view's new size, then fit the window to it.
    centralWidget()->layout()->activate();
    QTimer::singleShot(0, this, [this] { fitWindowToStage(*this, *scroll_); });
}

void MainWindow::showAbout()
{
    const KeyHelp help{toStringList(EditorCore::verticalKeyHelp()), toStringList(EditorCore::horizontalKeyHelp()),
                       toStringList(EditorCore::keyHelp())};
    AboutDialog dialog(QString::fromStdString(EditorCore::versionText()), help, this);
    dialog.exec();
}

void MainWindow::showSplash()
{
    SplashWindow splash(splashPicture_, QString::fromStdString(EditorCore::versionText()), this);
    splash.exec();
}

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    if (!started_) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    const KeyRequest request = core_.keyDown(virtualKeyCode(*event), modifierState(event->modifiers()));
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
