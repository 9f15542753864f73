#include "widgettests.h"

#include "testfiles.h"

#include "demowindow.h"
#include "dialogdriving.h"

#include "dialogs/chlworlddialog.h"
#include "dialogs/chngpaldialog.h"
#include "editor/carriedart.h"
#include "editor/mainmenu.h"
#include "editor/mainwindow.h"

#include "core/session/editorcore.h"
#include "romdata/demo/demoimage.h"
#include "romdata/palettetables.h"
#include "romdata/romlayout.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

using namespace quorled;
using quorled::widgettests::readFile;
using quorled::widgettests::differences;
using quorled::widgettests::DemoWindow;
using quorled::widgettests::onNextDialog;

namespace {

QRgb pixelOf(const QLabel* picture, int x, int y) { return picture->pixmap().toImage().pixel(x, y) & 0xFFFFFFu; }

} // namespace

class GameDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        QVERIFY(demo_.open(true));
    }

    void cleanup()
    {
        demo_.close();
    }

    void paletteDialogShowsTheAreasPalettesAndPicks()
    {
        ChngPalDialog dialog(*demo_.core, demo_.window.get());
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Edit level colors"));
        QCOMPARE(dialog.worldLabel()->text(), QStringLiteral("1"));
        QCOMPARE(dialog.levelList()->currentRow(), demo_.core->area().header.levelPalette());
        QCOMPARE(dialog.enemyList()->currentRow(), demo_.core->area().header.enemyPalette());
        QCOMPARE(dialog.levelList()->item(7)->text(), QStringLiteral("Palette 7"));
        QCOMPARE(dialog.enemyList()->count(), 4);
        QCOMPARE(dialog.picture(2)->size(), QSize(256, 64));
        QCOMPARE(dialog.picture(1)->size(), QSize(64, 48));
        QVERIFY(dialog.sharedNote()->text().contains(QStringLiteral("level palette 7")));
        const auto& screen = demo_.core->screenColours();

        // Colour 0x13 picked: its cell, the yellow ring at -1 and the orange at -2.
        QLabel* master = dialog.picture(2);
        QTest::mouseClick(master, Qt::RightButton, {}, QPoint(16 * 3 + 5, 16 + 5));
        QCOMPARE(dialog.editor().pickedColour(), 0x13);
        QCOMPARE(pixelOf(master, 16 * 3 + 8, 16 + 8), screen[0x13]);
        QCOMPARE(pixelOf(master, 16 * 3 - 1, 16 + 4), QRgb(0xFFF000));
        QCOMPARE(pixelOf(master, 16 * 4, 32), QRgb(0xFFF000));
        QCOMPARE(pixelOf(master, 16 * 3 - 2, 16 + 4), QRgb(0xFF7800));
        QCOMPARE(pixelOf(master, 16 * 4 + 1, 33), QRgb(0xFF7800));
        QCOMPARE(pixelOf(master, 16 * 3 - 3, 16 + 4), screen[0x12]);
        // A left-button drag follows the pointer; a right-button one doesn't.
        QMouseEvent leftDrag(QEvent::MouseMove, QPointF(16 * 9 + 2, 16 * 2 + 2), master->mapToGlobal(QPointF(0, 0)),
                             Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(master, &leftDrag);
        QCOMPARE(dialog.editor().pickedColour(), 0x29);
        QMouseEvent rightDrag(QEvent::MouseMove, QPointF(2, 2), master->mapToGlobal(QPointF(0, 0)), Qt::NoButton,
                              Qt::RightButton, Qt::NoModifier);
        QApplication::sendEvent(master, &rightDrag);
        QCOMPARE(dialog.editor().pickedColour(), 0x29);

        // Painting shows in the preview at once.
        QTest::mouseClick(dialog.picture(0), Qt::LeftButton, {}, QPoint(16 * 2 + 3, 16 * 3 + 3));
        QCOMPARE(pixelOf(dialog.picture(0), 16 * 2 + 8, 16 * 3 + 8), screen[0x29]);

        // The world bar moves by keyboard and shows the world plus one.
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.worldBar()->setFocus();
        QTest::keyClick(dialog.worldBar(), Qt::Key_Right);
        QCOMPARE(dialog.worldLabel()->text(), QStringLiteral("2"));
        QTest::keyClick(dialog.worldBar(), Qt::Key_End);
        QCOMPARE(dialog.worldLabel()->text(), QStringLiteral("7"));
        QCOMPARE(dialog.editor().world(), 6);
    }

    void paletteOkRewritesTheSameBytesAndStoresOnlyWhatTheTableKeeps()
    {
        const QByteArray original = readFile(demo_.imagePath);
        onNextDialog<ChngPalDialog>([](ChngPalDialog* dialog) { dialog->okButton()->click(); });
        demo_.window->mainMenu()->action(Command::Chcolor)->trigger();
        QCOMPARE(differences(original, readFile(demo_.imagePath)), QList<long>());

        // One painted slot, and one in level palette 7 that the enemy palettes overwrite.
        onNextDialog<ChngPalDialog>([](ChngPalDialog* dialog) {
            QTest::mouseClick(dialog->picture(2), Qt::LeftButton, {}, QPoint(16 * 0 + 1, 16 * 3 + 1)); // 0x30
            dialog->levelList()->setCurrentRow(2);
            QTest::mouseClick(dialog->picture(0), Qt::LeftButton, {}, QPoint(17, 1)); // slot 1
            dialog->levelList()->setCurrentRow(7);
            QTest::mouseClick(dialog->picture(0), Qt::LeftButton, {}, QPoint(1, 1)); // slot 0
            QCOMPARE(dialog->editor().levelColours()[0], 0x30);
            dialog->okButton()->click();
        });
        demo_.window->mainMenu()->action(Command::Chcolor)->trigger();
        const QByteArray after = readFile(demo_.imagePath);
        const long painted = levelPaletteOffset(0, 2, 1);
        const QList<long> expected = original.at(qsizetype(painted)) == char(0x30) ? QList<long>() : QList<long>{painted};
        QCOMPARE(differences(original, after), expected);
        // The view's tables are what the file holds.
        QCOMPARE(demo_.core->palettes().levelPalettes[7][0], int(quint8(after.at(qsizetype(enemyPaletteOffset(0, 0, 0))))));
        QCOMPARE(demo_.core->palettes().levelPalettes[2][1], 0x30);
    }

    void paletteCancelWritesNothingAndKeepsTheTables()
    {
        const QByteArray original = readFile(demo_.imagePath);
        const PaletteTables before = demo_.core->palettes();
        onNextDialog<ChngPalDialog>([](ChngPalDialog* dialog) {
            QTest::mouseClick(dialog->picture(2), Qt::LeftButton, {}, QPoint(16 * 5, 16));
            QTest::mouseClick(dialog->picture(0), Qt::LeftButton, {}, QPoint(1, 1));
            QTest::mouseClick(dialog->picture(1), Qt::LeftButton, {}, QPoint(1, 1));
            dialog->cancelButton()->click();
        });
        demo_.window->mainMenu()->action(Command::Chcolor)->trigger();
        QCOMPARE(readFile(demo_.imagePath), original);
        QVERIFY(demo_.core->palettes().levelPalettes == before.levelPalettes);
        QVERIFY(demo_.core->palettes().enemyPalettes == before.enemyPalettes);
    }

    void levelsPerWorldButtonsAndOk()
    {
        const QByteArray original = readFile(demo_.imagePath);
        const long table = romLayout(ImageKind::Ines).levelsPerWorld;
        onNextDialog<ChLWorldDialog>([](ChLWorldDialog* dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Change number of levels in worlds"));
            QCOMPARE(dialog->arrow(0)->text(), QStringLiteral("<"));
            QCOMPARE(dialog->arrow(13)->text(), QStringLiteral(">"));
            QCOMPARE(dialog->arrow(16)->text(), QStringLiteral("<"));
            for (int i = 0; i < WorldBounds::kSquares; ++i)
                if (WorldBounds::squareSlot(i) == 3)
                    QCOMPARE(dialog->square(i)->toolTip(), QStringLiteral("Level slot 3: areas 1E..27"));
            for (int i = 0; i < WorldBounds::kSquares; ++i)
                QCOMPARE(dialog->square(i)->palette().color(QPalette::Window).rgb() & 0xFFFFFFu,
                         dialog->bounds().squareColour(i));
            const int end = dialog->bounds().bound(8);
            dialog->arrow(17)->click(); // ">" End
            QCOMPARE(dialog->bounds().bound(8), std::min(end + 1, 21));
            QCOMPARE(dialog->square(168 + dialog->bounds().bound(8) - 1)->palette().color(QPalette::Window).rgb() &
                         0xFFFFFFu,
                     WorldBounds::kMarked);
            dialog->okButton()->click();
        });
        const QList<long> none;
        const int end = quint8(original.at(qsizetype(table + 7)));
        demo_.window->mainMenu()->action(Command::ChLvlWrl)->trigger();
        const QByteArray after = readFile(demo_.imagePath);
        QCOMPARE(differences(original, after), end < 21 && end < quint8(original.at(qsizetype(table + 6))) + 4
                                                   ? QList<long>{table + 7}
                                                   : none);
        QCOMPARE(demo_.core->directory().worldFirstArea[8], 10 * int(quint8(after.at(qsizetype(table + 7)))));

        // Cancel writes nothing.
        onNextDialog<ChLWorldDialog>([](ChLWorldDialog* dialog) {
            dialog->arrow(16)->click();
            dialog->cancelButton()->click();
        });
        demo_.window->mainMenu()->action(Command::ChLvlWrl)->trigger();
        QCOMPARE(readFile(demo_.imagePath), after);
    }

    // Another program cuts the file short behind the editor's back: the
    // dialogs show the image as the editor read it, and their OK writes
    // nothing to the short file.
    void dialogsWriteNothingToAFileCutShortBehindTheEditor()
    {
        const QByteArray original = readFile(demo_.imagePath);
        for (auto [command, length] : {std::pair{Command::Chcolor, kPaletteTableEnd},
                                       std::pair{Command::ChLvlWrl, romLayout(ImageKind::Ines).levelsPerWorld + 7}}) {
            QFile file(demo_.imagePath);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(original.left(length));
            file.close();
            QStringList texts;
            QTimer catcher;
            connect(&catcher, &QTimer::timeout, this, [&texts] {
                QWidget* modal = QApplication::activeModalWidget();
                if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                    texts << box->text();
                    box->accept();
                } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
                    dialog->accept();
                }
            });
            catcher.start(5);
            demo_.window->mainMenu()->action(command)->trigger();
            catcher.stop();
            for (const QString& text : texts)
                QVERIFY2(text.contains(QStringLiteral("too short")), qPrintable(text));
            QCOMPARE(readFile(demo_.imagePath), original.left(length));
        }
    }

private:
    DemoWindow demo_;
};

int quorled::widgettests::runGameDialogTests(int argc, char** argv)
{
    GameDialogsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "gamedialogs_test.moc"
