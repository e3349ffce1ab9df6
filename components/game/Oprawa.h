#pragma once

class QLabel;
class QWidget;

namespace ocfalrow {

// Two frames inside the window and its title on the top edge, pressing which
// drags the window. Called once the window has its final size.
QLabel *oprawa(QWidget *okno);

} // namespace ocfalrow
