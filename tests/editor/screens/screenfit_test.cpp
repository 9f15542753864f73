// The main window on a screen of a given size (the offscreen platform's
// screen, set by the test's configuration file): the whole level view is
// seen at the zoom that screen is meant for, whatever is selected, and
// again after a restart.
#include "demowindow.h"

#include "core/session/editorcore.h"
#include "core/editing/selectionproperties.h"
#include "editor/levelview.h"
#include "editor/mainmenu.h"
#include "editor/mainwindow.h"
#include "editor/propertiesdock.h"
#include "editor/typegallerydock.h"
#include "editor/workarea.h"
#include "editor/workbench.h"
#include "editor/carriedart.h"
#include "romdata/areamodel.h"
#include "view/catalogue.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

namespace quorled::widgettests {

namespace {

// The zoom each screen size is meant to show whole, with both docks.
int zoomForScreen(const QSize& screen)
{
    if (screen == QSize(1280, 1024))
        return 2;
    if (screen == QSize(1920, 1080))
        return 3;
    return 0;
}

// Empty when the whole picture is seen at `zoom`, else what is wrong.
QString unseen(MainWindow& window, int zoom)
{
    QScrollArea* stage = window.stage();
    LevelView* view = window.levelView();
    if (view->size() != QSize(LevelView::kPictureWidth, LevelView::kPictureHeight) * zoom)
        return QStringLiteral("view %1x%2 at zoom %3").arg(view->width()).arg(view->height()).arg(zoom);
    const QRect shown(view->mapTo(stage->viewport(), QPoint(0, 0)), view->size());
    if (!stage->viewport()->rect().contains(shown) || stage->horizontalScrollBar()->isVisible()
        || stage->verticalScrollBar()->isVisible())
        return QStringLiteral("viewport %1x%2 shows part of the view; work %3x%4, panel %5x%6")
            .arg(stage->viewport()->width())
            .arg(stage->viewport()->height())
            .arg(window.centralWidget()->width())
            .arg(window.centralWidget()->height())
            .arg(window.findChild<QWidget*>(QStringLiteral("sidePanel"))->width())
            .arg(window.findChild<QWidget*>(QStringLiteral("sidePanel"))->height());
    const QRect screen = window.screen()->availableGeometry();
    if (!screen.contains(window.frameGeometry()))
        return QStringLiteral("window %1x%2 beyond the screen").arg(window.frameGeometry().width()).arg(
            window.frameGeometry().height());
    return {};
}

bool writeSettings(const QString& path, const QByteArray& text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

// The type of the longest name in the catalogue: an object type of
// `objectSet`, or an enemy type.
int longestNamedType(bool enemy, int objectSet)
{
    int best = 0;
    std::size_t longest = 0;
    for (int type = 0; type < 256; ++type) {
        const std::string& name = enemy ? Catalogue::instance().enemyTypeName(type)
                                        : Catalogue::instance().objectTypeName(objectSet, type);
        if (name.size() > longest) {
            longest = name.size();
            best = type;
        }
    }
    return best;
}

} // namespace

// A window on a settings file of its own and the demo image beside it.
struct Session {
    std::unique_ptr<EditorCore> core;
    std::unique_ptr<MainWindow> window;

    bool start(const QString& settings, const QString& image)
    {
        core = std::make_unique<EditorCore>(carriedPictures());
        window = std::make_unique<MainWindow>(*core, settings, QPixmap());
        if (!window->startUp(image))
            return false;
        window->show();
        return QTest::qWaitForWindowExposed(window.get());
    }
    void end()
    {
        if (window)
            window->close();
        window.reset();
        core.reset();
    }
    ~Session() { end(); }
};

class ScreenFitTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        zoom_ = zoomForScreen(QGuiApplication::primaryScreen()->size());
        QVERIFY2(zoom_ > 0, "run with an offscreen screen of 1280x1024 or 1920x1080 (configfile)");
        QVERIFY(demo_.open(false));
        demo_.window.reset();
        demo_.core.reset();
        settings_ = demo_.dir->filePath(QStringLiteral("Quorled.ini"));
        // A fresh settings file but for the area and the zoom (2 is the default).
        QVERIFY(writeSettings(settings_, QStringLiteral("[Options]\nStartArea= 10\nZoom= %1\n").arg(zoom_).toLatin1()));
    }
    void cleanup() { demo_.close(); }

