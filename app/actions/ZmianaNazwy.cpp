#include "ZmianaNazwy.h"

#include "Gospodarz.h"
#include "PokazKomunikat.h"
#include "Sloty.h"
#include "Wywolanie.h"

#include <panels/WidokPanelu.h>
#include <platform/Paths.h>
#include <platform/Rename.h>
#include <ui/Twips.h>
#include <undo/Dziennik.h>

#include <QWidget>
#include <cerrno>

using namespace oc;

QString PowódOdmowyNazwy(const QString &nazwa)
{
    if (nazwa.trimmed().isEmpty())
        return QStringLiteral("Nazwa nie może być pusta");
    if (nazwa.contains(u'/'))
        return QStringLiteral("Nazwa nie może zawierać znaku \"/\"");
    if (nazwa.contains(QChar(0)))
        return QStringLiteral("Nazwa nie może zawierać znaku o kodzie 0");
    if (nazwa == u"." || nazwa == u"..")
        return QStringLiteral("Nazwy \".\" i \"..\" oznaczają katalogi i nie mogą być nadane");
    return {};
}

QString ZmieńNazwęWpisu(const QString &katalog, const QString &stara, const QString &nowa)
{
    const QString przed = platform::withSeparator(katalog);
    const std::unique_ptr<undo::Zapis> zapis
        = undo::Dziennik().zacznij(undo::Rodzaj::ZmianaNazwy, przed + stara + QStringLiteral(" → ") + nowa);
    platform::FileError błąd;
    if (!platform::renameEntry(katalog, stara, nowa, &błąd))
        return błąd.code == EEXIST ? QStringLiteral("Pozycja o nazwie %1 już istnieje").arg(nowa)
                                   : QStringLiteral("Nie można zmienić nazwy %1: %2").arg(stara, błąd.reason());
    if (zapis)
        zapis->przeniesiony(przed + stara, przed + nowa);
    return {};
}

void ZmieńNazwę(Gospodarz &okno)
{
    const int p = okno.AktywnyPanel();
    WidokPanelu &panel = okno.Widok(p);
    const std::optional<WybranaPozycja> kursor = panel.PodKursorem();
    if (!kursor || kursor->nazwa == QStringLiteral(".."))
        return;
    const QString stara = kursor->nazwa;
    QWidget *nad = okno.Okno();
    QVariantList args{float(ui::leftTwips(nad) + (p == 1 ? 1680 : 7000)), float(ui::topTwips(nad) + 2100), stara};
    const std::optional<QVariant> wynik = Wywołaj(okno, komponent::Dialogi, QStringLiteral("ZmienNazwe"), args);
    const QString nowa = args.value(2).toString();
    if (!wynik || wynik->toInt() != 1 || nowa == stara)
        return;
    QString powód = PowódOdmowyNazwy(nowa);
    if (powód.isEmpty())
        powód = ZmieńNazwęWpisu(panel.Dir.Ścieżka(), stara, nowa);
    if (!powód.isEmpty()) {
        PokażKomunikat(okno, QStringLiteral("Zmień nazwę"), powód, 48, 0, 0);
        return;
    }
    okno.OdświeżPanel(p);
    if (const qint32 nowaPozycja = panel.PozycjaNazwy(nowa); nowaPozycja > 0)
        panel.PokażPozycję(nowaPozycja);
}
