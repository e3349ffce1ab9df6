#pragma once

#include <platform/FileError.h>

#include <vector>

class QWidget;

namespace oc2 {

// Shows, once, how many attribute writes failed and the first few of them
// with their reasons, in the standard message box over okno. Nothing when
// none failed.
void ZgłośBłędy(QWidget *okno, const std::vector<oc::platform::FileError> &błędy);

} // namespace oc2
