#pragma once

class QWidget;

namespace oc::ui {

// Pressing a mouse button on the label lets the window manager drag its
// window, as a title bar does.
void makeTitleDrag(QWidget *label);

} // namespace oc::ui
