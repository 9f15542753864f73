#include "widgettests.h"

#include "testfiles.h"

#include "dialogs/areasdialog.h"
#include "editor/bitbox.h"
#include "editor/carriedart.h"
#include "editor/headerpanel.h"
#include "editor/levelview.h"
#include "editor/mainmenu.h"
#include "editor/mainwindow.h"
#include "editor/readoutpanel.h"

#include "core/session/editorcore.h"
#include "core/settings/viewkeys.h"
#include "romdata/demo/demoimage.h"

#include <QAction>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QFileInfo>
#include <QTimer>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace quorled;
using quorled::widgettests::BoxCatcher;
using quorled::widgettests::readFile;

namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

// "caption<TAB>shortcut" for every item of a menu, "-" for separators and
// "caption >" for submenus.
QStringList describe(const QMenu* menu)
{
    QStringList items;
    for (const QAction* action : menu->actions()) {
        if (action->isSeparator())
            items << QStringLiteral("-");
        else if (action->menu())
            items << action->text() + QStringLiteral(" >");
        else if (action->shortcut().isEmpty())
            items << action->text();
        else
            items << action->text() + QLatin1Char('\t') + action->shortcut().toString();
    }
    return items;
}

QMenu* topMenu(QMainWindow& window, const QString& caption)
{
    for (QAction* action : window.menuBar()->actions())
        if (action->text() == caption)
            return action->menu();
    return nullptr;
}

QMenu* submenu(const QMenu* menu, const QString& caption)
{
    for (QAction* action : menu->actions())
        if (action->text() == caption)
            return action->menu();
    return nullptr;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void captionNamesAreaAndName();
    void menuBarHasEveryItemShortcutAndSeparator();
    void everyItemIsOnForAnInesImage();
    void zoomComesFromTheSettingsAndScalesMousePositions();
    void keysReachTheEditorEndToEnd();
    void keypadWithNumLockOffActsAsArrows();
    void headerBitClickFlipsTheBit();
    void areasDialogLoadsTheChosenArea();
    void shutDownWritesTheExactSettingsText();
    void anUnreadableSettingsFileIsNeverWrittenAndToldOnce();

private:
    bool start(const QByteArray& settings);

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<EditorCore> core_;
    std::unique_ptr<MainWindow> window_;
    QString imagePath_;
    QString settingsPath_;
};

void MainWindowTest::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    qputenv("XDG_CONFIG_HOME", dir_->filePath(QStringLiteral("config")).toUtf8());
    QVERIFY(QDir().mkpath(dir_->filePath(QStringLiteral("config"))));
    imagePath_ = dir_->filePath(QStringLiteral("demo.nes"));
    const std::vector<std::uint8_t> image = buildDemoImage(ImageKind::Ines);
    writeFile(imagePath_, QByteArray(reinterpret_cast<const char*>(image.data()), qsizetype(image.size())));
    settingsPath_ = dir_->filePath(QStringLiteral("config/Quorled.ini"));
    core_ = std::make_unique<EditorCore>(carriedPictures());
}

void MainWindowTest::cleanup()
{
    window_.reset();
    core_.reset();
    dir_.reset();
}

bool MainWindowTest::start(const QByteArray& settings)
{
    if (!settings.isEmpty())
        writeFile(settingsPath_, settings);
    window_ = std::make_unique<MainWindow>(*core_, settingsPath_, QPixmap());
    if (!window_->startUp(imagePath_))
        return false;
    window_->show();
    return QTest::qWaitForWindowExposed(window_.get());
}

void MainWindowTest::captionNamesAreaAndName()
{
    QVERIFY(start("[Options]\nStartArea= 10\n"));
    QCOMPARE(window_->windowTitle(), QStringLiteral("Quorl editor -- Area 0A -- 1-2, main part"));
    QCOMPARE(window_->readoutPanel()->label(0)->text(), QStringLiteral("Object #001"));
    QCOMPARE(window_->readoutPanel()->label(20)->text(), QStringLiteral("Enemy #001"));
}

