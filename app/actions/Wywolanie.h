#pragma once

#include "Sloty.h"

#include <component/Component.h>

#include <QString>
#include <QVariant>
#include <functional>
#include <optional>

class Gospodarz;
class QWidget;

// Who calls a component: the table of the run's components, and the window
// its dialogs are placed over (none: the screen's corner).
struct Wywołujący
{
    Wywołujący(Gospodarz &okno);
    Wywołujący(SlotyKomponentów &sloty, const QWidget *nad) : sloty(sloty), nad(nad) {}

    SlotyKomponentów &sloty;
    const QWidget *nad;
};

// A component created for one command, with the class id its messages name.
struct EgzemplarzPolecenia
{
    QString klasa;
    oc::ComponentPtr instancja;

    explicit operator bool() const { return instancja != nullptr; }
};

// The one way the main program calls a component. A component that is
// missing, or whose call fails, gives one standard message naming it, the
// operation and the reason; the answer is then empty and the program goes on.
std::optional<QVariant> Wywołaj(const Wywołujący &kto, const KomponentStały &komponent, const QString &operacja,
                                QVariantList &args);

template <class... A>
std::optional<QVariant> Wywołaj(const Wywołujący &kto, const KomponentStały &komponent, const QString &operacja,
                                A &&...values)
{
    QVariantList args{QVariant::fromValue(std::forward<A>(values))...};
    return Wywołaj(kto, komponent, operacja, args);
}

// The same call on a component created for one command.
std::optional<QVariant> Wywołaj(const Wywołujący &kto, const EgzemplarzPolecenia &komponent, const QString &operacja,
                                QVariantList &args);

template <class... A>
std::optional<QVariant> Wywołaj(const Wywołujący &kto, const EgzemplarzPolecenia &komponent, const QString &operacja,
                                A &&...values)
{
    QVariantList args{QVariant::fromValue(std::forward<A>(values))...};
    return Wywołaj(kto, komponent, operacja, args);
}

// The same call for a caller with a message of its own: on failure the
// answer is empty and powód says why; nothing is shown. Touches no window,
// so a worker may make it.
std::optional<QVariant> SpróbujWywołać(oc::Component *komponent, const QString &operacja, QString &powód,
                                       QVariantList &args);

template <class... A>
std::optional<QVariant> SpróbujWywołać(oc::Component *komponent, const QString &operacja, QString &powód, A &&...values)
{
    QVariantList args{QVariant::fromValue(std::forward<A>(values))...};
    return SpróbujWywołać(komponent, operacja, powód, args);
}

// Creates a component for one command (copy, delete); one that cannot be
// created gives the standard message and an empty instance.
EgzemplarzPolecenia UtwórzKomponent(const Wywołujący &kto, const KomponentPolecenia &komponent);
// Tests put stand-ins in place of the registry; an empty function restores it.
void ustawTwórcęKomponentów(std::function<oc::ComponentPtr(const QString &klasa)> twórca);

// The standard message for a component that could not do what was asked.
QString TekstBłęduKomponentu(const QString &klasa, const QString &operacja, const QString &powód);
