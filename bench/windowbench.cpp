// One mouse move over the level view at zoom 2, from the event to the
// painted widget, in the real main window under the offscreen platform:
// without a button, dragging 100 selected items, and drawing a selection
// box over the whole screen; and Page Down, from the key to the painted
// view of the next area.
// A Qt Test benchmark; scripts/bench runs it, ctest does not.
#include "benchsetup.h"

#include "core/session/editorcore.h"
#include "core/editing/groupcommands.h"
#include "core/editing/groupselection.h"
#include "editor/carriedart.h"
#include "editor/levelview.h"
#include "editor/mainwindow.h"
#include "romdata/areanames.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace quorled;

namespace {

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

class WindowBench : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void mouseMoveOverTheLevelView();
    void dragOf100SelectedItems();
    void boxSelectOverTheScreen();
    void pageDownToAnotherArea();
    void cleanupTestCase();

private:
    QTemporaryDir dir_;
    std::unique_ptr<EditorCore> core_;
    std::unique_ptr<MainWindow> window_;
};

void WindowBench::initTestCase()
{
    QVERIFY(dir_.isValid());
    const bench::BenchImage& image = bench::BenchImage::instance();
    const bench::BusySpot& spot = image.horizontal;
    const QString settingsPath = dir_.filePath(QStringLiteral("Quorled.ini"));
    QFile settings(settingsPath);
    QVERIFY(settings.open(QIODevice::WriteOnly));
    settings.write(QStringLiteral("[Options]\nStartArea= %1\nGroundView= 1\nPageView= 1\nObjectMarks= 1\nZoom= 2\n")
                       .arg(spot.area)
                       .toUtf8());
    settings.close();

    core_ = std::make_unique<EditorCore>(carriedPictures());
    window_ = std::make_unique<MainWindow>(*core_, settingsPath, QPixmap());
    QVERIFY(window_->startUp(QString::fromStdString(image.path)));
    core_->view().viewColumn = spot.view.viewColumn;
    core_->view().viewRow = spot.view.viewRow;
    core_->redraw();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    QCOMPARE(window_->levelView()->zoom(), 2);
    QCOMPARE(core_->currentArea(), spot.area);
    QCOMPARE(core_->view().viewColumn, spot.view.viewColumn);
}

void WindowBench::mouseMoveOverTheLevelView()
{
    LevelView* view = window_->levelView();
    PaintCounter counter;
    view->installEventFilter(&counter);
    // Back and forth between two cells, no button held.
    const QPointF positions[2] = {QPointF(5 * 32 + 7, 6 * 32 + 9), QPointF(9 * 32 + 21, 8 * 32 + 3)};
    int moves = 0;
    QBENCHMARK {
        const QPointF at = positions[moves % 2];
        QMouseEvent move(QEvent::MouseMove, at, view->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(view, &move);
        // Deliver the update request, which paints the view.
        QApplication::processEvents();
        ++moves;
    }
    view->removeEventFilter(&counter);
    QVERIFY2(counter.paints >= moves, "a mouse move did not repaint the level view");
}

namespace {

// Moves with the left button held between two positions, each delivered and
// painted; returns the number of moves.
int dragBackAndForth(LevelView* view, const QPointF (&positions)[2], Qt::KeyboardModifiers modifiers)
{
    int moves = 0;
    QBENCHMARK {
        const QPointF at = positions[moves % 2];
        QMouseEvent move(QEvent::MouseMove, at, view->mapToGlobal(at), Qt::NoButton, Qt::LeftButton, modifiers);
        QApplication::sendEvent(view, &move);
        QApplication::processEvents();
        ++moves;
    }
    return moves;
}

} // namespace

void WindowBench::dragOf100SelectedItems()
{
    // The busy screen's items plus copies of its first object up to 100,
    // all selected; the drag holds one of them.
    AreaModel& area = core_->area();
    QVERIFY(area.objCount() > 0);
    const LevelObject first = area.object(1);
    while (area.objCount() + area.enemyCount() < 100)
        area.objects.push_back(first);
    GroupCommands::selectAll(*core_);
    QCOMPARE(GroupSelection::selectedItems(area, core_->editMode()).size(), area.objCount() + area.enemyCount());
    LevelView* view = window_->levelView();
    const int zoom = view->zoom();
    const QPointF grab(16.0 * zoom * (first.x - core_->view().viewColumn) + 4,
                       16.0 * zoom * (first.y - core_->view().viewRow) + 4);
    QTest::mousePress(view, Qt::LeftButton, {}, grab.toPoint());
    const QPointF positions[2] = {grab + QPointF(3 * 16 * zoom, 16 * zoom), grab};
    dragBackAndForth(view, positions, Qt::NoModifier);
    QTest::mouseRelease(view, Qt::LeftButton, {}, grab.toPoint());
}

void WindowBench::boxSelectOverTheScreen()
{
    LevelView* view = window_->levelView();
    const int zoom = view->zoom();
    // Shift+drag always draws a box, from the top-left cell to the last.
    QTest::mousePress(view, Qt::LeftButton, Qt::ShiftModifier, QPoint(2, 2));
    const QPointF positions[2] = {QPointF(256.0 * zoom - 3, 240.0 * zoom - 3), QPointF(256.0 * zoom - 20, 240.0 * zoom - 20)};
    dragBackAndForth(view, positions, Qt::ShiftModifier);
    QTest::mouseRelease(view, Qt::LeftButton, Qt::ShiftModifier, QPoint(2, 2));
}

void WindowBench::pageDownToAnotherArea()
{
    LevelView* view = window_->levelView();
    PaintCounter counter;
    view->installEventFilter(&counter);
    // On through the areas, most of them opened for the first time, and
    // back from the last one.
    Qt::Key key = Qt::Key_PageDown;
    int presses = 0;
    bool stuck = false;
    QBENCHMARK {
        if (core_->currentArea() == lastAreaIndex)
            key = Qt::Key_PageUp;
        else if (core_->currentArea() == 0)
            key = Qt::Key_PageDown;
        const int before = core_->currentArea();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(view, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
        QApplication::sendEvent(view, &release);
        QApplication::processEvents();
        stuck = stuck || core_->currentArea() == before;
        ++presses;
    }
    view->removeEventFilter(&counter);
    QVERIFY2(!stuck && counter.paints >= presses, "a Page Down did not open and paint another area");
}

void WindowBench::cleanupTestCase()
{
    window_.reset();
    core_.reset();
}

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    WindowBench bench;
    return QTest::qExec(&bench, argc, argv);
}

#include "windowbench.moc"