    void wholeViewStaysSeenAcrossSelectionsAndRestarts()
    {
        int propertiesWidth = 0;
        QSize windowSize;
        for (int session = 0; session < 3; ++session) {
            Session run;
            QVERIFY(run.start(settings_, demo_.imagePath));
            MainWindow& window = *run.window;
            QTRY_VERIFY2(unseen(window, zoom_).isEmpty(), qPrintable(unseen(window, zoom_)));
            PropertiesDock* properties = window.workbench()->properties();
            QVERIFY(properties->isVisible() && window.workbench()->galleries()->isVisible());
            if (session == 0) {
                propertiesWidth = properties->width();
                windowSize = window.size();
            } else {
                // The saved layout never grows from one session to the next.
                QCOMPARE(properties->width(), propertiesWidth);
                QCOMPARE(window.size(), windowSize);
            }

            // The longest names, of an object and of an enemy, change no width.
            EditorCore& core = *run.core;
            int s = 1;
            while (s <= core.area().objCount() && core.area().object(s).special)
                ++s;
            QVERIFY(s <= core.area().objCount() && core.area().enemies.size() >= 1);
            core.area().selectedObject = s;
            core.area().selectedEnemy = 1;
            const std::size_t steps = core.document().undoSteps();
            for (int mode : {0, 1}) {
                core.view().editMode = mode;
                core.redraw();
                const int type = longestNamedType(mode == 1, core.area().header.objectSet());
                QVERIFY(SelectionProperties::apply(core, mode, SelectionProperties::Field::Type, type));
                QCoreApplication::processEvents();
                QVERIFY(properties->heading()->text().size() > 30);
                QVERIFY2(unseen(window, zoom_).isEmpty(), qPrintable(unseen(window, zoom_)));
                QCOMPARE(properties->width(), propertiesWidth);
            }
            while (core.document().undoSteps() > steps)
                window.mainMenu()->action(Command::editUndo)->trigger();
            QVERIFY(!core.document().differs());
            run.end();
        }
    }

    void fitTakesTheLargestZoomThatShowsTheWholeView()
    {
        Session run;
        QVERIFY(run.start(settings_, demo_.imagePath));
        MainWindow& window = *run.window;
        WorkArea* work = window.workArea();
        QTRY_VERIFY(unseen(window, zoom_).isEmpty());
        const auto checkFit = [&] {
            const int zoom = window.levelView()->zoom();
            QTRY_VERIFY2(unseen(window, zoom).isEmpty(), qPrintable(unseen(window, zoom)));
            QCOMPARE(run.core->zoom(), zoom);
            if (zoom < 4) {
                for (PanelPlace place : {PanelPlace::Beside, PanelPlace::Below}) {
                    const QSize larger = work->neededSize(zoom + 1, place);
                    QVERIFY(larger.width() > work->width() || larger.height() > work->height());
                }
            }
        };
        window.mainMenu()->fitAction()->trigger();
        QVERIFY(window.mainMenu()->fitAction()->isChecked());
        checkFit();
        QCOMPARE(window.levelView()->zoom(), zoom_);

        // The zoom follows the window's size, down and up again.
        const QSize full = window.size();
        window.resize(window.size() - work->size() + work->neededSize(zoom_ - 1, PanelPlace::Beside)
                      + QSize(40, 40));
        QTRY_VERIFY(window.levelView()->zoom() < zoom_);
        checkFit();
        window.resize(full);
        QTRY_COMPARE(window.levelView()->zoom(), zoom_);
        checkFit();

        // A chosen zoom ends fitting; the window fits that zoom.
        window.mainMenu()->zoomAction(1)->trigger();
        QTRY_VERIFY(unseen(window, 1).isEmpty());
        window.resize(full);
        QCOMPARE(window.levelView()->zoom(), 1);
    }

private:
    int zoom_ = 0;
    DemoWindow demo_;
    QString settings_;
};

} // namespace quorled::widgettests

QTEST_MAIN(quorled::widgettests::ScreenFitTest)
#include "screenfit_test.moc"
