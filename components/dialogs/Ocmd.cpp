#include "Ocmd.h"

#include "frmDyski.h"
#include "frmMaska.h"
#include "frmNowyKat.h"

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

} // namespace oc
