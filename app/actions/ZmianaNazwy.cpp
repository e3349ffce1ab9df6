#include "ZmianaNazwy.h"

#include "Gospodarz.h"
#include "NoweNazwy.h"
#include "PokazKomunikat.h"
#include "Sloty.h"
#include "Wywolanie.h"

#include <panels/WidokPanelu.h>
#include <ui/Twips.h>

#include <QWidget>

using namespace oc;

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
