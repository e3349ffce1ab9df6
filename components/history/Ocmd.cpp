#include "Ocmd.h"

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

QString Ocmd::ZZM(QString path) { return m_statystyka.ZZM(path); }

} // namespace oc2
