#include "frmBladZrodla.h"

#include <array>

namespace occopy {

frmBladZrodla::frmBladZrodla(const oc::platform::FileError &błąd, QWidget *parent)
    : OknoPytania(QStringLiteral("Błąd odczytu"),
                  {{QStringLiteral("Nie można odczytać:"), false}, {błąd.path, true}, {błąd.reason(), false}},
                  {QStringLiteral("&Pomiń"), QStringLiteral("Pomiń &wszystkie"), QStringLiteral("&Anuluj")}, 3, parent)
{
    setObjectName(QStringLiteral("frmBladZrodla"));
}

Odpowiedź frmBladZrodla::Zapytaj(QWidget *parent, const oc::platform::FileError &błąd)
{
    static constexpr std::array<Odpowiedź, 3> odpowiedzi{Odpowiedź::Pomiń, Odpowiedź::PomijajWszystkie,
                                                         Odpowiedź::Anuluj};
    frmBladZrodla okno(błąd, parent);
    okno.exec();
    return okno.Wybrany < 0 ? Odpowiedź::Anuluj : odpowiedzi[std::size_t(okno.Wybrany)];
}

} // namespace occopy
