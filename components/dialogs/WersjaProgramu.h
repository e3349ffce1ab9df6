#pragma once

#include <QString>

namespace oc {

// The program's version: major "." minor, and "." revision when it is not 0.
QString WersjaProgramu(int major, int minor, int revision);

} // namespace oc
