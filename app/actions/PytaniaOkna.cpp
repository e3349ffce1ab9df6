#include "PytaniaOkna.h"

#include "PokazKomunikat.h"
#include "Wywolanie.h"

#include <ui/Twips.h>

#include <QWidget>

using namespace oc;

bool ZgodaNaKoniec(const QWidget *okno)
{
    if (!komponent::Komunikaty.Instancja())
        return true;
    const std::optional<QVariant> odpowiedź
        = Wywołaj(okno, komponent::Komunikaty, QStringLiteral("notebox2"), qint32(ui::toTwips(okno->x()) + 2200),
                  qint32(ui::toTwips(okno->y()) + 1700), QStringLiteral("Orvane Commander - koniec"), quint8(4),
                  quint8(4), quint8(0), QStringLiteral("Chcesz zakończyć pracę z programem ?"));
    return !odpowiedź || odpowiedź->toInt() == 0;
}

QString WybierzWolumin(const QWidget *okno, int p, const QString &wolumin)
{
    if (!komponent::Dialogi.Instancja())
        return {};
    const float x = float(ui::toTwips(okno->x()) + (p == 1 ? 1680 : 7000));
    const float y = float(ui::toTwips(okno->y()) + 1900);
    const std::optional<QVariant> odpowiedź
        = Wywołaj(okno, komponent::Dialogi, QStringLiteral("WybierzDysk"), x, y, wolumin, qint16(p));
    return odpowiedź ? odpowiedź->toString() : QString();
}

QString PodajMaskę(const QWidget *okno, int p, qint16 tryb)
{
    if (!komponent::Dialogi.Instancja())
        return {};
    const float x = float(ui::toTwips(okno->x()) + (p == 1 ? 1780 : 7090));
    const float y = float(ui::toTwips(okno->y()) + 2000);
    const std::optional<QVariant> odpowiedź
        = Wywołaj(okno, komponent::Dialogi, QStringLiteral("Showmaska"), x, y, tryb);
    return odpowiedź ? odpowiedź->toString() : QString();
}

void PokażZegar(const QWidget *okno)
{
    QString powód;
    if (!SpróbujWywołać(komponent::Dialogi.Instancja().get(), QStringLiteral("PokazZegar"), powód,
                        float(ui::leftTwips(okno) + 4085), float(ui::topTwips(okno) + 2100)))
        PokażKomunikat(okno, QStringLiteral("Błąd krytyczny"), QStringLiteral("Nie mogę wyświetlić zegara !!!"), 1, 0,
                       0);
}
