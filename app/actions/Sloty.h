#pragma once

#include <component/Component.h>

#include <memory>

// The four components the main program keeps for the whole run. Shared, so
// a count running on a worker keeps its instance alive past the window.
struct SlotyKomponentów
{
    std::shared_ptr<oc::Component> Dialogi;    // "oc.ocmd"
    std::shared_ptr<oc::Component> Historia;   // "oc2.Ocmd"
    std::shared_ptr<oc::Component> Komunikaty; // "notebox.notebox2"
    std::shared_ptr<oc::Component> Menu;       // "menuoc.class1"
};

SlotyKomponentów &Sloty();
