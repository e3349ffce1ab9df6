#pragma once

#include <QString>

namespace oc {

// The build's version as the program, the components and the about box show it.
QString WersjaProgramu();
// Major "." minor, and "." revision when it is not 0.
QString WersjaProgramu(int major, int minor, int revision);

} // namespace oc
