#pragma once

namespace quorled {

struct AreaModel;
struct ViewState;

// Virtual-key codes of the keys the level view answers to.
namespace vk {
inline constexpr int Space = 0x20;
inline constexpr int PageUp = 0x21;
inline constexpr int PageDown = 0x22;
inline constexpr int Left = 0x25;
inline constexpr int Up = 0x26;
inline constexpr int Right = 0x27;
inline constexpr int Down = 0x28;
inline constexpr int F = 0x46;
inline constexpr int M = 0x4D;
inline constexpr int O = 0x4F;
inline constexpr int P = 0x50;
inline constexpr int S = 0x53;
inline constexpr int Numpad0 = 0x60;
inline constexpr int Numpad2 = 0x62;
inline constexpr int Numpad4 = 0x64;
inline constexpr int Numpad6 = 0x66;
inline constexpr int Numpad8 = 0x68;
inline constexpr int Multiply = 0x6A;
inline constexpr int Add = 0x6B;
inline constexpr int Subtract = 0x6D;
inline constexpr int Divide = 0x6F;
inline constexpr int F1 = 0x70;
} // namespace vk

// Modifier state bits.
inline constexpr int kShift = 1;
inline constexpr int kCtrl = 2;
inline constexpr int kAlt = 4;

// The last scroll positions the keys reach: the view's left column in a
// horizontal area and its top row in a vertical one.
inline constexpr int kLastViewColumn = 240;
inline constexpr int kLastViewRow = 241;

// What the editing steps of one key press did.
struct KeyEdit {
    bool redraw = false;      // the view must be drawn again
    bool modeChanged = false; // editMode switched
};

// The editing steps of a key press that work on the area and the view:
// scroll step, Space, scrolling, and the object or enemy steps of the
// current editMode. Page steps are kept within the scroll range.
KeyEdit editWithKey(AreaModel& area, ViewState& view, int keyCode, int shift);

} // namespace quorled
