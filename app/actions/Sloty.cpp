#include "Sloty.h"

#include <component/createObject.h>

SlotyKomponentów &Sloty()
{
    static SlotyKomponentów sloty;
    return sloty;
}

void KomponentStały::Utwórz() const
{
    Instancja() = oc::createObject(Klasa());
}