void MainWindowTest::menuBarHasEveryItemShortcutAndSeparator()
{
    QVERIFY(start({}));
    QStringList top;
    for (QAction* action : window_->menuBar()->actions())
        top << action->text();
    QCOMPARE(top, QStringList({QStringLiteral("&Levels"), QStringLiteral("&Edit"), QStringLiteral("&Options"), QStringLiteral("O&bjects"),
                               QStringLiteral("O&ther"), QStringLiteral("&Window"), QStringLiteral("&About")}));
    QCOMPARE(describe(topMenu(*window_, QStringLiteral("&Window"))),
             QStringList({"&Types", "&Properties", "-", "&Game overview\tCtrl+Shift+G", "P&roblems"}));

    QCOMPARE(describe(topMenu(*window_, QStringLiteral("&Levels"))),
             QStringList({"Select &area\tCtrl+A", "Area &map\tCtrl+Shift+M", "&Go to destination\tCtrl+G",
                          "&Back\tCtrl+Shift+B", "-", "&Level info\tCtrl+L",
                          "Edit &header\tCtrl+H", "-", "Rel&oad\tCtrl+O", "&Refresh\tCtrl+R", "&Save\tCtrl+S",
                          "Save a&ll changed areas\tCtrl+Alt+S", "-",
                          "Op&en image...\tCtrl+Shift+O", "Open re&cent >", "Sa&ve image as...\tCtrl+Shift+S",
                          "E&xport view as PNG...", "-", "&Dump level data ...\tCtrl+M", "&Insert level data ...\tCtrl+B", "-",
                          "Export &patch...", "Compare with image...", "&Test in emulator\tF9", "-", "&Quit\tCtrl+Q"}));
    const QMenu* options = topMenu(*window_, QStringLiteral("&Options"));
    QCOMPARE(describe(options),
             QStringList({"&Ground view >", "&Page separator view >", "&Object marks  >", "&Zoom >", "-",
                          "Pointers &follow doors, entrances, etc.", "Show door pointers as &normal objects",
                          "&Grid\tG", "-", "Keep a &backup of the image", "Ask before discarding unsaved edits",
                          "Save before testing without asking", "&Emulator command...", "&Keyboard shortcuts...", "-",
                          "&INI file >"}));
    QCOMPARE(describe(topMenu(*window_, QStringLiteral("&Edit"))),
             QStringList({"&Undo\tCtrl+Z", "&Redo\tCtrl+Shift+Z", "-", "Cu&t\tCtrl+Shift+X",
                          "&Copy	Ctrl+Shift+C", "&Paste	Ctrl+Shift+V", "&Duplicate	Ctrl+Shift+D", "-",
                          "Select &all items	Ctrl+Shift+A", "-", "&Find...	Ctrl+F"}));
    QCOMPARE(describe(submenu(options, QStringLiteral("&Ground view"))),
             QStringList({"&No ground", "Ground &behind objects", "Ground &above objects"}));
    QCOMPARE(describe(submenu(options, QStringLiteral("&Page separator view"))), QStringList({"&On", "O&ff"}));
    QCOMPARE(describe(submenu(options, QStringLiteral("&Object marks "))), QStringList({"&On", "O&ff"}));
    QCOMPARE(describe(submenu(options, QStringLiteral("&Zoom"))), QStringList({"&1x", "&2x", "&3x", "&4x", "&Fit"}));
    QCOMPARE(describe(submenu(options, QStringLiteral("&INI file"))),
             QStringList({"Save filename", "Save area number", "Save \"ground view\" setting",
                          "Save \"page separator\" setting", "Save \"object marks\" setting",
                          "Save \"pointers follow doors\" setting",
                          "Save \"show door pointers as normal objects\" setting"}));
    QCOMPARE(describe(topMenu(*window_, QStringLiteral("O&bjects"))),
             QStringList({"&Delete object/enemy\tCtrl+D", "&Delete all objects and enemies\tShift+Del",
                          "Add &object ...\tCtrl+Ins", "Add &enemy\tShift+Ins", "-", "Move &level data ...\tF5",
                          "Move &enemy data ...\tF6", "See &free space available for level\tF7",
                          "See &total free space available\tF8"}));
    const QMenu* other = topMenu(*window_, QStringLiteral("O&ther"));
    QCOMPARE(describe(other),
             QStringList({"Change number of levels in &worlds ...\tCtrl+W", "&Change color palettes ...\tCtrl+C",
                          "Change character &properties ...\tCtrl+P", "Enemy properties >",
                          "Change power-&up properties ...\tCtrl+U", "-", "Number of &lives at start ...\tCtrl+V",
                          "Change &title card display time ...\tCtrl+T"}));
    QCOMPARE(describe(submenu(other, QStringLiteral("Enemy properties"))),
             QStringList({"Change enemy &weapons ...\tCtrl+E", "Change boss &health, or enemy speed ...\tCtrl+I",
                          "Change &various enemy properties ...\tCtrl+Y"}));
    QCOMPARE(describe(topMenu(*window_, QStringLiteral("&About"))),
             QStringList({"&Show splash screen\tCtrl+N", "&About the editor ...\tF1"}));

    // First start: both pointer items as their defaults, every INI item checked.
    QVERIFY(window_->mainMenu()->action(Command::pnt)->isChecked());
    QVERIFY(!window_->mainMenu()->action(Command::spno)->isChecked());
    for (Command c : {Command::sv0, Command::sv1, Command::sv2, Command::sv3, Command::sv4, Command::sv5, Command::sv6})
        QVERIFY(window_->mainMenu()->action(c)->isChecked());
    QCOMPARE(window_->button(Command::lsave)->text(), QStringLiteral("Save"));
    QCOMPARE(window_->button(Command::lrefresh)->text(), QStringLiteral("Refresh"));
    QCOMPARE(window_->button(Command::lreload)->text(), QStringLiteral("Reload"));

    // A menu shortcut is taken before the view sees the key, so none may be
    // a view key's default; F1 is both the About box and the key help in it.
    QStringList viewKeys;
    for (const ViewKey& key : viewKeyTable())
        viewKeys << QString::fromLatin1(key.keys).split(QStringLiteral(", "));
    for (QAction* action : window_->findChildren<QAction*>()) {
        const QString keys = action->shortcut().toString(QKeySequence::PortableText);
        if (!keys.isEmpty() && keys != QStringLiteral("F1"))
            QVERIFY2(!viewKeys.contains(keys), qPrintable(action->text() + QStringLiteral(" takes ") + keys));
    }
}

