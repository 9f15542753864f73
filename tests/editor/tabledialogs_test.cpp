#include "widgettests.h"

#include "testfiles.h"

#include "dialogs/bytetabledialog.h"
#include "dialogs/chrchngdialog.h"
#include "editor/carriedart.h"
#include "editor/mainmenu.h"
#include "editor/mainwindow.h"

#include "core/session/editorcore.h"
#include "romdata/demo/demoimage.h"
#include "romdata/romimage.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace quorled;
using quorled::widgettests::readFile;
using quorled::widgettests::differences;

namespace {

void writeFile(const QString& path, const std::vector<std::uint8_t>& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

// The offsets at which the file now differs from `before`.
QList<long> changedOffsets(const QByteArray& before, const QString& path)
{
    return differences(before, readFile(path));
}

} // namespace

class TableDialogsTest : public QObject {
    Q_OBJECT
private:
    void open(ImageKind kind, std::vector<std::uint8_t> bytes = {})
    {
        dir_ = std::make_unique<QTemporaryDir>();
        imagePath_ = dir_->filePath(kind == ImageKind::Ines ? QStringLiteral("demo.nes") : QStringLiteral("demo.smc"));
        writeFile(imagePath_, bytes.empty() ? buildDemoImage(kind) : bytes);
        settings_ = dir_->filePath(QStringLiteral("Quorled.ini"));
        core_ = std::make_unique<EditorCore>(carriedPictures());
        core_->readSettings(settings_.toStdString());
        QVERIFY(!core_->openImage(imagePath_.toStdString()));
    }
    RomImage image() const { return RomImage::open(imagePath_.toStdString()); }

    std::unique_ptr<QTemporaryDir> dir_;
    QString imagePath_;
    QString settings_;
    std::unique_ptr<EditorCore> core_;

private slots:
    void cleanup()
    {
        core_.reset();
        dir_.reset();
    }

    void everyByteTableShowsItsRowsAndRewritesTheSameBytes()
    {
        open(ImageKind::Ines);
        for (ByteTableId id : byteTableIds()) {
            const QByteArray before = readFile(imagePath_);
            ByteTableDialog dialog(*core_, ByteTableForm(image(), id));
            const ByteTable& table = byteTable(id);
            QCOMPARE(dialog.windowTitle(), QString::fromUtf8(table.caption.data(), qsizetype(table.caption.size())));
            for (int i = 0; i < dialog.form().rowCount(); ++i) {
                QCOMPARE(dialog.bar(i)->value(), int(quint8(before[qsizetype(table.rows[std::size_t(i)].offset)])));
                QCOMPARE(dialog.bar(i)->pageStep(), 16);
                QVERIFY(dialog.bar(i)->toolTip().contains(QStringLiteral("$")));
            }
            QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
            QVERIFY(!dialog.isVisible());
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            QCOMPARE(changedOffsets(before, imagePath_), QList<long>{});
        }
    }

    void labelsFollowTheBarsAndOnlyOkWrites()
    {
        open(ImageKind::Ines);
        const QByteArray before = readFile(imagePath_);
        {
            ByteTableDialog weapons(*core_, ByteTableForm(image(), ByteTableId::ChrEnemy));
            weapons.bar(0)->setValue(0x0A);
            QCOMPARE(weapons.valueLabel(0)->text(), QStringLiteral("0A"));
            QCOMPARE(weapons.nameLabel(0)->text(),
                     QString::fromStdString(nameLabel(ByteDisplay::HexTypeName, 10)));
            weapons.bar(0)->setFocus();
            QTest::keyClick(weapons.bar(0), Qt::Key_End);
            QCOMPARE(weapons.valueLabel(0)->text(), QStringLiteral("FF"));
            QTest::mouseClick(weapons.cancelButton(), Qt::LeftButton);
        }
        QCOMPARE(changedOffsets(before, imagePath_), QList<long>{});

        ByteTableDialog hits(*core_, ByteTableForm(image(), ByteTableId::ChrEnemy2));
        QCOMPARE(hits.noteLabel()->text(),
                 QStringLiteral("(Warning : changing this messes up with the bomb explosion graphics)"));
        hits.bar(0)->setValue(0);
        QCOMPARE(hits.valueLabel(0)->text(), QStringLiteral("1"));
        hits.bar(6)->setValue(0);
        QCOMPARE(hits.valueLabel(6)->text(), QStringLiteral("0"));
        QCOMPARE(hits.valueLabel(8)->text(), QStringLiteral("-8"));
        QTest::mouseClick(hits.okButton(), Qt::LeftButton);
        // The demo's hits for Eggspout (2) and Gorlump (6) become 0.
        QCOMPARE(changedOffsets(before, imagePath_), (QList<long>{0x4F7B, 0x71E1}));

        ByteTableDialog various(*core_, ByteTableForm(image(), ByteTableId::ChrEnemy3));
        various.bar(4)->setValue(0);
        QCOMPARE(various.nameLabel(4)->text(), QStringLiteral("No sound"));
        various.bar(0)->setValue(128);
        QCOMPARE(various.valueLabel(0)->text(), QStringLiteral("-128"));

        ByteTableDialog powerUps(*core_, ByteTableForm(image(), ByteTableId::ChrPwrUp));
        QCOMPARE(powerUps.noteLabel()->text(), QStringLiteral("Items found in herbs :"));
        powerUps.bar(3)->setValue(12);
        QCOMPARE(powerUps.valueLabel(3)->text(), QStringLiteral("012"));
        QVERIFY(!powerUps.nameLabel(3));
    }

