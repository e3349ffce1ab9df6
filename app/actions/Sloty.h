#pragma once

#include <component/Component.h>

// The four components the main program keeps for the whole run.
struct SlotyKomponentów
{
    oc::ComponentPtr Dialogi;    // "oc.ocmd"
    oc::ComponentPtr Historia;   // "oc2.Ocmd"
    oc::ComponentPtr Komunikaty; // "notebox.notebox2"
    oc::ComponentPtr Menu;       // "menuoc.class1"
};

SlotyKomponentów &Sloty();