void MainWindowTest::everyItemIsOnForAnInesImage()
{
    QVERIFY(start({}));
    for (Command c : {Command::sel1, Command::LI, Command::Ehdr, Command::lreload, Command::lrefresh,
                      Command::lsave, Command::lQuit, Command::GV0, Command::pnt, Command::sv0, Command::delobj,
                      Command::DelAll, Command::addO, Command::addE, Command::seeF, Command::SSplash,
                      Command::AboutE, Command::ChChp, Command::ChWpn, Command::ChEnm2, Command::ChEnm3,
                      Command::ChPwrUp, Command::nlive, Command::ChTcdt, Command::movL, Command::movZ,
                      Command::TFSpace, Command::LvlDump, Command::LvlInsert, Command::ChLvlWrl, Command::Chcolor,
                      Command::exportPatch, Command::compareImage, Command::testEmu, Command::emuCmd})
        QVERIFY2(window_->mainMenu()->action(c)->isEnabled(), qPrintable(window_->mainMenu()->action(c)->text()));
    for (Command c : {Command::lsave, Command::lrefresh, Command::lreload})
        QVERIFY(window_->button(c)->isEnabled());
    // Every item of the menu bar runs a handler of its own.
    for (const auto& [command, action] : window_->mainMenu()->actions())
        QVERIFY2(window_->mainMenu()->isBound(command), qPrintable(action->text()));
}

