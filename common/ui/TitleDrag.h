#pragma once

#include <functional>

class QLabel;
class QString;
class QWidget;
class QWindow;

namespace oc::ui {

// Dragging the label lets the window manager move its window, as a title bar
// does. The move starts only once the pointer has gone past the drag distance
// with a button held: a window manager takes the pointer when it starts, so a
// plain press, click or double click still reaches the label.
void makeTitleDrag(QWidget *label);

// The title strip of a borderless window: the text in bold on white, centred
// on the top edge, 240 twips high, shown as given; dragging it moves.
QLabel *makeTitleStrip(QWidget *window, const QString &text);

// What starts the window manager's move; tests put a recorder in its place
// (an empty function restores QWindow::startSystemMove).
void setSystemMove(std::function<void(QWindow *)> move);

} // namespace oc::ui
