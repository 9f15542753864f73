#include "keymapping.h"

#include <QKeyEvent>
#include <QKeySequence>

namespace quorled {

int modifierState(Qt::KeyboardModifiers modifiers)
{
    int state = 0;
    if (modifiers & Qt::ShiftModifier)
        state |= 1;
    if (modifiers & Qt::ControlModifier)
        state |= 2;
    if (modifiers & Qt::AltModifier)
        state |= 4;
    return state;
}

namespace {

// Keys of the numeric keypad while Num Lock is on.
int keypadCode(int qtKey)
{
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return vk::Numpad0 + (qtKey - Qt::Key_0);
    switch (qtKey) {
    case Qt::Key_Asterisk: return vk::Multiply;
    case Qt::Key_Plus: return vk::Add;
    case Qt::Key_Minus: return vk::Subtract;
    case Qt::Key_Period:
    case Qt::Key_Comma: return 0x6E; // decimal separator
    case Qt::Key_Slash: return vk::Divide;
    case Qt::Key_Enter: return 0x0D;
    default: return -1;
    }
}

// Keys that have the same code wherever they sit on the keyboard.
int commonCode(int qtKey)
{
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return 0x41 + (qtKey - Qt::Key_A);
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return 0x30 + (qtKey - Qt::Key_0);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return vk::F1 + (qtKey - Qt::Key_F1);
    switch (qtKey) {
    case Qt::Key_Backspace: return 0x08;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return 0x09;
    case Qt::Key_Clear: return 0x0C;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 0x0D;
    case Qt::Key_Shift: return 0x10;
    case Qt::Key_Control: return 0x11;
    case Qt::Key_Alt: return 0x12;
    case Qt::Key_Pause: return 0x13;
    case Qt::Key_CapsLock: return 0x14;
    case Qt::Key_Escape: return 0x1B;
    case Qt::Key_Space: return vk::Space;
    case Qt::Key_PageUp: return vk::PageUp;
    case Qt::Key_PageDown: return vk::PageDown;
    case Qt::Key_End: return 0x23;
    case Qt::Key_Home: return 0x24;
    case Qt::Key_Left: return vk::Left;
    case Qt::Key_Up: return vk::Up;
    case Qt::Key_Right: return vk::Right;
    case Qt::Key_Down: return vk::Down;
    case Qt::Key_Insert: return 0x2D;
    case Qt::Key_Delete: return 0x2E;
    case Qt::Key_NumLock: return 0x90;
    case Qt::Key_ScrollLock: return 0x91;
    // Punctuation of the main block: the US-layout codes, so that these
    // keys never count as the keypad's.
    case Qt::Key_Semicolon:
    case Qt::Key_Colon: return 0xBA;
    case Qt::Key_Plus:
    case Qt::Key_Equal: return 0xBB;
    case Qt::Key_Comma:
    case Qt::Key_Less: return 0xBC;
    case Qt::Key_Minus:
    case Qt::Key_Underscore: return 0xBD;
    case Qt::Key_Period:
    case Qt::Key_Greater: return 0xBE;
    case Qt::Key_Slash:
    case Qt::Key_Question: return 0xBF;
    case Qt::Key_Asterisk: return 0x38; // Shift+8 on the main block
    case Qt::Key_BracketLeft:
    case Qt::Key_BraceLeft: return 0xDB;
    case Qt::Key_BracketRight:
    case Qt::Key_BraceRight: return 0xDD;
    default: return 0;
    }
}

} // namespace

int virtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers)
{
    if (modifiers & Qt::KeypadModifier) {
        const int code = keypadCode(qtKey);
        if (code >= 0)
            return code;
        // Num Lock off: arrows, Page Up/Down, Home, End, Insert, Delete.
    }
    return commonCode(qtKey);
}

int virtualKeyCode(const QKeyEvent& event)
{
    return virtualKeyCode(event.key(), event.modifiers());
}

namespace {

// The Qt key of a virtual-key code, Qt::Key_unknown for none; keypad keys
// come with Qt::KeypadModifier in `keypad`.
int qtKeyOf(int vkCode, bool& keypad)
{
    keypad = false;
    if (vkCode >= 0x41 && vkCode <= 0x5A)
        return Qt::Key_A + (vkCode - 0x41);
    if (vkCode >= 0x30 && vkCode <= 0x39)
        return Qt::Key_0 + (vkCode - 0x30);
    if (vkCode >= vk::F1 && vkCode < vk::F1 + 24)
        return Qt::Key_F1 + (vkCode - vk::F1);
    if (vkCode >= vk::Numpad0 && vkCode <= vk::Numpad0 + 9) {
        keypad = true;
        return Qt::Key_0 + (vkCode - vk::Numpad0);
    }
    switch (vkCode) {
    case vk::Multiply: keypad = true; return Qt::Key_Asterisk;
    case vk::Add: keypad = true; return Qt::Key_Plus;
    case vk::Subtract: keypad = true; return Qt::Key_Minus;
    case 0x6E: keypad = true; return Qt::Key_Period;
    case vk::Divide: keypad = true; return Qt::Key_Slash;
    case 0x08: return Qt::Key_Backspace;
    case 0x09: return Qt::Key_Tab;
    case 0x0D: return Qt::Key_Return;
    case 0x1B: return Qt::Key_Escape;
    case vk::Space: return Qt::Key_Space;
    case vk::PageUp: return Qt::Key_PageUp;
    case vk::PageDown: return Qt::Key_PageDown;
    case 0x23: return Qt::Key_End;
    case 0x24: return Qt::Key_Home;
    case vk::Left: return Qt::Key_Left;
    case vk::Up: return Qt::Key_Up;
    case vk::Right: return Qt::Key_Right;
    case vk::Down: return Qt::Key_Down;
    case 0x2D: return Qt::Key_Insert;
    case 0x2E: return Qt::Key_Delete;
    case 0xBA: return Qt::Key_Semicolon;
    case 0xBB: return Qt::Key_Equal;
    case 0xBC: return Qt::Key_Comma;
    case 0xBD: return Qt::Key_Minus;
    case 0xBE: return Qt::Key_Period;
    case 0xBF: return Qt::Key_Slash;
    case 0xDB: return Qt::Key_BracketLeft;
    case 0xDD: return Qt::Key_BracketRight;
    default: return Qt::Key_unknown;
    }
}

} // namespace

QString keyName(int vkCode, int state)
{
    bool keypad = false;
    const int key = qtKeyOf(vkCode, keypad);
    if (key == Qt::Key_unknown)
        return {};
    Qt::KeyboardModifiers modifiers;
    if (state & 1)
        modifiers |= Qt::ShiftModifier;
    if (state & 2)
        modifiers |= Qt::ControlModifier;
    if (state & 4)
        modifiers |= Qt::AltModifier;
    if (keypad)
        modifiers |= Qt::KeypadModifier;
    return QKeySequence(QKeyCombination(modifiers, static_cast<Qt::Key>(key))).toString(QKeySequence::PortableText);
}

} // namespace quorled
