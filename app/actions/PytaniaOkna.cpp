#include "PytaniaOkna.h"

#include "Gospodarz.h"
#include "PokazKomunikat.h"
#include "Wywolanie.h"

#include <ui/Twips.h>

#include <QWidget>

using namespace oc;

bool ZgodaNaKoniec(Gospodarz &okno)
{
    if (!okno.Komponenty().Komunikaty)
        return true;
    const QWidget *nad = okno.Okno();
    const std::optional<QVariant> odpowiedź
        = Wywołaj(okno, komponent::Komunikaty, QStringLiteral("notebox2"), qint32(ui::toTwips(nad->x()) + 2200),
                  qint32(ui::toTwips(nad->y()) + 1700), QStringLiteral("Orvane Commander - koniec"), quint8(4),
                  quint8(4), quint8(0), QStringLiteral("Chcesz zakończyć pracę z programem ?"));
    return !odpowiedź || odpowiedź->toInt() == 0;
}

QString WybierzWolumin(Gospodarz &okno, int p, const QString &wolumin)
{
    if (!okno.Komponenty().Dialogi)
        return {};
    const QWidget *nad = okno.Okno();
    const float x = float(ui::toTwips(nad->x()) + (p == 1 ? 1680 : 7000));
    const float y = float(ui::toTwips(nad->y()) + 1900);
    const std::optional<QVariant> odpowiedź
        = Wywołaj(okno, komponent::Dialogi, QStringLiteral("WybierzDysk"), x, y, wolumin, qint16(p));
    return odpowiedź ? odpowiedź->toString() : QString();
}

QString PodajMaskę(Gospodarz &okno, int p, qint16 tryb)
{
    if (!okno.Komponenty().Dialogi)
        return {};
    const QWidget *nad = okno.Okno();
    const float x = float(ui::toTwips(nad->x()) + (p == 1 ? 1780 : 7090));
    const float y = float(ui::toTwips(nad->y()) + 2000);
    const std::optional<QVariant> odpowiedź
        = Wywołaj(okno, komponent::Dialogi, QStringLiteral("Showmaska"), x, y, tryb);
    return odpowiedź ? odpowiedź->toString() : QString();
}

void PokażZegar(Gospodarz &okno)
{
    QString powód;
    const QWidget *nad = okno.Okno();
    if (!SpróbujWywołać(okno.Komponenty().Dialogi.get(), QStringLiteral("PokazZegar"), powód,
                        float(ui::leftTwips(nad) + 4085), float(ui::topTwips(nad) + 2100)))
        PokażKomunikat(okno, QStringLiteral("Błąd krytyczny"), QStringLiteral("Nie mogę wyświetlić zegara !!!"), 1, 0,
                       0);
}
