#pragma once

#include <platform/FileError.h>

#include <QString>
#include <vector>

class QWidget;

namespace ocdelete {

// The platform's standard box titled "Błąd" with the exclamation icon; the
// paths and reasons of the failures can be unfolded under the text.
void pokażBłąd(QWidget *okno, const QString &tekst, const std::vector<oc::platform::FileError> &błędy);

} // namespace ocdelete
