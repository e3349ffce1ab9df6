#pragma once

#include "OknoPytania.h"
#include "Pytania.h"

#include <platform/FileError.h>

namespace occopy {

// "Błąd odczytu": a source that cannot be read, and why; skip it, skip every
// such one, or stop.
class frmBladZrodla : public OknoPytania
{
    Q_OBJECT
public:
    explicit frmBladZrodla(const oc::platform::FileError &błąd, QWidget *parent = nullptr);

    // Asks modally over parent: Pomiń, PomijajWszystkie or Anuluj (also when
    // the window is closed otherwise).
    static Odpowiedź Zapytaj(QWidget *parent, const oc::platform::FileError &błąd);
};

} // namespace occopy
