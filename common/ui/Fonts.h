#pragma once

#include <QFont>

namespace oc::ui {

// The system's "MS Sans Serif" and "Arial" faces, in points.
QFont sansFont(double points, bool bold = false);
// A fixed-pitch face, for text laid out in columns.
QFont monoFont(double points);

} // namespace oc::ui