void MainWindowTest::zoomComesFromTheSettingsAndScalesMousePositions()
{
    QVERIFY(start("[Options]\nZoom= 3\nStartArea= 10\n"));
    LevelView* view = window_->levelView();
    QCOMPARE(view->size(), QSize(768, 720));
    QVERIFY(window_->mainMenu()->zoomAction(3)->isChecked());

    // The top-left tile of the first enemy on screen picks that enemy.
    const AreaModel& area = core_->area();
    const ViewState& state = core_->view();
    int target = 0;
    for (int i = 1; i <= int(area.enemies.size()) && target == 0; ++i) {
        const int column = area.enemy(i).x - state.viewColumn;
        const int row = area.enemy(i).y - state.viewRow;
        if (column >= 0 && column < 16 && row >= 0 && row < 15)
            target = i;
    }
    QVERIFY2(target > 0, "the demo's area 10 shows an enemy on its first screen");
    const int column = area.enemy(target).x - state.viewColumn;
    const int row = area.enemy(target).y - state.viewRow;
    QCOMPARE(core_->editMode(), 0);
    QTest::mouseClick(view, Qt::LeftButton, {}, QPoint((column * 16 + 15) * 3 + 2, (row * 16 + 15) * 3 + 2));
    QCOMPARE(core_->editMode(), 1);
    QCOMPARE(area.selectedEnemy, target);
    QVERIFY(window_->readoutPanel()->marker(1)->isVisible());
    QVERIFY(!window_->readoutPanel()->marker(0)->isVisible());

    // Dragging with the left button two tiles to the right moves the enemy
    // two columns; a move with the right button moves nothing.
    const int enemyX = area.enemy(target).x;
    const QPointF from((column * 16 + 15) * 3 + 2, (row * 16 + 15) * 3 + 2);
    const QPointF to = from + QPointF(2 * 16 * 3, 0);
    QMouseEvent drag(QEvent::MouseMove, to, view->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view, &drag);
    QCOMPARE(area.enemy(target).x, enemyX + 2);
    const QPointF further = to + QPointF(16 * 3, 0);
    QMouseEvent rightDrag(QEvent::MouseMove, further, view->mapToGlobal(further), Qt::NoButton, Qt::RightButton,
                          Qt::NoModifier);
    QApplication::sendEvent(view, &rightDrag);
    QCOMPARE(area.enemy(target).x, enemyX + 2);

    window_->mainMenu()->zoomAction(1)->trigger();
    QCOMPARE(view->size(), QSize(256, 240));
    QCOMPARE(core_->zoom(), 1);
}

void MainWindowTest::keysReachTheEditorEndToEnd()
{
    QVERIFY(start("[Options]\nStartArea= 10\n"));
    LevelView* view = window_->levelView();
    ReadoutPanel* readouts = window_->readoutPanel();

    QTest::keyClick(view, Qt::Key_PageDown);
    QCOMPARE(window_->windowTitle().left(25), QStringLiteral("Quorl editor -- Area 0B -"));
    QTest::keyClick(view, Qt::Key_PageUp);
    QCOMPARE(window_->windowTitle(), QStringLiteral("Quorl editor -- Area 0A -- 1-2, main part"));
    // Ctrl+Page Down changes nothing.
    QTest::keyClick(view, Qt::Key_PageDown, Qt::ControlModifier);
    QCOMPARE(window_->windowTitle(), QStringLiteral("Quorl editor -- Area 0A -- 1-2, main part"));

    // Keypad + and - on the selected normal object change its type by one.
    QVERIFY(!core_->area().object(1).special);
    const int type = core_->area().object(1).type;
    QTest::keyClick(view, Qt::Key_Plus, Qt::KeypadModifier);
    QCOMPARE(core_->area().object(1).type, (type + 1) % 256);
    QCOMPARE(readouts->label(2)->text(),
             QStringLiteral("Object type: ") + QString::number((type + 1) % 256, 16).toUpper().rightJustified(2, u'0'));
    // The main block's + is not the keypad's.
    QTest::keyClick(view, Qt::Key_Plus);
    QCOMPARE(core_->area().object(1).type, (type + 1) % 256);
    QTest::keyClick(view, Qt::Key_Minus, Qt::KeypadModifier);
    QCOMPARE(core_->area().object(1).type, type);

    // Space switches to enemy editing and moves the marker.
    QVERIFY(readouts->marker(0)->isVisible());
    QTest::keyClick(view, Qt::Key_Space);
    QCOMPARE(core_->editMode(), 1);
    QVERIFY(readouts->marker(1)->isVisible());
    QVERIFY(!readouts->marker(0)->isVisible());
    QTest::keyClick(view, Qt::Key_Space);
    QCOMPARE(core_->editMode(), 0);

    // Keypad 0 cycles the ground view; P switches page separators.
    const int ground = core_->view().groundView;
    QTest::keyClick(view, Qt::Key_0, Qt::KeypadModifier);
    QCOMPARE(core_->view().groundView, (ground + 1) % 3);
    QTest::keyClick(view, Qt::Key_0);
    QCOMPARE(core_->view().groundView, (ground + 1) % 3);
    QTest::keyClick(view, Qt::Key_P);
    QCOMPARE(core_->view().pageView, 1);

    // O flips the check mark of "Show door pointers as &normal objects".
    QTest::keyClick(view, Qt::Key_O);
    QVERIFY(window_->mainMenu()->action(Command::spno)->isChecked());
}

