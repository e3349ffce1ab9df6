#include "frmAtrib.h"

#include "Atrybuty.h"

#include <ui/Fonts.h>

namespace oc2 {

frmAtrib::frmAtrib(ZmianaAtrybutów &praca, QWidget *parent)
    : OknoAtrybutow(QStringLiteral("Atrybuty pliku"), 4680, 2760, parent), praca(praca)
{
    setObjectName(QStringLiteral("frmAtrib"));
    Label2 = nagłówek(QStringLiteral("  Plik"), 180, 420, 4320);
    Label3 = nagłówek(QString(), 180, 660, 4320);
    Label3->setFont(oc::ui::sansFont(9.75));
    Label4 = nagłówek(QStringLiteral("  Atrybuty"), 180, 960, 4320);
    for (int i = 0; i < 4; ++i)
        dodajPole(NapisyPól[i], 360, 1200 + 255 * i, 2400);
    dodajPrzyciski(2340);
    connect(Timer1, &QTimer::timeout, this, &frmAtrib::Timer1_Timer);
}

void frmAtrib::Timer1_Timer()
{
    Label3->setText(Tag.mid(Tag.lastIndexOf(u'/') + 1).toLower());
    ZacznijOdPierwszego();
    const quint32 atrybuty = AtrybutyPliku(Tag);
    for (int i = 0; i < 4; ++i)
        UstawZaznaczenie(i, atrybuty & AtrybutPola[i]);
    Timer1->stop();
}

void frmAtrib::Ustaw()
{
    praca.Maska = MaskaAtrybutów({Zaznaczone(0), Zaznaczone(1), Zaznaczone(2), Zaznaczone(3)});
    praca.Wykonaj();
    if (!praca.Błędy().empty())
        ZgłośBłędy(praca.Błędy());
    accept();
}

void frmAtrib::Anuluj()
{
    reject();
}

} // namespace oc2
