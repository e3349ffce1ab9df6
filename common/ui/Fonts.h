#pragma once

#include <QFont>

namespace oc::ui {

// The system's "MS Sans Serif" and "Arial" faces, in points.
QFont sansFont(double points, bool bold = false);

} // namespace oc::ui
