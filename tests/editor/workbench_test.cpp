// The docks, the wheel and the resizable window, driven as a user would.
#include "widgettests.h"

#include "demowindow.h"

#include "core/session/editorcore.h"
#include "core/settings/settingsfile.h"
#include "editor/levelview.h"
#include "editor/mainmenu.h"
#include "editor/mainwindow.h"
#include "editor/propertiesdock.h"
#include "editor/shortcutcommands.h"
#include "editor/typegallerydock.h"
#include "editor/workbench.h"
#include "editor/workbenchcommands.h"
#include "view/catalogue.h"

#include <QDockWidget>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QStyleHints>
#include <QTest>
#include <QWheelEvent>

#include <set>

using namespace quorled;
using quorled::widgettests::DemoWindow;
using Field = SelectionProperties::Field;

namespace {

QListWidgetItem* cellOfType(QListWidget* grid, int type)
{
    for (int row = 0; row < grid->count(); ++row)
        if (grid->item(row)->data(Qt::UserRole).toInt() == type)
            return grid->item(row);
    return nullptr;
}

// Selects the area's first object that is not a special one; 0 when there is none.
int selectFirstPlainObject(EditorCore& core)
{
    for (int s = 1; s <= core.area().objCount(); ++s)
        if (!core.area().object(s).special) {
            core.area().selectedObject = s;
            core.redraw();
            return s;
        }
    return 0;
}

// A click on a gallery cell; it acts once the double-click time is over
// (on a busy machine later still: check its effect with QTRY_).
void clickCell(QListWidget* grid, QListWidgetItem* item)
{
    grid->scrollToItem(item);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualItemRect(item).center());
    QTest::qWait(QGuiApplication::styleHints()->mouseDoubleClickInterval() + 20);
}

void doubleClickCell(QListWidget* grid, QListWidgetItem* item)
{
    grid->scrollToItem(item);
    const QPoint at = grid->visualItemRect(item).center();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, at);
}

void turnWheel(QWidget* widget, QPoint angle, Qt::KeyboardModifiers modifiers = {})
{
    const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
    QWheelEvent event(at, widget->mapToGlobal(at), QPoint(), angle, Qt::NoButton, modifiers, Qt::NoScrollPhase,
                      false);
    QApplication::sendEvent(widget, &event);
}

// Types text into a field and presses Return.
void typeInto(QLineEdit* field, const QString& text)
{
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
}

} // namespace

class WorkbenchTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        QVERIFY(demo_.open(true));
        // Short, so that a gallery click acts soon.
        doubleClickInterval_ = QGuiApplication::styleHints()->mouseDoubleClickInterval();
        QGuiApplication::styleHints()->setMouseDoubleClickInterval(60);
    }
    void cleanup()
    {
        QGuiApplication::styleHints()->setMouseDoubleClickInterval(doubleClickInterval_);
        demo_.close();
    }

    void galleryClickSetsTheTypeAndUndoRestoresIt()
    {
        EditorCore& core = *demo_.core;
        TypeGalleryDock* dock = demo_.window->workbench()->galleries();
        QListWidget* grid = dock->grid(TypeKind::Object);
        QCOMPARE(grid->count(), 256);
        const int s = selectFirstPlainObject(core);
        QVERIFY(s > 0);
        const int type = core.area().object(s).type;
        QVERIFY(cellOfType(grid, type)->isSelected());
        QVERIFY(!cellOfType(grid, type)->icon().isNull());
        QCOMPARE(cellOfType(grid, type)->toolTip(),
                 QString::fromStdString(Catalogue::instance().objectTypeName(core.area().header.objectSet(), type)));

        const int wanted = (type + 0x11) % 256;
        clickCell(grid, cellOfType(grid, wanted));
        QTRY_COMPARE(core.area().object(s).type, wanted);
        QVERIFY(cellOfType(grid, wanted)->isSelected());
        QVERIFY(demo_.window->windowTitle().endsWith(QStringLiteral(" *")));
        demo_.window->mainMenu()->action(Command::editUndo)->trigger();
        QCOMPARE(core.area().object(s).type, type);
        QVERIFY(cellOfType(grid, type)->isSelected());

        // The enemy grid gives the selected enemy its type.
        QListWidget* enemies = dock->grid(TypeKind::Enemy);
        dock->tabs()->setCurrentIndex(1);
        core.area().selectedEnemy = 1;
        core.redraw();
        const int enemyType = (core.area().enemy(1).type + 1) % 256;
        clickCell(enemies, cellOfType(enemies, enemyType));
        QTRY_COMPARE(core.area().enemy(1).type, enemyType);
        QCOMPARE(core.editMode(), 1);
    }

    void galleryDoubleClickPlacesWithoutRetypingTheSelection()
    {
        EditorCore& core = *demo_.core;
        QListWidget* grid = demo_.window->workbench()->galleries()->grid(TypeKind::Object);
        const int s = selectFirstPlainObject(core);
        QVERIFY(s > 0);
        const AreaModel before = core.area();
        const int wanted = (before.object(s).type + 0x11) % 256;
        const std::size_t steps = core.document().undoSteps();
        doubleClickCell(grid, cellOfType(grid, wanted));
        QTest::qWait(QGuiApplication::styleHints()->mouseDoubleClickInterval() + 20);
        QCOMPARE(core.area().objCount(), before.objCount() + 1);
        QCOMPARE(core.document().undoSteps(), steps + 1);
        // Every item keeps its type; the new one is selected.
        const auto types = [](const AreaModel& area) {
            std::multiset<int> all;
            for (int i = 1; i <= area.objCount(); ++i)
                all.insert(area.object(i).type);
            return all;
        };
        std::multiset<int> expected = types(before);
        expected.insert(wanted);
        QVERIFY(types(core.area()) == expected);
        QCOMPARE(core.area().object(core.area().selectedObject).type, wanted);
        QVERIFY(cellOfType(grid, wanted)->isSelected());
    }

    void viewKeysTakeTheKeysTheSettingsFileGives()
    {
        EditorCore& core = *demo_.core;
        QFile settings(demo_.dir->filePath(QStringLiteral("Quorled.ini")));
        QVERIFY(settings.open(QIODevice::Append));
        settings.write("[Shortcuts]\nMove the selection left= H\n");
        settings.close();
        ShortcutCommands& keys = demo_.window->workbenchCommands()->shortcuts();
        keys.applyStored();
        QVERIFY(keys.viewKeyLines().contains(QStringLiteral("H : Move the selection left")));
        int s = 1;
        while (s <= core.area().objCount() && (core.area().object(s).special || core.area().object(s).x < 1))
            ++s;
        QVERIFY(s <= core.area().objCount());
        core.area().selectedObject = s;
        core.view().editMode = 0;
        core.redraw();
        const int x = core.area().object(s).x;
        QTest::keyClick(demo_.window->levelView(), Qt::Key_Left, Qt::AltModifier);
        QTest::keyClick(demo_.window->levelView(), Qt::Key_4, Qt::KeypadModifier);
        QCOMPARE(core.area().object(s).x, x);
        QTest::keyClick(demo_.window->levelView(), Qt::Key_H);
        QCOMPARE(core.area().object(s).x, x - 1);
        // The other view keys stay as they were.
        QTest::keyClick(demo_.window->levelView(), Qt::Key_6, Qt::KeypadModifier);
        QCOMPARE(core.area().object(s).x, x);
    }

    void filterKeepsTheMatchingNames()
    {
        TypeGalleryDock* dock = demo_.window->workbench()->galleries();
        QListWidget* grid = dock->grid(TypeKind::Enemy);
        const QString name = QString::fromStdString(Catalogue::instance().enemyTypeName(1));
        dock->filter(TypeKind::Enemy)->setText(name.toUpper());
        QVERIFY(grid->count() >= 1 && grid->count() < 256);
        for (int row = 0; row < grid->count(); ++row)
            QVERIFY(grid->item(row)->toolTip().contains(name, Qt::CaseInsensitive));
        QVERIFY(cellOfType(grid, 1));
        dock->filter(TypeKind::Enemy)->setText(QStringLiteral("zzz no such name"));
        QCOMPARE(grid->count(), 0);
        dock->filter(TypeKind::Enemy)->clear();
        QCOMPARE(grid->count(), 256);
    }

    void propertyEditsKeepTheLimits()
    {
        EditorCore& core = *demo_.core;
        PropertiesDock* dock = demo_.window->workbench()->properties();
        int s = 1;
        while (s <= core.area().objCount() && core.area().object(s).special)
            ++s;
        core.area().selectedObject = s;
        core.view().editMode = 0;
        core.redraw();
        const bool vertical = core.area().isVertical != 0;
        QCOMPARE(dock->field(Field::Y)->text(), QString::fromStdString(SelectionProperties::text(core.area().object(s).y)));
        QVERIFY(!dock->field(Field::FirstParameter)->isEnabled());

        const std::size_t steps = core.document().undoSteps();
        typeInto(dock->field(Field::Y), QStringLiteral("$3"));
        QCOMPARE(core.area().object(s).y, 3);
        QCOMPARE(core.document().undoSteps(), steps + 1);
        QCOMPARE(dock->field(Field::Y)->text(), QStringLiteral("03"));
        QVERIFY(dock->message()->text().isEmpty());

        typeInto(dock->field(Field::Y), vertical ? QStringLiteral("100") : QStringLiteral("0F"));
        QCOMPARE(core.area().object(s).y, 3);
        QCOMPARE(dock->field(Field::Y)->text(), QStringLiteral("03"));
        QVERIFY(dock->message()->text().contains(QStringLiteral("out of range")));

        typeInto(dock->field(Field::Type), QStringLiteral("x!"));
        QVERIFY(dock->message()->text().contains(QStringLiteral("not a hexadecimal number")));
        QCOMPARE(dock->field(Field::Type)->text(), QString::fromStdString(SelectionProperties::text(core.area().object(s).type)));
        QCOMPARE(core.document().undoSteps(), steps + 1);

        typeInto(dock->field(Field::Type), QStringLiteral("2a"));
        QCOMPARE(core.area().object(s).type, 0x2A);
        QCOMPARE(core.document().undoName(), std::string("Change object"));
        demo_.window->mainMenu()->action(Command::editUndo)->trigger();
        QCOMPARE(dock->field(Field::Type)->text(), QString::fromStdString(SelectionProperties::text(core.area().object(s).type)));

        // A refusal stays until another item is selected.
        typeInto(dock->field(Field::X), QStringLiteral("?"));
        QVERIFY(!dock->message()->text().isEmpty());
        QTest::keyClick(demo_.window->levelView(), Qt::Key_Space);
        QCOMPARE(core.editMode(), 1);
        QVERIFY(dock->message()->text().isEmpty());
        QCOMPARE(dock->field(Field::Type)->text(), QString::fromStdString(SelectionProperties::text(core.area().enemy(core.area().selectedEnemy).type)));
        QVERIFY(!dock->field(Field::Layer)->isEnabled());
    }

    void wheelScrollsOneCellPerNotch()
    {
        EditorCore& core = *demo_.core;
        LevelView* view = demo_.window->levelView();
        const bool vertical = core.area().isVertical != 0;
        int& position = vertical ? core.view().viewRow : core.view().viewColumn;
        position = 4;
        core.redraw();
        turnWheel(view, QPoint(0, -120)); // toward the user: on
        QCOMPARE(position, 5);
        turnWheel(view, QPoint(0, 240));
        QCOMPARE(position, 3);
        turnWheel(view, QPoint(0, -60));
        QCOMPARE(position, 3);
        turnWheel(view, QPoint(0, -60));
        QCOMPARE(position, 4);
        turnWheel(view, QPoint(0, 120), Qt::ShiftModifier); // across, to the left
        QCOMPARE(position, vertical ? 4 : 3);
    }

    void zoomResizesTheWindowBothWays()
    {
        MainWindow& window = *demo_.window;
        QScrollArea* stage = window.stage();
        const QRect room = window.screen()->availableGeometry();
        // Within the screen's room, unless the window cannot be made smaller.
        auto withinRoom = [&] {
            const QSize least = window.minimumSizeHint();
            return (window.frameGeometry().width() <= room.width() || window.width() <= least.width()) &&
                   (window.frameGeometry().height() <= room.height() || window.height() <= least.height());
        };
        window.mainMenu()->zoomAction(1)->trigger();
        QTest::qWait(50);
        const QSize small = window.size();
        QVERIFY(stage->viewport()->height() >= 240);
        QVERIFY(withinRoom());
        window.mainMenu()->zoomAction(3)->trigger();
        // Larger, unless zoom 1 already took the whole of this small screen.
        QTRY_VERIFY(window.height() > small.height() || window.frameGeometry().height() >= room.height());
        QVERIFY(withinRoom());
        window.mainMenu()->zoomAction(4)->trigger();
        QTest::qWait(50);
        QVERIFY(withinRoom());
        window.mainMenu()->zoomAction(1)->trigger();
        QTRY_COMPARE(window.size(), small);
    }

    void geometryAndDocksAreKeptInTheSettingsFile()
    {
        MainWindow& window = *demo_.window;
        window.resize(900, 700);
        QDockWidget* properties = window.workbench()->properties();
        properties->hide();
        QTest::qWait(20);
        const QString settings = demo_.dir->filePath(QStringLiteral("Quorled.ini"));
        window.close();
        const SettingsFile file = SettingsFile::load(settings.toStdString());
        QCOMPARE(file.read("Window", "Width"), std::string("900"));
        QCOMPARE(file.read("Window", "Height"), std::string("700"));
        QVERIFY(!file.read("Window", "Docks1").empty());
        QCOMPARE(file.read("Options", "StartArea"), std::string("10"));

        // A new window on the same settings comes back the same.
        demo_.window.reset();
        demo_.window = std::make_unique<MainWindow>(*demo_.core, settings, QPixmap());
        QVERIFY(demo_.window->startUp(demo_.imagePath));
        demo_.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(demo_.window.get()));
        // Kept as it was, within the screen's room for it.
        const QSize room = demo_.window->screen()->availableGeometry().size();
        QTRY_COMPARE(demo_.window->size().width(), std::min(900, room.width()));
        QVERIFY(!demo_.window->workbench()->properties()->isVisible());
        QVERIFY(demo_.window->workbench()->galleries()->isVisible());
    }

    // A layout changed outside the editor is never handed to the toolkit,
    // and a window kept far larger than the screen comes back within it.
    void aDamagedLayoutAndAHugeWindowAreNotRestored()
    {
        const QString settings = demo_.dir->filePath(QStringLiteral("Quorled.ini"));
        demo_.window->close();
        demo_.window.reset();
        SettingsFile file = SettingsFile::load(settings.toStdString());
        const char* keys[][2] = {{"X", "-15000"}, {"Y", "-15000"}, {"Width", "30000"}, {"Height", "30000"},
                                 {"Maximized", " 0"}, {"DockParts", " 1"}, {"Docks1", "AAAAAAAA"},
                                 {"DockVersion", " 1"}, {"DockCheck", "0000000000000000"}};
        for (const auto& key : keys)
            file.write("Window", key[0], key[1]);
        file.save(settings.toStdString());
        demo_.window = std::make_unique<MainWindow>(*demo_.core, settings, QPixmap());
        QVERIFY(demo_.window->startUp(demo_.imagePath));
        demo_.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(demo_.window.get()));
        QVERIFY(demo_.window->statusBar()->currentMessage().contains(QStringLiteral("dock layout")));
        QVERIFY(demo_.window->workbench()->properties()->isVisible());
        // No larger than the screen's room, unless the window cannot be that small.
        const QRect room = demo_.window->screen()->availableGeometry();
        const QSize least = demo_.window->minimumSizeHint().expandedTo(demo_.window->minimumSize());
        QVERIFY2(demo_.window->width() <= std::max(room.width(), least.width()),
                 qPrintable(QStringLiteral("%1 in %2, least %3").arg(demo_.window->width()).arg(room.width()).arg(least.width())));
        QVERIFY2(demo_.window->height() <= std::max(room.height(), least.height()),
                 qPrintable(QStringLiteral("%1 in %2, least %3").arg(demo_.window->height()).arg(room.height()).arg(least.height())));
        QVERIFY(demo_.window->width() < 30000 && demo_.window->height() < 30000);
    }

private:
    DemoWindow demo_;
    int doubleClickInterval_ = 0;
};

int quorled::widgettests::runWorkbenchTests(int argc, char** argv)
{
    WorkbenchTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "workbench_test.moc"
