#include "Ocmd.h"

#include "frmAtrib.h"
#include "frmAtrib2.h"

#include <component/Operations.h>
#include <ui/Twips.h>

namespace oc2 {

Ocmd::Ocmd() = default;
Ocmd::~Ocmd() = default;

QVariant Ocmd::invoke(QStringView operation, QVariantList &args)
{
    static const oc::Operations<Ocmd> operations{
        {"ClearList", &Ocmd::ClearList},
        {"AddHistoryPos", &Ocmd::AddHistoryPos},
        {"ShowHistoryWindow", &Ocmd::ShowHistoryWindow},
        {"ZZM", &Ocmd::ZZM},
        {"PrzerwijZZM", &Ocmd::PrzerwijZZM},
        {"ShowAttribWindow", &Ocmd::ShowAttribWindow},
        {"ClearAtribLists", &Ocmd::ClearAtribLists},
        {"AddAtribDir", &Ocmd::AddAtribDir},
        {"AddAtribFile", &Ocmd::AddAtribFile},
        {"ShowAtrib2", &Ocmd::ShowAtrib2},
    };
    return operations.invoke(*this, operation, args);
}

frmHist &Ocmd::Historia()
{
    if (!m_historia)
        m_historia = std::make_unique<frmHist>(WybranaKomenda);
    return *m_historia;
}

int Ocmd::ClearList()
{
    Historia().ClearList();
    return 0;
}

int Ocmd::AddHistoryPos(QString linia)
{
    Historia().List1.append(linia);
    return 0;
}

QString Ocmd::ShowHistoryWindow(float x, float y)
{
    frmHist &okno = Historia();
    // A window closed by other means than its keys chooses nothing.
    WybranaKomenda.clear();
    oc::ui::moveTwips(&okno, x, y);
    okno.Timer1->start();
    okno.exec();
    m_historia.reset();
    return WybranaKomenda;
}

QString Ocmd::ZZM(QString path)
{
    return m_statystyka.ZZM(path);
}

int Ocmd::PrzerwijZZM(qint32 przerwij)
{
    m_statystyka.Przerwij(przerwij != 0);
    return 0;
}

int Ocmd::ShowAttribWindow(float x, float y, QString path)
{
    ZmianaAtrybutów praca({}, {path}, false, 0);
    frmAtrib okno(praca);
    oc::ui::moveTwips(&okno, x, y);
    okno.Tag = path;
    okno.Timer1->start();
    okno.exec();
    return 0;
}

ZmianaAtrybutów &Ocmd::Atrybuty2()
{
    if (!m_atrybuty2)
        m_atrybuty2 = std::make_unique<ZmianaAtrybutów>();
    return *m_atrybuty2;
}

int Ocmd::ClearAtribLists()
{
    Atrybuty2().Katalogi.clear();
    Atrybuty2().Pliki.clear();
    return 0;
}

int Ocmd::AddAtribDir(QString path)
{
    Atrybuty2().Katalogi.append(path);
    return 0;
}

int Ocmd::AddAtribFile(QString path)
{
    Atrybuty2().Pliki.append(path);
    return 0;
}

qint32 Ocmd::ShowAtrib2(float x, float y)
{
    // A window closed by other means than its keys applies nothing.
    WynikAtrybutów = 0;
    {
        frmAtrib2 okno(Atrybuty2());
        oc::ui::moveTwips(&okno, x, y);
        okno.Timer1->start();
        WynikAtrybutów = okno.exec();
    }
    m_atrybuty2.reset();
    return WynikAtrybutów;
}

} // namespace oc2
