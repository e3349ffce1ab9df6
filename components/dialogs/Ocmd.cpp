#include "Ocmd.h"

#include "EtykietaDysku.h"
#include "WyborDysku.h"
#include "frmDyski.h"
#include "frmEtykieta.h"
#include "frmFiltr.h"
#include "frmKalkulator.h"
#include "frmMaska.h"
#include "frmNowyKat.h"
#include "frmNowyPlik.h"
#include "frmOProgramie.h"
#include "frmObraz.h"
#include "frmOdtwarzacz.h"
#include "frmSystemInfo.h"
#include "frmZegar.h"
#include "frmZmienNazwe.h"

#include <component/Operations.h>
#include <component/Wersja.h>
#include <ui/Twips.h>

namespace oc {

QVariant Ocmd::invoke(QStringView operation, QVariantList &args)
{
    static const oc::Operations<Ocmd> operations{
        {"WybierzDysk", &Ocmd::WybierzDysk},   {"Showmaska", &Ocmd::Showmaska},
        {"NewDirCreate", &Ocmd::NewDirCreate}, {"NewFileCreate", &Ocmd::NewFileCreate},
        {"ZmienNazwe", &Ocmd::ZmienNazwe},     {"EtykietaDyskuShow", &Ocmd::EtykietaDyskuShow},
        {"OCSystemInfo", &Ocmd::OCSystemInfo}, {"kalkulator", &Ocmd::kalkulator},
        {"ShowAbout", &Ocmd::ShowAbout},       {"PokazZegar", &Ocmd::PokazZegar},
        {"playwavfile", &Ocmd::playwavfile},   {"playmidifile", &Ocmd::playmidifile},
        {"playmp3file", &Ocmd::playmp3file},   {"ShowBMPFile", &Ocmd::ShowBMPFile},
    };
    return operations.invoke(*this, operation, args);
}

QString Ocmd::WybierzDysk(float x, float y, QString drive, qint16 panel)
{
    frmDyski okno(DyskiDoWyboru(), drive, panel);
    ui::moveTwips(&okno, x, y);
    okno.exec();
    return okno.Wynik;
}

QString Ocmd::Showmaska(float x, float y, QVariant mode)
{
    // The filter form is a string; a number 3 carries no switches to show.
    if (mode.typeId() == QMetaType::QString && mode.toString().startsWith(u'3'))
        return PokażFiltr(x, y, mode.toString().mid(1));
    bool liczba = false;
    const int tryb = mode.toInt(&liczba);
    if (!liczba || (tryb != 1 && tryb != 2))
        return {};
    frmMaska okno(tryb);
    ui::moveTwips(&okno, x, y);
    okno.exec();
    return okno.Wynik;
}

QString Ocmd::NewDirCreate(float x, float y)
{
    frmNowyKat okno;
    ui::moveTwips(&okno, x, y);
    okno.exec();
    return okno.Wynik;
}

QString Ocmd::NewFileCreate(float x, float y)
{
    frmNowyPlik okno;
    ui::moveTwips(&okno, x, y);
    okno.exec();
    return okno.Wynik;
}

qint32 Ocmd::ZmienNazwe(float x, float y, QString &nazwa)
{
    frmZmienNazwe okno(nazwa);
    ui::moveTwips(&okno, x, y);
    if (okno.exec() != QDialog::Accepted)
        return 0;
    nazwa = okno.Wynik;
    return 1;
}

QString Ocmd::PokażFiltr(float x, float y, const QString &filtr)
{
    const std::optional<Filtr> wejście = CzytajFiltr(filtr);
    if (!wejście)
        return {};
    frmFiltr okno(*wejście);
    ui::moveTwips(&okno, x, y);
    okno.exec();
    return okno.Wynik;
}

void Ocmd::EtykietaDyskuShow(float x, float y, QString &drive)
{
    frmEtykieta okno(WoluminEtykiety(drive));
    ui::moveTwips(&okno, x, y);
    okno.exec();
}

void Ocmd::OCSystemInfo()
{
    frmSystemInfo okno(ZbierzDaneSystemu());
    okno.exec();
}

QString Ocmd::kalkulator(float x, float y)
{
    frmKalkulator okno;
    ui::moveTwips(&okno, x, y);
    okno.exec();
    return okno.Wynik;
}

void Ocmd::ShowAbout(float x, float y)
{
    frmOProgramie okno(WersjaProgramu());
    ui::moveTwips(&okno, x, y);
    okno.exec();
}

void Ocmd::PokazZegar(float x, float y)
{
    frmZegar okno;
    ui::moveTwips(&okno, x, y);
    okno.exec();
}

void Ocmd::playwavfile(float x, float y, QString &path)
{
    Odtwórz(x, y, path);
}

void Ocmd::playmidifile(float x, float y, QString &path)
{
    Odtwórz(x, y, path);
}

void Ocmd::playmp3file(float x, float y, QString &path)
{
    Odtwórz(x, y, path);
}

void Ocmd::Odtwórz(float x, float y, const QString &plik)
{
    frmOdtwarzacz okno(plik);
    ui::moveTwips(&okno, x, y);
    okno.exec();
}

void Ocmd::ShowBMPFile(float x, float y, QString &path)
{
    frmObraz okno(path, x, y);
    okno.exec();
}

} // namespace oc
