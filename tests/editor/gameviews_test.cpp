// The whole-game views in the real window: a door's destination in the
// read-outs, Go to destination and Back, Find, the Problems dock following
// an edit, and the overview opening an area.
#include "widgettests.h"

#include "demowindow.h"

#include "core/workbench/doorlinks.h"
#include "core/workbench/gameareapass.h"
#include "assets/artwork.h"
#include "core/forms/areamapgeometry.h"
#include "core/session/editorcore.h"
#include "core/session/editorgameareas.h"
#include "core/workbench/problemrules.h"
#include "core/editing/groupselection.h"
#include "editor/areamapwindow.h"
#include "editor/finddialog.h"
#include "editor/gameviews.h"
#include "editor/mainmenu.h"
#include "editor/mainwindow.h"
#include "editor/overviewwindow.h"
#include "editor/problemsdock.h"
#include "editor/readoutpanel.h"
#include "editor/workbenchcommands.h"
#include "romdata/romimage.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>
#include <QTreeWidget>

namespace quorled {

class GameViewsTest : public QObject {
    Q_OBJECT
private slots:
    void init() { QVERIFY(demo_.open(false)); }
    void cleanup() { demo_.close(); }

    void doorsShowTheirDestinationAndCanBeFollowedAndBack()
    {
        EditorCore& core = *demo_.core;
        GameViews* views = demo_.window->gameViews();
        const int start = core.currentArea();
        const std::vector<DoorLink> links = doorLinks(core.area());
        QVERIFY(!links.empty());
        const DoorLink link = links.back();
        core.area().selectedObject = link.door;
        core.redraw(Change::Readouts);
        const QString where = QString::fromStdString(destinationText(link.to, core.directory()));
        QVERIFY(demo_.window->readoutPanel()->label(3)->text().endsWith(where));
        QCOMPARE(views->propertiesLink()->text(), where);
        QVERIFY(views->goAction()->isEnabled());

        views->goAction()->trigger();
        QCOMPARE(core.currentArea(), link.to.area());
        QCOMPARE(core.area().isVertical ? core.view().viewRow : core.view().viewColumn,
                 link.to.page * (core.area().isVertical ? 15 : 16));
        QVERIFY(views->backAction()->isEnabled());
        views->backAction()->trigger();
        QCOMPARE(core.currentArea(), start);
        QVERIFY(!views->backAction()->isEnabled());

        // An object that is no door offers no destination.
        core.area().selectedObject = 1;
        core.redraw(Change::Readouts);
        if (!linkOfObject(core.area(), 1)) {
            QVERIFY(!views->goAction()->isEnabled());
            QVERIFY(views->propertiesLink()->text().isEmpty());
        }
    }

    void theAreaMapSaysWhereADoorLeads()
    {
        EditorCore& core = *demo_.core;
        const std::vector<DoorLink> links = doorLinks(core.area());
        QVERIFY(!links.empty());
        const DoorLink link = links.front();
        const int door = link.door > 0 ? link.door : link.pointer;
        const QString where = QString::fromStdString(destinationText(link.to, core.directory()));
        int plain = 1;
        while (plain <= core.area().objCount() && linkOfObject(core.area(), plain))
            ++plain;
        QVERIFY(plain <= core.area().objCount());
        core.area().selectedObject = plain;
        core.view().editMode = 0;
        demo_.window->mainMenu()->action(Command::lmap)->trigger();
        AreaMapWindow* map = demo_.window->workbenchCommands()->mapWindow();
        map->setZoomIndex(2); // full size: a map pixel is a view pixel
        QCOMPARE(map->linkLabel()->text(), QString());
        // Selecting the door says where it leads.
        core.area().selectedObject = door;
        core.redraw(Change::Readouts);
        QCOMPARE(map->linkLabel()->text(), QStringLiteral("Selected: Object %1 %2").arg(door).arg(where));
        // Over the door on the map, with another object selected.
        core.area().selectedObject = plain;
        core.redraw(Change::Readouts);
        QCOMPARE(map->linkLabel()->text(), QString());
        const CellBox cells = GroupSelection::itemCells(core.area(), core.view(), {false, door});
        emit map->canvas()->hovered(16 * cells.left + 8, 16 * cells.top + 8);
        QVERIFY2(map->linkLabel()->text().endsWith(where), qPrintable(map->linkLabel()->text()));
        QCOMPARE(map->canvas()->toolTip(), map->linkLabel()->text());
        emit map->canvas()->left();
        QCOMPARE(map->linkLabel()->text(), QString());
    }

