#include "Keys.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

namespace oc::ui {

namespace {

struct KeyPair
{
    int qt;
    int code;
};

constexpr KeyPair named[] = {
    {Qt::Key_Backspace, vk::Back},  {Qt::Key_Tab, vk::Tab},       {Qt::Key_Backtab, vk::Tab},
    {Qt::Key_Return, vk::Return},   {Qt::Key_Enter, vk::Return},  {Qt::Key_Shift, vk::Shift},
    {Qt::Key_Control, vk::Control}, {Qt::Key_Alt, vk::Menu},      {Qt::Key_Escape, vk::Escape},
    {Qt::Key_Space, vk::Space},     {Qt::Key_PageUp, vk::Prior},  {Qt::Key_PageDown, vk::Next},
    {Qt::Key_End, vk::End},         {Qt::Key_Home, vk::Home},     {Qt::Key_Left, vk::Left},
    {Qt::Key_Up, vk::Up},           {Qt::Key_Right, vk::Right},   {Qt::Key_Down, vk::Down},
    {Qt::Key_Insert, vk::Insert},   {Qt::Key_Delete, vk::Delete},
};

// Keys whose code differs on the numeric keypad.
constexpr KeyPair keypad[] = {
    {Qt::Key_Asterisk, vk::Multiply},
    {Qt::Key_Plus, vk::Add},
    {Qt::Key_Minus, vk::Subtract},
};

} // namespace

int shiftMask(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0)
           | (modifiers & Qt::AltModifier ? 4 : 0);
}

int virtualKey(const QKeyEvent *event)
{
    const int key = event->key();
    if (event->modifiers() & Qt::KeypadModifier)
        for (const KeyPair &pair : keypad)
            if (pair.qt == key)
                return pair.code;
    for (const KeyPair &pair : named)
        if (pair.qt == key)
            return pair.code;
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return vk::F1 + (key - Qt::Key_F1);
    if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z))
        return key; // Qt's codes for digits and letters equal the virtual-key codes
    // The main keyboard's "*" is Shift and a digit there, never the grey key.
    switch (key) {
    case Qt::Key_Plus:
    case Qt::Key_Equal: return 187;
    case Qt::Key_Comma: return 188;
    case Qt::Key_Minus: return 189;
    case Qt::Key_Period: return 190;
    case Qt::Key_Slash: return 191;
    default: return 0;
    }
}

int keyChar(const QKeyEvent *event)
{
    const int key = event->key();
    if ((event->modifiers() & Qt::ControlModifier) && key >= Qt::Key_A && key <= Qt::Key_Z)
        return key - Qt::Key_A + 1;
    switch (key) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab: return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Escape: return 27;
    default: break;
    }
    const QString text = event->text();
    if (text.size() != 1 || text.at(0).unicode() < 32)
        return 0;
    return text.at(0).unicode();
}

void sendKey(QWidget *target, int virtualKeyCode, int shift)
{
    int qtKey = 0;
    for (const KeyPair &pair : named)
        if (pair.code == virtualKeyCode) {
            qtKey = pair.qt;
            break;
        }
    if (!qtKey && virtualKeyCode >= vk::F1 && virtualKeyCode <= vk::F12)
        qtKey = Qt::Key_F1 + (virtualKeyCode - vk::F1);
    if (!qtKey)
        qtKey = virtualKeyCode;
    Qt::KeyboardModifiers modifiers;
    if (shift & 1)
        modifiers |= Qt::ShiftModifier;
    if (shift & 2)
        modifiers |= Qt::ControlModifier;
    if (shift & 4)
        modifiers |= Qt::AltModifier;
    QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, qtKey, modifiers));
    QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyRelease, qtKey, modifiers));
}

} // namespace oc::ui