    void livesShowTheExtraLifeTextFromTheStart()
    {
        std::vector<std::uint8_t> bytes = buildDemoImage(ImageKind::Ines);
        bytes[0x1E425] = 0;
        bytes[0x1E276] = 0x40;
        open(ImageKind::Ines, bytes);
        ByteTableDialog lives(*core_, ByteTableForm(image(), ByteTableId::Nlives));
        QCOMPARE(lives.valueLabel(0)->text(), QStringLiteral("0"));
        QCOMPARE(lives.nameLabel(0)->text(), QStringLiteral("(Extra life : P5)"));
        lives.bar(0)->setValue(110);
        QCOMPARE(lives.nameLabel(0)->text(), QStringLiteral("(Extra life : A9)"));
        ByteTableDialog title(*core_, ByteTableForm(image(), ByteTableId::TitleC));
        QCOMPARE(title.valueLabel(0)->text(), QStringLiteral("64"));
    }

    void characterDialogEditsEveryCharacterAndWritesOnOk()
    {
        open(ImageKind::Ines);
        const QByteArray before = readFile(imagePath_);
        const qsizetype base = characters::recordBase(ImageKind::Ines);
        ChrChngDialog dialog(*core_, CharacterForm(image(), ImageKind::Ines), characterPicture());
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Edit character properties"));
        QCOMPARE(dialog.characterButton(1)->text(), QStringLiteral("Vesk"));
        QVERIFY(dialog.characterButton(0)->styleSheet().contains(QStringLiteral("#c0c0c0")));
        QVERIFY(dialog.characterButton(1)->styleSheet().contains(QStringLiteral("#808080")));

        // Vesk is record 2: its running speed (right) byte 0x18 shows 24.
        QTest::mouseClick(dialog.characterButton(1), Qt::LeftButton);
        QVERIFY(dialog.characterButton(1)->styleSheet().contains(QStringLiteral("#c0c0c0")));
        QCOMPARE(dialog.bar(7)->value(), int(quint8(before[base + 46 + 17])));
        dialog.bar(7)->setValue(0xF0);
        QCOMPARE(dialog.valueLabel(7)->text(), QStringLiteral("-16"));
        dialog.bar(0)->setValue(200);
        QCOMPARE(dialog.valueLabel(0)->text(), QStringLiteral("200"));

        QLineEdit* box = dialog.pickupBox(0);
        box->clear();
        QTest::keyClicks(box, QStringLiteral("300"));
        QCOMPARE(box->text(), QStringLiteral("255"));
        box->clear();
        QTest::keyClicks(box, QStringLiteral("-5"));
        QCOMPARE(box->text(), QStringLiteral("0"));
        box->clear();
        QTest::keyClicks(box, QStringLiteral("7x"));
        QCOMPARE(dialog.form().property(0), 7);

        // Dribb keeps its own values; Vesk's edits survive the switch.
        QTest::mouseClick(dialog.characterButton(2), Qt::LeftButton);
        QCOMPARE(dialog.bar(7)->value(), int(quint8(before[base + 23 + 17])));
        QTest::mouseClick(dialog.characterButton(1), Qt::LeftButton);
        QCOMPARE(dialog.bar(7)->value(), 0xF0);
        QCOMPARE(dialog.pickupBox(0)->text(), QStringLiteral("7"));

        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        QCOMPARE(changedOffsets(before, imagePath_), (QList<long>{base + 46, base + 46 + 13, base + 46 + 17}));
        const QByteArray after = readFile(imagePath_);
        QCOMPARE(int(quint8(after[base + 46])), 7);
        QCOMPARE(int(quint8(after[base + 46 + 13])), 200);
    }

    void characterDialogUnchangedRewritesTheSameBytesAndThePreviewRuns()
    {
        open(ImageKind::Snes);
        const QByteArray before = readFile(imagePath_);
        ChrChngDialog dialog(*core_, CharacterForm(image(), ImageKind::Snes), characterPicture());
        dialog.show();
        QCOMPARE(dialog.preview()->pixmap().width(), 80);
        QTRY_COMPARE_WITH_TIMEOUT(dialog.animation().frame(), 2, 2000);
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(changedOffsets(before, imagePath_), QList<long>{});
    }

    void menuItemsOpenTheDialogsAndAShortImageGetsAMessage()
    {
        std::vector<std::uint8_t> bytes = buildDemoImage(ImageKind::Ines);
        bytes.resize(0x1E300); // the lives byte lies past the end
        open(ImageKind::Ines, bytes);
        MainWindow window(*core_, settings_, QPixmap());
        QVERIFY(window.startUp(imagePath_));
        const QByteArray before = readFile(imagePath_);

        QString title;
        QTimer::singleShot(0, [&title] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            title = dialog->objectName();
            dialog->reject();
        });
        window.mainMenu()->action(Command::ChEnm3)->trigger();
        QCOMPARE(title, QStringLiteral("ChrEnemy3"));

        QString text;
        QTimer::singleShot(0, [&text] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            text = box->text();
            box->accept();
        });
        window.mainMenu()->action(Command::nlive)->trigger();
        QVERIFY2(text.contains(QStringLiteral("$1E425")), qPrintable(text));
        QCOMPARE(readFile(imagePath_), before);
    }

    void snesImagesKeepOnlyTheirOwnTables()
    {
        open(ImageKind::Snes);
        MainWindow window(*core_, settings_, QPixmap());
        QVERIFY(window.startUp(imagePath_));
        for (Command c : {Command::ChWpn, Command::ChEnm2, Command::ChEnm3, Command::ChPwrUp, Command::nlive,
                          Command::ChTcdt})
            QVERIFY(!window.mainMenu()->action(c)->isEnabled());
        QVERIFY(window.mainMenu()->action(Command::ChChp)->isEnabled());
    }
};

int quorled::widgettests::runTableDialogTests(int argc, char** argv)
{
    TableDialogsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tabledialogs_test.moc"
