#include "Wywolanie.h"

#include "PokazKomunikat.h"
#include "Sloty.h"

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

void PokażBłąd(const QWidget *nad, oc::Component *komponent, const QString &tekst)
{
    // The message box cannot report its own failure.
    if (komponent && komponent == Sloty().Komunikaty.get())
        QMessageBox::warning(const_cast<QWidget *>(nad), QStringLiteral("Błąd komponentu"), tekst);
    else if (Sloty().Komunikaty)
        PokażKomunikat(nad, QStringLiteral("Błąd komponentu"), tekst, 1, 0, 0);
    else
        qWarning().noquote() << tekst;
}

} // namespace

void ustawTwórcęKomponentów(std::function<oc::ComponentPtr(const QString &)> twórca)
{
    twórcaKomponentów() = std::move(twórca);
}

oc::ComponentPtr UtwórzKomponent(const QWidget *nad, const KomponentPolecenia &komponent)
{
    const QString klasa = komponent.Klasa();
    try {
        if (twórcaKomponentów())
            return twórcaKomponentów()(klasa);
        return oc::createObject(klasa);
    } catch (const oc::ComponentError &błąd) {
        PokażBłąd(nad, nullptr, QStringLiteral("Nie można utworzyć komponentu \"%1\": %2").arg(klasa, błąd.message()));
    }
    return nullptr;
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

std::optional<QVariant> Wywołaj(const QWidget *nad, oc::Component *komponent, const QString &klasa,
                                const QString &operacja, QVariantList &args)
{
    QString powód;
    if (std::optional<QVariant> odpowiedź = SpróbujWywołać(komponent, operacja, powód, args))
        return odpowiedź;
    PokażBłąd(nad, komponent, TekstBłęduKomponentu(klasa, operacja, powód));
    return std::nullopt;
}

std::optional<QVariant> Wywołaj(const QWidget *nad, const KomponentStały &komponent, const QString &operacja,
                                QVariantList &args)
{
    return Wywołaj(nad, komponent.Instancja().get(), komponent.Klasa(), operacja, args);
}
