#include "Ocmd.h"

#include "frmDyski.h"
#include "frmEtykieta.h"
#include "frmFiltr.h"
#include "frmKalkulator.h"
#include "frmMaska.h"
#include "frmNowyKat.h"
#include "frmOProgramie.h"
#include "frmSystemInfo.h"
#include "WersjaProgramu.h"

#include <component/Operations.h>
#include <platform/Volumes.h>
#include <ui/Twips.h>

namespace oc {

QVariant Ocmd::invoke(QStringView operation, QVariantList &args)
{
    static const oc::Operations<Ocmd> operations{
        {"WybierzDysk", &Ocmd::WybierzDysk},
        {"Showmaska", &Ocmd::Showmaska},
        {"NewDirCreate", &Ocmd::NewDirCreate},
        {"EtykietaDyskuShow", &Ocmd::EtykietaDyskuShow},
        {"OCSystemInfo", &Ocmd::OCSystemInfo},
        {"kalkulator", &Ocmd::kalkulator},
        {"ShowAbout", &Ocmd::ShowAbout},
    };
    return operations.invoke(*this, operation, args);
}

QString Ocmd::WybierzDysk(float x, float y, QString drive, qint16 panel)
{
    frmDyski okno(platform::volumes(), drive, panel);
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
    frmEtykieta okno(platform::volumeInfo(drive.isEmpty() ? QStringLiteral("/") : drive));
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
    frmOProgramie okno(WersjaProgramu(OC_VERSION_MAJOR, OC_VERSION_MINOR, OC_VERSION_PATCH));
    ui::moveTwips(&okno, x, y);
    okno.exec();
}

} // namespace oc