void MainWindowTest::keypadWithNumLockOffActsAsArrows()
{
    QVERIFY(start("[Options]\nStartArea= 10\n"));
    QVERIFY(!core_->area().isVertical);
    QVERIFY(core_->area().objects.size() >= 2);
    LevelView* view = window_->levelView();
    // Keypad 2 with Num Lock off is Down: the next object in a horizontal area.
    QTest::keyClick(view, Qt::Key_Down, Qt::KeypadModifier);
    QCOMPARE(core_->area().selectedObject, 2);
    QCOMPARE(window_->readoutPanel()->label(0)->text(), QStringLiteral("Object #002"));
    QTest::keyClick(view, Qt::Key_Up, Qt::KeypadModifier);
    QCOMPARE(core_->area().selectedObject, 1);
    // Keypad 6 with Num Lock off is Right: scrolls by one column.
    const int column = core_->view().viewColumn;
    QTest::keyClick(view, Qt::Key_Right, Qt::KeypadModifier);
    QCOMPARE(core_->view().viewColumn, column + 1);
}

void MainWindowTest::headerBitClickFlipsTheBit()
{
    QVERIFY(start("[Options]\nStartArea= 10\n"));
    HeaderPanel* header = window_->headerPanel();
    const QString before = header->bitsLabel()->text();
    QCOMPARE(before.size(), 32 * 2 + 4);
    QTest::mouseClick(header->box(1), Qt::LeftButton);
    const QString after = header->bitsLabel()->text();
    QCOMPARE(after.size(), before.size());
    // Bit 2 is the fourth character: " b1 b2 ..."
    QVERIFY(after.at(3) != before.at(3));
    QCOMPARE(after.left(3), before.left(3));
    QCOMPARE(after.mid(4), before.mid(4));
    // A right click only flashes the box.
    QTest::mouseClick(header->box(1), Qt::RightButton);
    QCOMPARE(header->bitsLabel()->text(), after);
}

