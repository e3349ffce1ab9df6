#pragma once

#include "OknoPytania.h"
#include "Pytania.h"

namespace occopy {

// "Plik istnieje": an existing target and the source meant to replace it,
// with their sizes and times; the buttons are the answers in their order.
class frmNadpisz : public OknoPytania
{
    Q_OBJECT
public:
    explicit frmNadpisz(const Zastany &zastany, QWidget *parent = nullptr);

    // Asks modally over parent; Anuluj when the window is closed otherwise.
    static Odpowiedź Zapytaj(QWidget *parent, const Zastany &zastany);
};

} // namespace occopy
