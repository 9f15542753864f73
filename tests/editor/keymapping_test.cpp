#include "widgettests.h"

#include "core/settings/shortcutsettings.h"
#include "core/settings/viewkeys.h"
#include "platform/keymapping.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QTest>

#include <set>

using namespace quorled;

class KeyMappingTest : public QObject {
    Q_OBJECT
private slots:
    void keypadKeysGiveKeypadCodes()
    {
        QCOMPARE(virtualKeyCode(Qt::Key_0, Qt::KeypadModifier), 0x60);
        QCOMPARE(virtualKeyCode(Qt::Key_2, Qt::KeypadModifier), 0x62);
        QCOMPARE(virtualKeyCode(Qt::Key_4, Qt::KeypadModifier), 0x64);
        QCOMPARE(virtualKeyCode(Qt::Key_6, Qt::KeypadModifier), 0x66);
        QCOMPARE(virtualKeyCode(Qt::Key_8, Qt::KeypadModifier), 0x68);
        QCOMPARE(virtualKeyCode(Qt::Key_Asterisk, Qt::KeypadModifier), 0x6A);
        QCOMPARE(virtualKeyCode(Qt::Key_Plus, Qt::KeypadModifier), 0x6B);
        QCOMPARE(virtualKeyCode(Qt::Key_Minus, Qt::KeypadModifier), 0x6D);
        QCOMPARE(virtualKeyCode(Qt::Key_Slash, Qt::KeypadModifier), 0x6F);
        QCOMPARE(virtualKeyCode(Qt::Key_Plus, Qt::KeypadModifier | Qt::ShiftModifier), 0x6B);
    }

    void mainBlockKeysAreNotKeypadKeys()
    {
        QCOMPARE(virtualKeyCode(Qt::Key_2, {}), 0x32);
        QVERIFY(virtualKeyCode(Qt::Key_Plus, {}) != 0x6B);
        QVERIFY(virtualKeyCode(Qt::Key_Minus, {}) != 0x6D);
        QVERIFY(virtualKeyCode(Qt::Key_Slash, {}) != 0x6F);
        QVERIFY(virtualKeyCode(Qt::Key_Asterisk, Qt::ShiftModifier) != 0x6A);
        // Brackets, with or without Shift, for the laptop type keys.
        QCOMPARE(virtualKeyCode(Qt::Key_BracketLeft, Qt::AltModifier), 0xDB);
        QCOMPARE(virtualKeyCode(Qt::Key_BraceLeft, Qt::AltModifier | Qt::ShiftModifier), 0xDB);
        QCOMPARE(virtualKeyCode(Qt::Key_BracketRight, Qt::AltModifier), 0xDD);
        QCOMPARE(virtualKeyCode(Qt::Key_BraceRight, Qt::AltModifier | Qt::ShiftModifier), 0xDD);
    }

    void keypadWithNumLockOffGivesNavigationCodes()
    {
        QCOMPARE(virtualKeyCode(Qt::Key_Up, Qt::KeypadModifier), 0x26);
        QCOMPARE(virtualKeyCode(Qt::Key_Down, Qt::KeypadModifier), 0x28);
        QCOMPARE(virtualKeyCode(Qt::Key_Left, Qt::KeypadModifier), 0x25);
        QCOMPARE(virtualKeyCode(Qt::Key_Right, Qt::KeypadModifier), 0x27);
        QCOMPARE(virtualKeyCode(Qt::Key_PageUp, Qt::KeypadModifier), 0x21);
        QCOMPARE(virtualKeyCode(Qt::Key_PageDown, Qt::KeypadModifier), 0x22);
    }

    void lettersFunctionKeysAndSpace()
    {
        QCOMPARE(virtualKeyCode(Qt::Key_F, {}), 0x46);
        QCOMPARE(virtualKeyCode(Qt::Key_M, {}), 0x4D);
        QCOMPARE(virtualKeyCode(Qt::Key_O, {}), 0x4F);
        QCOMPARE(virtualKeyCode(Qt::Key_P, {}), 0x50);
        QCOMPARE(virtualKeyCode(Qt::Key_S, Qt::ControlModifier), 0x53);
        QCOMPARE(virtualKeyCode(Qt::Key_F1, {}), 0x70);
        QCOMPARE(virtualKeyCode(Qt::Key_Space, {}), 0x20);
        QCOMPARE(virtualKeyCode(Qt::Key_Shift, Qt::ShiftModifier), 0x10);
    }

    // Each default view key, typed as Qt reports it, gets the same name
    // back and reaches the core as the view key's own press; the names and
    // presses are each one view key's.
    void viewKeysAreNamedAsTypedAndReachTheirPress()
    {
        const ViewKeyMap defaults;
        std::set<std::string> names;
        std::set<std::pair<int, int>> presses;
        for (const ViewKey& key : viewKeyTable()) {
            QVERIFY2(names.insert(key.name).second, key.name);
            QVERIFY2(presses.insert({key.keyCode, key.shift}).second, key.name);
            for (const std::string& text : ShortcutSettings::splitKeys(key.keys)) {
                const QKeySequence sequence = QKeySequence::fromString(QString::fromStdString(text), QKeySequence::PortableText);
                QCOMPARE(sequence.count(), 1);
                const QKeyCombination typed = sequence[0];
                const int code = virtualKeyCode(typed.key(), typed.keyboardModifiers());
                const int state = modifierState(typed.keyboardModifiers());
                QCOMPARE(keyName(code, state), QString::fromStdString(text));
                QVERIFY2(defaults.translate(text, {code, state}) == (KeyPress{key.keyCode, key.shift}), key.name);
            }
        }
        // Shift+] comes as Shift+} on most layouts: the same key.
        QCOMPARE(keyName(virtualKeyCode(Qt::Key_BraceRight, Qt::AltModifier | Qt::ShiftModifier), 5),
                 QStringLiteral("Alt+Shift+]"));
        QCOMPARE(keyName(0x10, 1), QString()); // Shift alone
    }

    void modifierStateAddsShiftCtrlAlt()
    {
        QCOMPARE(modifierState({}), 0);
        QCOMPARE(modifierState(Qt::ShiftModifier), 1);
        QCOMPARE(modifierState(Qt::ControlModifier), 2);
        QCOMPARE(modifierState(Qt::AltModifier), 4);
        QCOMPARE(modifierState(Qt::ShiftModifier | Qt::ControlModifier | Qt::KeypadModifier), 3);
    }
};

int quorled::widgettests::runKeyMappingTests(int argc, char** argv)
{
    KeyMappingTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "keymapping_test.moc"
