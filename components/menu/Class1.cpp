#include "Class1.h"

#include "frmMain.h"

#include <component/Operations.h>
#include <ui/Twips.h>

namespace menuoc {

QVariant Class1::invoke(QStringView operation, QVariantList &args)
{
    static const oc::Operations<Class1> operations{
        {"PokażMenu", &Class1::PokażMenu},
        {"PokażMenu2", &Class1::PokażMenu2},
        {"Main", &Class1::Main},
    };
    return operations.invoke(*this, operation, args);
}

qint32 Class1::PokażMenu(float x, float y, float width, qint32 start)
{
    m_stan.WybraneMenu = m_stan.WybranaPozycja = 0;
    m_stan.NowyPasek(start);
    frmMain pasek(m_stan);
    oc::ui::placeTwips(&pasek, x, y, width, WysokośćPaska);
    pasek.exec();
    return m_stan.WybraneMenu;
}

qint32 Class1::PokażMenu2()
{
    return m_stan.WybranaPozycja;
}

void Class1::Main()
{
    m_stan.NowyPasek(std::nullopt);
    frmMain pasek(m_stan);
    pasek.exec();
}

} // namespace menuoc