    void findListsMatchesAsYouTypeAndOpensTheItem()
    {
        EditorCore& core = *demo_.core;
        GameViews* views = demo_.window->gameViews();
        views->findAction()->trigger();
        FindDialog* find = views->findDialog();
        QVERIFY(find && find->isVisible());
        QTest::keyClicks(find->query(), QStringLiteral("Cloud"));
        QVERIFY(find->hits().size() > 5);
        QCOMPARE(find->results()->topLevelItemCount(), static_cast<int>(find->hits().size()));
        for (const SearchHit& hit : find->hits())
            QVERIFY(QString::fromStdString(hit.name).contains(QStringLiteral("cloud"), Qt::CaseInsensitive));
        // A search that matches more than the list holds lists the first
        // matches and counts them all.
        const std::vector<SearchHit> all = find->hits();
        find->setListLimit(3);
        find->query()->clear();
        QTest::keyClicks(find->query(), QStringLiteral("Cloud"));
        QVERIFY(std::equal(find->hits().begin(), find->hits().end(), all.begin(), all.begin() + 3));
        QCOMPARE(find->hits().size(), std::size_t{3});
        const auto labels = find->findChildren<QLabel*>();
        QVERIFY(std::any_of(labels.begin(), labels.end(), [&](const QLabel* label) {
            return label->text() == QStringLiteral("%1 matches; the first 3 are listed").arg(all.size());
        }));
        find->setListLimit(5000);
        find->query()->clear();
        QTest::keyClicks(find->query(), QStringLiteral("Cloud"));
        const SearchHit hit = find->hits().back();
        emit find->results()->itemDoubleClicked(find->results()->topLevelItem(find->results()->topLevelItemCount() - 1), 0);
        QCOMPARE(core.currentArea(), hit.area);
        QCOMPARE(core.area().selectedObject, hit.index);
        QCOMPARE(core.editMode(), 0);
    }

    // Nothing is decoded or checked for the hidden views, not even after an
    // edit; the dock shown lists what the eager check of the file with the
    // current area as edited finds, errors first, and checks again only
    // when shown again.
    void problemsAreCheckedWhenTheDockIsShown()
    {
        EditorCore& core = *demo_.core;
        GameViews* views = demo_.window->gameViews();
        const auto eager = [&] {
            GameAreas game =
                loadGameAreas(RomImage::open(demo_.imagePath.toStdString()), core.directory(), core.imageKind());
            GameArea& current = game.areas[static_cast<std::size_t>(core.currentArea())];
            if (core.document().differs()) {
                current.setModel(core.area());
                current.edited = true;
            }
            std::vector<Problem> problems = checkGame(game);
            std::stable_sort(problems.begin(), problems.end(),
                             [](const Problem& a, const Problem& b) { return a.severity < b.severity; });
            return problems;
        };
        QVERIFY(core.area().enemyCount() >= 1);
        const int n = core.area().enemyCount();
        int& x = core.area().isVertical ? core.area().enemy(n).y : core.area().enemy(n).x;
        const int x0 = x;
        x = 16 * 15 + 3;
        core.redraw(Change::Readouts | Change::Caption);
        QCOMPARE(views->problems()->refreshes(), 0);
        QVERIFY(!views->source().loaded());
        ProblemsDock* dock = shownProblems();
        QVERIFY(dock);
        QCOMPARE(dock->refreshes(), 1);
        QVERIFY(std::any_of(dock->problems().begin(), dock->problems().end(),
                            [](const Problem& p) { return p.rule == "past-area-length"; }));
        QVERIFY(dock->problems() == eager());
        dock->hide();
        x = x0;
        core.redraw(Change::Readouts | Change::Caption);
        QTest::qWait(2 * ProblemsDock::kRefreshDelayMs);
        QCOMPARE(dock->refreshes(), 1);
        dock->show();
        QTRY_COMPARE_WITH_TIMEOUT(dock->refreshes(), 2, 30000);
        QVERIFY(dock->problems() == eager());
    }

