#pragma once

class QLabel;
class QString;
class QWidget;

namespace oc::ui {

// Pressing a mouse button on the label lets the window manager drag its
// window, as a title bar does.
void makeTitleDrag(QWidget *label);

// The title strip of a borderless window: the text in bold on white, centred
// on the top edge, 240 twips high, shown as given; pressing it drags.
QLabel *makeTitleStrip(QWidget *window, const QString &text);

} // namespace oc::ui
