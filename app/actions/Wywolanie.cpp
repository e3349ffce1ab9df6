#include "Wywolanie.h"

#include "Gospodarz.h"
#include "PokazKomunikat.h"

#include <component/ComponentError.h>
#include <component/createObject.h>

#include <QDebug>
#include <QMessageBox>

namespace {

std::function<oc::ComponentPtr(const QString &)> &twórcaKomponentów()
{
    static std::function<oc::ComponentPtr(const QString &)> twórca;
    return twórca;
}

void PokażBłąd(const Wywołujący &kto, oc::Component *komponent, const QString &tekst)
{
    // The message box cannot report its own failure.
    if (komponent && komponent == kto.sloty.Komunikaty.get())
        QMessageBox::warning(const_cast<QWidget *>(kto.nad), QStringLiteral("Błąd komponentu"), tekst);
    else if (kto.sloty.Komunikaty)
        PokażKomunikat(kto, QStringLiteral("Błąd komponentu"), tekst, 1, 0, 0);
    else
        qWarning().noquote() << tekst;
}

std::optional<QVariant> WywołajInstancję(const Wywołujący &kto, oc::Component *komponent, const QString &klasa,
                                         const QString &operacja, QVariantList &args)
{
    QString powód;
    if (std::optional<QVariant> odpowiedź = SpróbujWywołać(komponent, operacja, powód, args))
        return odpowiedź;
    PokażBłąd(kto, komponent, TekstBłęduKomponentu(klasa, operacja, powód));
    return std::nullopt;
}

} // namespace

Wywołujący::Wywołujący(Gospodarz &okno) : sloty(okno.Komponenty()), nad(okno.Okno())
{}

void ustawTwórcęKomponentów(std::function<oc::ComponentPtr(const QString &)> twórca)
{
    twórcaKomponentów() = std::move(twórca);
}

EgzemplarzPolecenia UtwórzKomponent(const Wywołujący &kto, const KomponentPolecenia &komponent)
{
    const QString klasa = komponent.Klasa();
    try {
        return {klasa, twórcaKomponentów() ? twórcaKomponentów()(klasa) : oc::createObject(klasa)};
    } catch (const oc::ComponentError &błąd) {
        PokażBłąd(kto, nullptr, QStringLiteral("Nie można utworzyć komponentu \"%1\": %2").arg(klasa, błąd.message()));
    }
    return {klasa, nullptr};
}

QString TekstBłęduKomponentu(const QString &klasa, const QString &operacja, const QString &powód)
{
    return QStringLiteral("Komponent \"%1\" nie mógł wykonać operacji \"%2\": %3").arg(klasa, operacja, powód);
}

std::optional<QVariant> SpróbujWywołać(oc::Component *komponent, const QString &operacja, QString &powód,
                                       QVariantList &args)
{
    if (!komponent) {
        powód = QStringLiteral("komponent nie został utworzony");
        return std::nullopt;
    }
    try {
        return komponent->invoke(operacja, args);
    } catch (const oc::ComponentError &błąd) {
        powód = błąd.message();
    } catch (const std::exception &błąd) {
        powód = QString::fromLocal8Bit(błąd.what());
    }
    return std::nullopt;
}

std::optional<QVariant> Wywołaj(const Wywołujący &kto, const KomponentStały &komponent, const QString &operacja,
                                QVariantList &args)
{
    return WywołajInstancję(kto, kto.sloty[komponent].get(), komponent.Klasa(), operacja, args);
}

std::optional<QVariant> Wywołaj(const Wywołujący &kto, const EgzemplarzPolecenia &komponent, const QString &operacja,
                                QVariantList &args)
{
    return WywołajInstancję(kto, komponent.instancja.get(), komponent.klasa, operacja, args);
}