    // A slice at a time, with an edit between two slices: the list keeps
    // the last whole check until every area is checked, then shows the
    // check of the file with the edit.
    void problemsAreCheckedASliceAtATime()
    {
        EditorCore& core = *demo_.core;
        ProblemsDock* dock = shownProblems();
        QVERIFY(dock);
        const std::vector<Problem> before = dock->problems();
        dock->hide();
        dock->setSliceMs(0);
        const QString copy = openCopy();
        QVERIFY(!copy.isEmpty());
        const int refreshes = dock->refreshes();
        dock->show();
        QVERIFY(dock->checking());
        QVERIFY(dock->problems() == before);
        QVERIFY(dock->findChild<QLabel*>(QStringLiteral("problemsSummary"))->text().startsWith(QStringLiteral("Checking...")));
        const int n = core.area().enemyCount();
        QVERIFY(n >= 1);
        (core.area().isVertical ? core.area().enemy(n).y : core.area().enemy(n).x) = 16 * 15 + 3;
        core.redraw(Change::Readouts);
        dock->setSliceMs(40);
        QTRY_VERIFY_WITH_TIMEOUT(!dock->checking() && dock->refreshes() > refreshes, 30000);
        GameAreas game = loadGameAreas(RomImage::open(copy.toStdString()), core.directory(), core.imageKind());
        game.areas[static_cast<std::size_t>(core.currentArea())].setModel(core.area());
        std::vector<Problem> eager = checkGame(game);
        std::stable_sort(eager.begin(), eager.end(),
                         [](const Problem& a, const Problem& b) { return a.severity < b.severity; });
        QVERIFY(dock->problems() == eager);
        QVERIFY(std::any_of(eager.begin(), eager.end(), [](const Problem& p) { return p.rule == "past-area-length"; }));
    }

    void problemsFollowAnEditAndAClickSelectsTheItem()
    {
        EditorCore& core = *demo_.core;
        ProblemsDock* dock = shownProblems();
        QVERIFY(dock);
        const auto errors = [dock] {
            return std::count_if(dock->problems().begin(), dock->problems().end(),
                                 [](const Problem& p) { return p.severity == Severity::Error; });
        };
        QCOMPARE(errors(), 0);
        QVERIFY(core.area().enemyCount() >= 1);
        const int n = core.area().enemyCount();
        if (core.area().isVertical)
            core.area().enemy(n).y = 16 * 15 + 3;
        else
            core.area().enemy(n).x = 16 * 15 + 3;
        core.redraw(Change::Readouts);
        QTRY_VERIFY_WITH_TIMEOUT(errors() >= 1, 1000); // the enemy data may also outgrow its room
        const auto found = std::find_if(dock->problems().begin(), dock->problems().end(),
                                        [](const Problem& p) { return p.rule == "past-area-length"; });
        QVERIFY(found != dock->problems().end());
        const Problem p = *found;
        QCOMPARE(p.area, core.currentArea());
        QCOMPARE(p.index, n);
        core.area().selectedEnemy = 1;
        QTreeView* list = dock->list();
        QCOMPARE(list->model()->rowCount(), static_cast<int>(dock->problems().size()));
        const QModelIndex row = list->model()->index(static_cast<int>(found - dock->problems().begin()), 3);
        QCOMPARE(row.data().toString().toStdString(), p.text);
        emit list->clicked(row);
        QCOMPARE(core.editMode(), 1);
        QCOMPARE(core.area().selectedEnemy, n);
    }

    void problemsCheckABurstOfEditsOnce()
    {
        EditorCore& core = *demo_.core;
        ProblemsDock* dock = shownProblems();
        QVERIFY(dock);
        const int before = dock->refreshes();
        QVERIFY(core.area().enemyCount() >= 1);
        const int n = core.area().enemyCount();
        for (int step = 0; step < 20; ++step) {
            if (core.area().isVertical)
                core.area().enemy(n).y = 16 * 15 + step;
            else
                core.area().enemy(n).x = 16 * 15 + step;
            core.redraw(Change::Readouts);
        }
        QCOMPARE(dock->refreshes(), before);
        QTRY_COMPARE_WITH_TIMEOUT(dock->refreshes(), before + 1, 1000);
        QTest::qWait(2 * ProblemsDock::kRefreshDelayMs);
        QCOMPARE(dock->refreshes(), before + 1);
        // The one check saw the last edit.
        QVERIFY(std::any_of(dock->problems().begin(), dock->problems().end(), [&](const Problem& p) {
            return p.rule == "past-area-length" && p.index == n && p.area == core.currentArea();
        }));
    }

    void overviewDrawsEveryAreaAndAClickOpensOne()
    {
        EditorCore& core = *demo_.core;
        GameViews* views = demo_.window->gameViews();
        views->overviewAction()->trigger();
        OverviewWindow* overview = views->overview();
        QVERIFY(overview && overview->isVisible());
        QVERIFY(overview->picture().width() > 1000);
        QTRY_VERIFY_WITH_TIMEOUT(!overview->drawing(), 30000);
        // The statistics are counted when their tab is shown.
        QVERIFY(overview->statistics()->toPlainText().isEmpty());
        overview->findChild<QTabWidget*>()->setCurrentWidget(overview->statistics());
        QVERIFY(overview->statistics()->toPlainText().contains(QStringLiteral("Most used enemies:")));
        overview->findChild<QTabWidget*>()->setCurrentIndex(0);
        // A click in the middle of another area's cell opens it.
        const GameAreas game =
            loadGameAreas(RomImage::open(demo_.imagePath.toStdString()), core.directory(), core.imageKind());
        const int target = core.currentArea() == 5 ? 6 : 5;
        const auto cell = overviewLayout(game).cells[target];
        QTest::mouseClick(overview->canvas(), Qt::LeftButton, {},
                          QPoint(cell.x + OverviewLayout::kCellWidth / 2, cell.y + OverviewLayout::kCellHeight / 2));
        QCOMPARE(core.currentArea(), target);
    }

