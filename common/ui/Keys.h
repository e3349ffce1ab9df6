#pragma once

#include <Qt>

class QKeyEvent;
class QWidget;

namespace oc::ui {

// Virtual-key codes as the handlers expect them.
namespace vk {
enum : int {
    Back = 8,
    Tab = 9,
    Return = 13,
    Shift = 16,
    Control = 17,
    Menu = 18,
    Escape = 27,
    Space = 32,
    Prior = 33,
    Next = 34,
    End = 35,
    Home = 36,
    Left = 37,
    Up = 38,
    Right = 39,
    Down = 40,
    Insert = 45,
    Delete = 46,
    Multiply = 106,
    Add = 107,
    Subtract = 109,
    F1 = 112,
    F2,
    F3,
    F4,
    F5,
    F6,
    F7,
    F8,
    F9,
    F10,
    F11,
    F12,
};
}

// Modifier masks: 1 Shift, 2 Ctrl, 4 Alt.
int shiftMask(Qt::KeyboardModifiers modifiers);
// The virtual-key code of a key event; 0 when it has none.
int virtualKey(const QKeyEvent *event);
// The character code of a key press (Ctrl+letter gives 1..26); 0 when none.
int keyChar(const QKeyEvent *event);

// Posts a synthetic key press and release to the widget; it runs later
// through the same handlers as a typed key.
void sendKey(QWidget *target, int virtualKeyCode, int shift = 0);

} // namespace oc::ui
