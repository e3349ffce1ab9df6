#pragma once

#include <QtGlobal>

namespace regmend {

enum class KeyAction { None, Click, Quit };

// The tool's key rules over the selected button (1..3): Left and Right move
// the selection round the three, Enter and Space click it, Esc quits.
KeyAction applyKey(int virtualKey, qint16 &selected);

} // namespace regmend
