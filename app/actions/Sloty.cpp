#include "Sloty.h"

#include <component/createObject.h>

void SlotyKomponentów::Utwórz(const KomponentStały &komponent)
{
    (*this)[komponent] = oc::createObject(komponent.Klasa());
}

void SlotyKomponentów::ZwolnijOkienne()
{
    Dialogi.reset();
    Komunikaty.reset();
    Menu.reset();
}
