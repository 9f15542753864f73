#include "mainmenu.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

namespace quorled {

namespace {

QMenu* addMenu(QMenuBar* bar, const QString& caption, const QString& name)
{
    QMenu* menu = bar->addMenu(caption);
    menu->setObjectName(name);
    return menu;
}

QMenu* addSubmenu(QMenu* parent, const QString& caption, const QString& name)
{
    QMenu* menu = parent->addMenu(caption);
    menu->setObjectName(name);
    return menu;
}

} // namespace

MainMenu::MainMenu(QMenuBar* bar, QObject* parent) : QObject(parent)
{
    buildLevels(bar);
    buildEdit(bar);
    buildOptions(bar);
    buildObjects(bar);
    buildOther(bar);
    buildAbout(bar);
}

QAction* MainMenu::add(QMenu* menu, Command command, const QString& caption, const QKeySequence& shortcut)
{
    QAction* action = menu->addAction(caption);
    action->setShortcut(shortcut);
    // The name the keyboard shortcuts are kept under; the caption of some
    // items changes (Undo names its step).
    action->setProperty("shortcutName", caption);
    action->setShortcutContext(Qt::WindowShortcut);
    actions_[command] = action;
    return action;
}

void MainMenu::bind(Command command, std::function<void()> handler)
{
    connect(actions_.at(command), &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
    bound_.insert(command);
}

void MainMenu::buildLevels(QMenuBar* bar)
{
    QMenu* m = addMenu(bar, tr("&Levels"), QStringLiteral("Levels"));
    m->setToolTipsVisible(true); // Save tells why it is off
    add(m, Command::sel1, tr("Select &area"), QKeySequence(Qt::CTRL | Qt::Key_A));
    add(m, Command::lmap, tr("Area &map"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M));
    m->addSeparator();
    add(m, Command::LI, tr("&Level info"), QKeySequence(Qt::CTRL | Qt::Key_L));
    add(m, Command::Ehdr, tr("Edit &header"), QKeySequence(Qt::CTRL | Qt::Key_H));
    m->addSeparator();
    add(m, Command::lreload, tr("Rel&oad"), QKeySequence(Qt::CTRL | Qt::Key_O));
    add(m, Command::lrefresh, tr("&Refresh"), QKeySequence(Qt::CTRL | Qt::Key_R));
    add(m, Command::lsave, tr("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S));
    add(m, Command::lsaveall, tr("Save a&ll changed areas"), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_S));
    m->addSeparator();
    add(m, Command::lopen, tr("Op&en image..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O));
    recent_ = addSubmenu(m, tr("Open re&cent"), QStringLiteral("Recent"));
    add(m, Command::lsaveas, tr("Sa&ve image as..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    add(m, Command::lexport, tr("E&xport view as PNG..."));
    m->addSeparator();
    add(m, Command::LvlDump, tr("&Dump level data ..."), QKeySequence(Qt::CTRL | Qt::Key_M));
    add(m, Command::LvlInsert, tr("&Insert level data ..."), QKeySequence(Qt::CTRL | Qt::Key_B));
    m->addSeparator();
    add(m, Command::exportPatch, tr("Export &patch..."));
    add(m, Command::compareImage, tr("Compare with image..."));
    add(m, Command::testEmu, tr("&Test in emulator"), QKeySequence(Qt::Key_F9));
    m->addSeparator();
    add(m, Command::lQuit, tr("&Quit"), QKeySequence(Qt::CTRL | Qt::Key_Q));
}

void MainMenu::buildEdit(QMenuBar* bar)
{
    QMenu* m = addMenu(bar, tr("&Edit"), QStringLiteral("Edit"));
    add(m, Command::editUndo, tr("&Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z));
    add(m, Command::editRedo, tr("&Redo"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    m->addSeparator();
    // Plain Ctrl+C and Ctrl+V open the palette and lives dialogs.
    add(m, Command::editCut, tr("Cu&t"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_X));
    add(m, Command::editCopy, tr("&Copy"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    add(m, Command::editPaste, tr("&Paste"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
    add(m, Command::editDuplicate, tr("&Duplicate"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D));
    m->addSeparator();
    add(m, Command::editSelectAll, tr("Select &all items"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A));
}

void MainMenu::buildOptions(QMenuBar* bar)
{
    QMenu* m = addMenu(bar, tr("&Options"), QStringLiteral("Options"));
    QMenu* ground = addSubmenu(m, tr("&Ground view"), QStringLiteral("Gview"));
    add(ground, Command::GV0, tr("&No ground"));
    add(ground, Command::GV1, tr("Ground &behind objects"));
    add(ground, Command::GV2, tr("Ground &above objects"));
    QMenu* pages = addSubmenu(m, tr("&Page separator view"), QStringLiteral("PSV"));
    add(pages, Command::PSV1, tr("&On"));
    add(pages, Command::PSV0, tr("O&ff"));
    QMenu* marks = addSubmenu(m, tr("&Object marks "), QStringLiteral("objm"));
    add(marks, Command::om1, tr("&On"));
    add(marks, Command::om0, tr("O&ff"));

    QMenu* zoom = addSubmenu(m, tr("&Zoom"), QStringLiteral("Zoom"));
    auto* zoomGroup = new QActionGroup(this);
    for (int z = 1; z <= 4; ++z) {
        QAction* action = zoom->addAction(tr("&%1x").arg(z));
        action->setCheckable(true);
        zoomGroup->addAction(action);
        zoomActions_[static_cast<std::size_t>(z - 1)] = action;
        connect(action, &QAction::triggered, this, [this, z] { emit zoomChosen(z); });
    }
    // The largest zoom that shows the whole view, following the window's size.
    fitAction_ = zoom->addAction(tr("&Fit"));
    fitAction_->setObjectName(QStringLiteral("ZoomFit"));
    fitAction_->setCheckable(true);
    zoomGroup->addAction(fitAction_);
    connect(fitAction_, &QAction::triggered, this, &MainMenu::fitChosen);
    m->addSeparator();

    add(m, Command::pnt, tr("Pointers &follow doors, entrances, etc."))->setCheckable(true);
    add(m, Command::spno, tr("Show door pointers as &normal objects"))->setCheckable(true);
    add(m, Command::optGrid, tr("&Grid"), QKeySequence(Qt::Key_G))->setCheckable(true);
    m->addSeparator();
    add(m, Command::backup, tr("Keep a &backup of the image"))->setCheckable(true);
    add(m, Command::askDiscard, tr("Ask before discarding unsaved edits"))->setCheckable(true);
    add(m, Command::saveBeforeTest, tr("Save before testing without asking"))->setCheckable(true);
    add(m, Command::emuCmd, tr("&Emulator command..."));
    add(m, Command::optShortcuts, tr("&Keyboard shortcuts..."));
    m->addSeparator();

    QMenu* ini = addSubmenu(m, tr("&INI file"), QStringLiteral("Ini"));
    const Command saveCommands[] = {Command::sv0, Command::sv1, Command::sv2, Command::sv3,
                                    Command::sv4, Command::sv5, Command::sv6};
    const QString saveCaptions[] = {
        tr("Save filename"),
        tr("Save area number"),
        tr("Save \"ground view\" setting"),
        tr("Save \"page separator\" setting"),
        tr("Save \"object marks\" setting"),
        tr("Save \"pointers follow doors\" setting"),
        tr("Save \"show door pointers as normal objects\" setting"),
    };
    for (int i = 0; i < 7; ++i)
        add(ini, saveCommands[i], saveCaptions[i])->setCheckable(true);
}

void MainMenu::buildObjects(QMenuBar* bar)
{
    QMenu* m = addMenu(bar, tr("O&bjects"), QStringLiteral("obj"));
    add(m, Command::delobj, tr("&Delete object/enemy"), QKeySequence(Qt::CTRL | Qt::Key_D));
    add(m, Command::DelAll, tr("&Delete all objects and enemies"), QKeySequence(Qt::SHIFT | Qt::Key_Delete));
    add(m, Command::addO, tr("Add &object ..."), QKeySequence(Qt::CTRL | Qt::Key_Insert));
    add(m, Command::addE, tr("Add &enemy"), QKeySequence(Qt::SHIFT | Qt::Key_Insert));
    m->addSeparator();
    add(m, Command::movL, tr("Move &level data ..."), QKeySequence(Qt::Key_F5));
    add(m, Command::movZ, tr("Move &enemy data ..."), QKeySequence(Qt::Key_F6));
    add(m, Command::seeF, tr("See &free space available for level"), QKeySequence(Qt::Key_F7));
    add(m, Command::TFSpace, tr("See &total free space available"), QKeySequence(Qt::Key_F8));
}

void MainMenu::buildOther(QMenuBar* bar)
{
    QMenu* m = addMenu(bar, tr("O&ther"), QStringLiteral("Other"));
    add(m, Command::ChLvlWrl, tr("Change number of levels in &worlds ..."), QKeySequence(Qt::CTRL | Qt::Key_W));
    add(m, Command::Chcolor, tr("&Change color palettes ..."), QKeySequence(Qt::CTRL | Qt::Key_C));
    add(m, Command::ChChp, tr("Change character &properties ..."), QKeySequence(Qt::CTRL | Qt::Key_P));
    QMenu* enemies = addSubmenu(m, tr("Enemy properties"), QStringLiteral("EProp"));
    add(enemies, Command::ChWpn, tr("Change enemy &weapons ..."), QKeySequence(Qt::CTRL | Qt::Key_E));
    add(enemies, Command::ChEnm2, tr("Change boss &health, or enemy speed ..."), QKeySequence(Qt::CTRL | Qt::Key_I));
    add(enemies, Command::ChEnm3, tr("Change &various enemy properties ..."), QKeySequence(Qt::CTRL | Qt::Key_Y));
    add(m, Command::ChPwrUp, tr("Change power-&up properties ..."), QKeySequence(Qt::CTRL | Qt::Key_U));
    m->addSeparator();
    add(m, Command::nlive, tr("Number of &lives at start ..."), QKeySequence(Qt::CTRL | Qt::Key_V));
    add(m, Command::ChTcdt, tr("Change &title card display time ..."), QKeySequence(Qt::CTRL | Qt::Key_T));
}

void MainMenu::buildAbout(QMenuBar* bar)
{
    QMenu* m = addMenu(bar, tr("&About"), QStringLiteral("MAbout"));
    add(m, Command::SSplash, tr("&Show splash screen"), QKeySequence(Qt::CTRL | Qt::Key_N));
    add(m, Command::AboutE, tr("&About the editor ..."), QKeySequence(Qt::Key_F1));
}

void MainMenu::setZoomChecked(int zoom)
{
    if (zoom >= 1 && zoom <= 4)
        zoomActions_[static_cast<std::size_t>(zoom - 1)]->setChecked(true);
}

} // namespace quorled