    // Drawn a slice at a time, with an edit coming between two slices, the
    // overview ends as the one put together from the file and the edit.
    void overviewDrawnInSlicesEqualsTheWholeDrawing()
    {
        EditorCore& core = *demo_.core;
        GameViews* views = demo_.window->gameViews();
        views->showOverview();
        OverviewWindow* overview = views->overview();
        overview->hide();
        // One area a slice: most of another image's are left after the first.
        overview->setSliceMs(0);
        const QString copy = openCopy();
        QVERIFY(!copy.isEmpty());
        views->showOverview();
        QVERIFY(overview->drawing());
        QVERIFY(core.area().objCount() >= 1);
        core.area().object(1).y = (core.area().object(1).y + 3) % 13;
        core.redraw(Change::Picture | Change::Readouts);
        QVERIFY(core.document().differs());
        overview->setSliceMs(40);
        QTRY_VERIFY_WITH_TIMEOUT(!overview->drawing(), 30000);

        const RomImage image = RomImage::open(copy.toStdString());
        GameAreas heads = gameAreaHeads(image, core.directory(), core.imageKind());
        std::map<int, GameArea> held;
        GameArea edited;
        edited.setModel(core.area());
        edited.edited = true;
        held.emplace(core.currentArea(), edited);
        heads.areas[static_cast<std::size_t>(core.currentArea())] = headOf(edited);
        const OverviewLayout layout = overviewLayout(heads);
        ThumbnailPainter painter(assets::loadGraphics(), core.palettes());
        std::vector<OverviewCell> cells(kAreaCount);
        visitGameAreas(image, heads, {}, held, [&](const GameAreas& game, int area) {
            cells[static_cast<std::size_t>(area)] = overviewCell(painter, game, area, layout);
        });
        QVERIFY(overview->picture().pixels() == composeOverview(layout, cells).pixels());
    }

    void overviewMarksTheAreasThatDifferFromAComparedImage()
    {
        EditorCore& core = *demo_.core;
        GameViews* views = demo_.window->gameViews();
        views->overviewAction()->trigger();
        OverviewWindow* overview = views->overview();
        QTRY_VERIFY_WITH_TIMEOUT(!overview->drawing(), 30000);
        const GameAreas game =
            loadGameAreas(RomImage::open(demo_.imagePath.toStdString()), core.directory(), core.imageKind());
        const auto layout = overviewLayout(game);
        // The marks' row to the right of the area number.
        const auto markRow = [&](int area) {
            const auto cell = layout.cells[static_cast<std::size_t>(area)];
            std::vector<std::uint32_t> row;
            for (int x = cell.x + 28; x < cell.x + 28 + 5 * 12; ++x)
                row.push_back(overview->picture().pixel(x, cell.y + 6));
            return row;
        };
        const auto before3 = markRow(3);
        const auto before4 = markRow(4);
        demo_.window->setComparedAreas(core.romFileName(), {3});
        QVERIFY(markRow(3) != before3);
        QCOMPARE(markRow(4), before4);
        // Marks belong to the image compared: another name shows none.
        demo_.window->setComparedAreas("/elsewhere/other.nes", {3});
        QCOMPARE(markRow(3), before3);
    }

private:
    // Opens a copy of the demo image: another image to the views, the same
    // areas. Empty when it could not be opened.
    QString openCopy()
    {
        const QString copy = demo_.imagePath + QStringLiteral(".copy.nes");
        QFile::remove(copy);
        if (!QFile::copy(demo_.imagePath, copy) || demo_.core->openImage(copy.toStdString()))
            return QString();
        return copy;
    }

    ProblemsDock* shownProblems()
    {
        demo_.window->show();
        ProblemsDock* dock = demo_.window->gameViews()->problems();
        const int before = dock->refreshes();
        dock->show();
        // The check runs a slice at a time; the list shows it when done.
        const bool checked =
            QTest::qWaitFor([&] { return dock->refreshes() > before || (!dock->checking() && before > 0); }, 30000);
        return checked ? dock : nullptr;
    }

    widgettests::DemoWindow demo_;
};

int widgettests::runGameViewTests(int argc, char** argv)
{
    GameViewsTest test;
    return QTest::qExec(&test, argc, argv);
}

} // namespace quorled

#include "gameviews_test.moc"
