#pragma once

#include <QPixmap>

namespace oc::ui {

// The program's own icon, the one its desktop entry shows, drawn square at
// this size in device-independent pixels.
QPixmap programIcon(int size);

} // namespace oc::ui
