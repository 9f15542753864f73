#include "widgettests.h"

#include "dialogs/aboutdialog.h"
#include "dialogs/splashwindow.h"
#include "platform/lineprompt.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace quorled;

class DialogTest : public QObject {
    Q_OBJECT
private slots:
    void promptShowsTitlePromptDefaultAndBrowse()
    {
        LinePrompt prompt(QStringLiteral("Quorl level editor"), QStringLiteral("Enter the filename and path :"),
                          QStringLiteral("quorl.nes"), QStringLiteral("Images (*.nes)"));
        QCOMPARE(prompt.windowTitle(), QStringLiteral("Quorl level editor"));
        QCOMPARE(prompt.text(), QStringLiteral("quorl.nes"));
        auto* browse = prompt.findChild<QPushButton*>(QStringLiteral("browseButton"));
        QVERIFY(browse);
        QCOMPARE(browse->text(), QStringLiteral("Browse..."));
        bool promptShown = false;
        for (QLabel* label : prompt.findChildren<QLabel*>())
            promptShown = promptShown || label->text() == QStringLiteral("Enter the filename and path :");
        QVERIFY(promptShown);
    }

    void promptGivesTheTextOnOkAndNothingOnCancel()
    {
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<LinePrompt*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->lineEdit()->setText(QStringLiteral("/tmp/other.nes"));
            dialog->accept();
        });
        QCOMPARE(LinePrompt::ask(nullptr, QStringLiteral("t"), QStringLiteral("p"), QStringLiteral("quorl.nes"), {}),
                 QStringLiteral("/tmp/other.nes"));

        QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
        QVERIFY(LinePrompt::ask(nullptr, QStringLiteral("t"), QStringLiteral("p"), QStringLiteral("quorl.nes"), {})
                    .isEmpty());
    }

    void splashClosesOnAnyKeyIncludingShiftAlone()
    {
        QPixmap picture(64, 48);
        picture.fill(Qt::darkBlue);
        SplashWindow splash(picture, QStringLiteral("Version 0.1"));
        QCOMPARE(splash.versionLabelText(), QStringLiteral("Version 0.1"));
        splash.show();
        QVERIFY(QTest::qWaitForWindowExposed(&splash));
        QTest::keyClick(&splash, Qt::Key_Shift, Qt::ShiftModifier);
        QVERIFY(!splash.isVisible());
        QCOMPARE(splash.result(), int(QDialog::Accepted));
    }

    void splashClosesOnAClickOnThePicture()
    {
        QPixmap picture(64, 48);
        picture.fill(Qt::darkGreen);
        SplashWindow splash(picture, QStringLiteral("Version 0.1"));
        splash.show();
        QVERIFY(QTest::qWaitForWindowExposed(&splash));
        auto* image = splash.findChild<QLabel*>(QStringLiteral("Image1"));
        QVERIFY(image);
        QTest::mouseClick(image, Qt::LeftButton, {}, image->rect().center());
        QVERIFY(!splash.isVisible());
    }

    void aboutBoxCarriesTheKeyHelpAndVersion()
    {
        const KeyHelp help{{QStringLiteral("up/down : scroll in the level")},
                           {QStringLiteral("left/right : scroll in the level")},
                           {QStringLiteral("0 : switch ground viewing")},
                           {},
                           {}};
        AboutDialog about(QStringLiteral("Version 1.2"), help);
        QCOMPARE(about.windowTitle(), QStringLiteral("About Quorl editor"));
        auto* keys = about.findChild<QGroupBox*>(QStringLiteral("Frame1"));
        QVERIFY(keys);
        QCOMPARE(keys->title(), QStringLiteral("Keys"));
        QStringList texts;
        for (QLabel* label : keys->findChildren<QLabel*>())
            texts << label->text();
        QCOMPARE(texts, QStringList({QStringLiteral("(Vertical levels only)"), QStringLiteral("up/down : scroll in the level"),
                                     QStringLiteral("(Horizontal levels only)"),
                                     QStringLiteral("left/right : scroll in the level"),
                                     QStringLiteral("0 : switch ground viewing")}));
        bool readme = false;
        bool version = false;
        for (QLabel* label : about.findChildren<QLabel*>()) {
            readme = readme || label->text() == QStringLiteral("Read the README.md file for more information about the editor.");
            version = version || label->text().contains(QStringLiteral("Version 1.2"));
        }
        QVERIFY(readme);
        QVERIFY(version);
        auto* ok = about.findChild<QPushButton*>(QStringLiteral("Command1"));
        QVERIFY(ok);
        QCOMPARE(ok->text().remove(QLatin1Char('&')), QStringLiteral("OK"));
    }
};

int quorled::widgettests::runDialogTests(int argc, char** argv)
{
    DialogTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "dialogs_test.moc"
