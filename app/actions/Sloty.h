#pragma once

#include <component/Component.h>

#include <QString>
#include <memory>

struct KomponentStały;

// The four components the main program keeps for the whole run; the main
// window owns the table. Shared, so a count running on a worker keeps its
// instance alive past the window.
struct SlotyKomponentów
{
    std::shared_ptr<oc::Component> Dialogi;
    std::shared_ptr<oc::Component> Historia;
    std::shared_ptr<oc::Component> Komunikaty;
    std::shared_ptr<oc::Component> Menu;

    std::shared_ptr<oc::Component> &operator[](const KomponentStały &komponent);
    // Fills the component's slot from the registry; raises oc::ComponentError.
    void Utwórz(const KomponentStały &komponent);
    // On the way out: the history stays, a count on a worker may still hold it.
    void ZwolnijOkienne();
};

// A component kept for the whole run: its class id and the slot that holds
// its instance.
struct KomponentStały
{
    const char *klasa;
    std::shared_ptr<oc::Component> SlotyKomponentów::*slot;

    QString Klasa() const { return QString::fromLatin1(klasa); }
};

inline std::shared_ptr<oc::Component> &SlotyKomponentów::operator[](const KomponentStały &komponent)
{
    return this->*komponent.slot;
}

// A component created afresh for each command.
struct KomponentPolecenia
{
    const char *klasa;

    QString Klasa() const { return QString::fromLatin1(klasa); }
};

// Every component the main program uses; each class id is written here only.
namespace komponent {

inline constexpr KomponentStały Dialogi{"oc.ocmd", &SlotyKomponentów::Dialogi};
inline constexpr KomponentStały Historia{"oc2.Ocmd", &SlotyKomponentów::Historia};
inline constexpr KomponentStały Komunikaty{"notebox.notebox2", &SlotyKomponentów::Komunikaty};
inline constexpr KomponentStały Menu{"menuoc.class1", &SlotyKomponentów::Menu};

inline constexpr KomponentPolecenia Kopiowanie{"occopy.clsOCCopy"};
inline constexpr KomponentPolecenia Przenoszenie{"occopy.clsOCMove"};
inline constexpr KomponentPolecenia Usuwanie{"ocdelete.ocdel"};
inline constexpr KomponentPolecenia Gra{"ocfalrow.clsFalrow"};

} // namespace komponent
