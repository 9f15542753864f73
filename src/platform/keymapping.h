#pragma once

#include <QString>
#include <Qt>

class QKeyEvent;

namespace quorled {

// Virtual-key codes the editor's key rules are written in.
namespace vk {
constexpr int Space = 0x20;
constexpr int PageUp = 0x21;
constexpr int PageDown = 0x22;
constexpr int Left = 0x25;
constexpr int Up = 0x26;
constexpr int Right = 0x27;
constexpr int Down = 0x28;
constexpr int F1 = 0x70;
constexpr int Numpad0 = 0x60;
constexpr int Multiply = 0x6A;
constexpr int Add = 0x6B;
constexpr int Subtract = 0x6D;
constexpr int Divide = 0x6F;
} // namespace vk

// Modifier state as the key rules see it: 1 Shift, 2 Ctrl, 4 Alt, added.
int modifierState(Qt::KeyboardModifiers modifiers);

// The virtual-key code of a Qt key, or 0 for a key without one. Keypad keys
// (Qt::KeypadModifier) give the keypad codes 0x60..0x6F; with Num Lock off
// the keypad sends navigation keys, which map to the ordinary arrow and page
// codes.
int virtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers);
int virtualKeyCode(const QKeyEvent& event);

// The portable name of a key press the key rules see ("Alt+Shift+Left",
// "Num+4", "Ctrl+G"), as menu shortcuts are written; empty for a press of a
// modifier alone or of a key without a name here.
QString keyName(int vkCode, int state);

} // namespace quorled
