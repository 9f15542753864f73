#include "widgettests.h"

#include "demowindow.h"
#include "testfiles.h"

#include "editor/areamapwindow.h"
#include "editor/filechooser.h"
#include "editor/filecommands.h"
#include "editor/levelview.h"
#include "editor/mainmenu.h"
#include "editor/mainwindow.h"
#include "editor/workbenchcommands.h"

#include "core/session/editorcore.h"
#include "core/editing/keyediting.h"
#include "romdata/demo/demoimage.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QCursor>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <sys/stat.h>

using namespace quorled;
using quorled::widgettests::BoxCatcher;
using quorled::widgettests::DemoWindow;
using quorled::widgettests::readFile;

namespace {

// What the file dialogs answer in these tests.
QString chosenName;
QString chooseName(FileChooser::Mode, const QString&, const QString&) { return chosenName; }

bool writeDemo(const QString& path)
{
    const std::vector<std::uint8_t> image = buildDemoImage(ImageKind::Ines);
    QFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(reinterpret_cast<const char*>(image.data()), qsizetype(image.size())) == qsizetype(image.size());
}

bool isPng(const QString& path, QSize size)
{
    return readFile(path).startsWith("\x89PNG\r\n\x1a\n") && QImage(path, "PNG").size() == size;
}

} // namespace

class WorkbenchCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        FileChooser::setChooseFunction(chooseName);
        QVERIFY(demo_.open(true));
    }
    void cleanup()
    {
        demo_.close();
        FileChooser::setChooseFunction(nullptr);
    }

    void copyPasteWithinAndBetweenAreasAndCutIsUndoable()
    {
        MainMenu* menu = demo_.window->mainMenu();
        AreaModel& area = demo_.core->area();
        area.selectedObject = 1;
        const LevelObject tree = area.object(1);
        const int objects = area.objCount();
        QTest::keyClick(demo_.window.get(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(QGuiApplication::clipboard()->text().contains(QStringLiteral("\"objects\": [{\"type\": 22")));
        QVERIFY(!demo_.core->document().canUndo());

        // Within the area: at the cell under the pointer, one step.
        LevelView* view = demo_.window->levelView();
        const int cell = 16 * view->zoom();
        QCursor::setPos(view->mapToGlobal(QPoint(3 * cell + 5, 2 * cell + 5)));
        menu->action(Command::editPaste)->trigger();
        QCOMPARE(demo_.core->area().objCount(), objects + 1);
        LevelObject moved = tree;
        moved.x = demo_.core->view().viewColumn + 3;
        moved.y = 2;
        QCOMPARE(demo_.core->area().object(demo_.core->area().selectedObject), moved);
        QCOMPARE(menu->action(Command::editUndo)->text(), QStringLiteral("&Undo Paste object in area 0A"));
        menu->action(Command::editUndo)->trigger();
        QCOMPARE(demo_.core->area().objCount(), objects);

        // Cut: copy and delete in one step that undo takes back.
        QTest::keyClick(demo_.window.get(), Qt::Key_X, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(demo_.core->area().objCount(), objects - 1);
        QCOMPARE(menu->action(Command::editUndo)->text(), QStringLiteral("&Undo Cut object in area 0A"));
        menu->action(Command::editUndo)->trigger();
        QCOMPARE(demo_.core->area().objCount(), objects);
        QVERIFY(!demo_.core->document().differs());

        // Into the next area (vertical), under the pointer there too.
        QTest::keyClick(demo_.window->levelView(), Qt::Key_PageDown);
        QCOMPARE(demo_.core->currentArea(), 11);
        const int there = demo_.core->area().objCount();
        QTest::keyClick(demo_.window.get(), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(demo_.core->area().objCount(), there + 1);
        QVERIFY2(!demo_.window->workbenchCommands()->mapWindow(), "only its own shortcut opens the map");
        const LevelObject& pasted = demo_.core->area().object(demo_.core->area().selectedObject);
        QCOMPARE(pasted.type, tree.type);
        QCOMPARE(pasted.x, 3);
        QCOMPARE(pasted.y, demo_.core->view().viewRow + 2);
        QVERIFY(demo_.window->windowTitle().endsWith(QStringLiteral(" *")));
    }

    void pasteOffScreenGoesToTheViewsTopLeftAndBadTextIsRefused()
    {
        // The pointer away from the view.
        QCursor::setPos(demo_.window->levelView()->mapToGlobal(QPoint(-40, -40)));
        AreaModel& area = demo_.core->area();
        area.selectedObject = 2; // column 20, off the first screen
        demo_.window->mainMenu()->action(Command::editCopy)->trigger();
        while (demo_.core->view().viewColumn <= 20) // pages on
            QTest::keyClick(demo_.window->levelView(), Qt::Key_Right, Qt::ShiftModifier);
        const int column = demo_.core->view().viewColumn;
        QVERIFY(column > 20);
        demo_.window->mainMenu()->action(Command::editPaste)->trigger();
        const LevelObject& pasted = demo_.core->area().object(demo_.core->area().selectedObject);
        QCOMPARE(pasted.x, column);
        QCOMPARE(pasted.y, 0);

        const AreaModel before = demo_.core->area();
        for (const QString& text : {QStringLiteral("not JSON"), QStringLiteral("{\"header\": [1, 2, 3]}"),
                                    QString()}) {
            QGuiApplication::clipboard()->setText(text);
            BoxCatcher boxes;
            demo_.window->mainMenu()->action(Command::editPaste)->trigger();
            QCOMPARE(boxes.titles, QStringList{QStringLiteral("Can't paste!")});
            QVERIFY2(boxes.texts.value(0).startsWith(QStringLiteral("The clipboard text ")), qPrintable(boxes.texts.value(0)));
            QVERIFY(demo_.core->area() == before);
        }
    }

    void mapClickAndDragScrollTheViewAndTheRectangleFollows()
    {
        demo_.window->mainMenu()->action(Command::lmap)->trigger();
        AreaMapWindow* map = demo_.window->workbenchCommands()->mapWindow();
        QVERIFY(map && map->isVisible());
        map->setZoomIndex(2); // 100%
        AreaMapCanvas* canvas = map->canvas();
        QCOMPARE(canvas->map().size(), QSize(6 * 256, 240));
        QCOMPARE(canvas->viewRect(), QRect(0, 0, 256, 240));

        QTest::mouseClick(canvas, Qt::LeftButton, {}, QPoint(800, 100));
        QCOMPARE(demo_.core->view().viewColumn, 42); // centred on column 50
        QCOMPARE(canvas->viewRect(), QRect(42 * 16, 0, 256, 240));
        QTest::mousePress(canvas, Qt::LeftButton, {}, QPoint(400, 50));
        QTest::mouseMove(canvas, QPoint(1500, 50));
        QTest::mouseRelease(canvas, Qt::LeftButton, {}, QPoint(1500, 50));
        QCOMPARE(demo_.core->view().viewColumn, 80); // the last screen
        // Keys scroll the view; the rectangle follows. An edit redraws the map.
        QTest::keyClick(demo_.window->levelView(), Qt::Key_Left);
        QCOMPARE(canvas->viewRect().x(), 79 * 16);
        const QImage before = canvas->map();
        demo_.core->area().selectedObject = 1;
        demo_.window->mainMenu()->action(Command::delobj)->trigger();
        QVERIFY(canvas->map() != before);

        chosenName = demo_.dir->filePath(QStringLiteral("map.png"));
        map->exportButton()->click();
        QVERIFY(isPng(chosenName, QSize(6 * 256, 240)));
        chosenName = demo_.dir->filePath(QStringLiteral("view.png"));
        demo_.window->mainMenu()->action(Command::lexport)->trigger();
        QVERIFY(isPng(chosenName, QSize(256, 240)));
        // The image itself is never an export's target.
        const QByteArray image = readFile(demo_.imagePath);
        chosenName = demo_.imagePath;
        BoxCatcher boxes;
        demo_.window->mainMenu()->action(Command::lexport)->trigger();
        QCOMPARE(boxes.titles, QStringList{QStringLiteral("Export view as PNG")});
        QCOMPARE(readFile(demo_.imagePath), image);
    }

    void openRecentKeepsTheLastEightNewestFirst()
    {
        FileCommands& files = demo_.window->workbenchCommands()->files();
        QStringList names;
        for (int i = 1; i <= 9; ++i) {
            names.prepend(demo_.dir->filePath(QStringLiteral("image%1.nes").arg(i)));
            QVERIFY(writeDemo(names.first()));
            QVERIFY(files.openImage(names.first()));
        }
        QVERIFY(files.openImage(names[3])); // again: it moves to the top
        names.move(3, 0);
        QCOMPARE(QString::fromStdString(demo_.core->romFileName()), names[0]);
        QMenu* recent = demo_.window->mainMenu()->recentMenu();
        QStringList listed;
        for (QAction* action : recent->actions())
            listed << action->data().toString();
        QCOMPARE(listed, names.mid(0, 8));
        QCOMPARE(recent->actions().value(0)->text(), QStringLiteral("&1 ") + names[0]);
        QVERIFY(readFile(demo_.dir->filePath(QStringLiteral("Quorled.ini"))).contains("File8=" + names[7].toUtf8()));

        // An item opens its image; one that fails leaves the image open.
        recent->actions().value(2)->trigger();
        QCOMPARE(QString::fromStdString(demo_.core->romFileName()), names[2]);
        QVERIFY(QFile::remove(names[5]));
        BoxCatcher boxes;
        recent->actions().value(5)->trigger();
        QCOMPARE(boxes.texts.size(), 1);
        QVERIFY2(boxes.texts[0].contains(names[5]), qPrintable(boxes.texts[0]));
        QCOMPARE(QString::fromStdString(demo_.core->romFileName()), names[2]);
        QVERIFY(demo_.window->levelView()->isEnabled());

        // A name is listed on one line, an ampersand as itself; the item
        // keeps the name's bytes.
        const QString odd = demo_.dir->filePath(QStringLiteral("odd\nname & co.nes"));
        QVERIFY(writeDemo(odd));
        QVERIFY(files.openImage(odd));
        QCOMPARE(recent->actions().value(0)->text(),
                 QStringLiteral("&1 ") + demo_.dir->path() + QStringLiteral("/odd\\nname && co.nes"));
        QCOMPARE(recent->actions().value(0)->data().toString(), odd);
    }

    // A name the file dialog could only show with U+FFFD for bytes that are
    // no UTF-8 would open or write another file: it is refused, and nothing
    // is opened or written.
    void aChosenNameThatLostItsBytesIsRefused()
    {
        const QString lost = demo_.dir->filePath(QStringLiteral("bad\uFFFD.nes"));
        QFile::copy(demo_.imagePath, lost); // the file such a name would reach
        const QByteArray before = readFile(lost);
        for (Command command : {Command::lopen, Command::lsaveas}) {
            chosenName = lost;
            BoxCatcher boxes;
            demo_.window->mainMenu()->action(command)->trigger();
            QCOMPARE(boxes.texts.size(), 1);
            QVERIFY2(boxes.texts[0].contains(QStringLiteral("cannot be kept byte for byte")), qPrintable(boxes.texts[0]));
            QCOMPARE(QString::fromStdString(demo_.core->romFileName()), demo_.imagePath);
            QCOMPARE(readFile(lost), before);
        }
    }

    void readOnlyImageSaysSoAndSaveAsGoesOnWithTheNewFile()
    {
        QVERIFY(::chmod(demo_.imagePath.toLocal8Bit().constData(), 0444) == 0);
        chosenName = demo_.imagePath;
        QVERIFY(demo_.window->workbenchCommands()->files().openImage(demo_.imagePath));
        QVERIFY(demo_.window->windowTitle().endsWith(QStringLiteral(" [read-only]")));
        QPushButton* save = demo_.window->button(Command::lsave);
        QVERIFY(!save->isEnabled());
        QVERIFY(!demo_.window->mainMenu()->action(Command::lsave)->isEnabled());
        QVERIFY(save->toolTip().contains(QStringLiteral("Save image as...")));
        QVERIFY(demo_.window->mainMenu()->action(Command::lsaveas)->isEnabled());

        const QByteArray original = readFile(demo_.imagePath);
        QTest::keyClick(demo_.window->levelView(), Qt::Key_Plus, Qt::KeypadModifier);
        const int type = demo_.core->area().object(demo_.core->area().selectedObject).type;
        chosenName = demo_.dir->filePath(QStringLiteral("copy.nes"));
        demo_.window->mainMenu()->action(Command::lsaveas)->trigger();
        QCOMPARE(QString::fromStdString(demo_.core->romFileName()), chosenName);
        QCOMPARE(readFile(demo_.imagePath), original);
        QVERIFY(readFile(chosenName) != original);
        QVERIFY(!demo_.window->windowTitle().contains(QStringLiteral("[read-only]")));
        QVERIFY(!demo_.window->windowTitle().endsWith(QStringLiteral(" *")));
        QVERIFY(save->isEnabled());
        QVERIFY(save->toolTip().isEmpty());
        QCOMPARE(demo_.window->mainMenu()->recentMenu()->actions().value(0)->data().toString(), chosenName);
        // Further saves go to the new file.
        QTest::keyClick(demo_.window->levelView(), Qt::Key_Plus, Qt::KeypadModifier);
        const QByteArray copy = readFile(chosenName);
        save->click();
        QVERIFY(readFile(chosenName) != copy);
        QCOMPARE(readFile(demo_.imagePath), original);
        QCOMPARE(demo_.core->area().object(demo_.core->area().selectedObject).type, (type + 1) & 0xFF);
    }

private:
    DemoWindow demo_;
};

int quorled::widgettests::runWorkbenchCommandTests(int argc, char** argv)
{
    WorkbenchCommandsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "workbenchcommands_test.moc"