void MainWindowTest::areasDialogLoadsTheChosenArea()
{
    QVERIFY(start("[Options]\nStartArea= 10\n"));
    const auto& first = core_->directory().worldFirstArea;
    int listed = -1;
    bool currentAtOpening = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<AreasDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Select area"));
        QCOMPARE(dialog->worldList()->count(), 7);
        QCOMPARE(dialog->worldList()->item(6)->text(), QStringLiteral("World 7"));
        // It opens on the current area: world 1, its eleventh area.
        currentAtOpening = dialog->worldList()->currentRow() == 0 && dialog->areaList()->currentRow() == 10 &&
                           dialog->areaList()->currentItem()->isSelected() &&
                           dialog->areaList()->count() == first[2] - first[1];
        QTest::mouseClick(dialog->worldList()->viewport(), Qt::LeftButton, {},
                          dialog->worldList()->visualItemRect(dialog->worldList()->item(6)).center());
        listed = dialog->areaList()->count();
        dialog->areaList()->item(2)->setSelected(true);
        dialog->accept();
    });
    window_->mainMenu()->action(Command::sel1)->trigger();
    QVERIFY(currentAtOpening);
    QCOMPARE(listed, first[8] - first[7]);
    QCOMPARE(core_->currentArea(), first[7] + 2);
    const QString hex = QString::number(first[7] + 2, 16).toUpper().rightJustified(2, u'0');
    QVERIFY(window_->windowTitle().startsWith(QStringLiteral("Quorl editor -- Area ") + hex + QStringLiteral(" -- ")));
}

void MainWindowTest::shutDownWritesTheExactSettingsText()
{
    QVERIFY(start("[Load]\nFilename=quorl.nes\n[Options]\nStartArea= 10\nGroundView= 2\nExtra=kept\n"
                  "[INI]\n0IniSaveSettings= 0\n"));
    QVERIFY(!window_->mainMenu()->action(Command::sv0)->isChecked());
    LevelView* view = window_->levelView();
    QTest::keyClick(view, Qt::Key_0, Qt::KeypadModifier); // ground 2 -> 0
    QTest::keyClick(view, Qt::Key_M);                     // object marks on
    QTest::keyClick(view, Qt::Key_PageDown);              // area 11
    window_->mainMenu()->action(Command::sv6)->trigger(); // stop saving ShowPointersAsObjects
    QVERIFY(!window_->mainMenu()->action(Command::sv6)->isChecked());
    QTest::keyClick(view, Qt::Key_O);
    window_->close();

    const QByteArray expected = "[Load]\n"
                                "Filename=quorl.nes\n"
                                "[Options]\n"
                                "StartArea= 11\n"
                                "GroundView= 0\n"
                                "Extra=kept\n"
                                "PageView= 0\n"
                                "ObjectMarks= 1\n"
                                "PointersFollowDoors=-1\n"
                                "Zoom= 2\n"
                                "Backup=-1\n"
                                "AskBeforeDiscarding=-1\n"
                                "SaveBeforeTesting= 0\n"
                                "[INI]\n"
                                "0IniSaveSettings= 0\n"
                                "1IniSaveSettings=-1\n"
                                "2IniSaveSettings=-1\n"
                                "3IniSaveSettings=-1\n"
                                "4IniSaveSettings=-1\n"
                                "5IniSaveSettings=-1\n"
                                "6IniSaveSettings= 0\n"
                                "[Recent]\n"
                                "File1=" + QFileInfo(imagePath_).absoluteFilePath().toUtf8() + "\n";
    // The window's placement follows in a section of its own.
    const QByteArray written = readFile(settingsPath_);
    QCOMPARE(written.left(expected.size()), expected);
    QVERIFY(written.mid(expected.size()).startsWith("[Window]\n"));
}

void MainWindowTest::anUnreadableSettingsFileIsNeverWrittenAndToldOnce()
{
    // One byte over the read limit: opening the image (which keeps the
    // recent images) and closing the window leave it as it was.
    const QByteArray settings = "[Options]\nStartArea= 10\n" + QByteArray((4 << 20) - 23, ';');
    QVERIFY(start(settings));
    QCOMPARE(readFile(settingsPath_).size(), settings.size());
    BoxCatcher boxes;
    window_->close();
    QCOMPARE(boxes.texts.size(), 1);
    QVERIFY2(boxes.texts[0].contains(QStringLiteral("could not be read")), qPrintable(boxes.texts[0]));
    QVERIFY(readFile(settingsPath_) == settings);
}

int quorled::widgettests::runMainWindowTests(int argc, char** argv)
{
    MainWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "mainwindow_test.moc"
