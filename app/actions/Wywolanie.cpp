#include "Wywolanie.h"

#include "PokazKomunikat.h"
#include "Sloty.h"

#include <component/ComponentError.h>

#include <QDebug>
#include <QMessageBox>

QString TekstBłęduKomponentu(const QString &klasa, const QString &operacja, const QString &powód)
{
    return QStringLiteral("Komponent \"%1\" nie mógł wykonać operacji \"%2\": %3").arg(klasa, operacja, powód);
}

std::optional<QVariant> Wywołaj(const QWidget *nad, oc::Component *komponent, const QString &klasa,
                                const QString &operacja, QVariantList &args)
{
    QString powód;
    if (!komponent) {
        powód = QStringLiteral("komponent nie został utworzony");
    } else {
        try {
            return komponent->invoke(operacja, args);
        } catch (const oc::ComponentError &błąd) {
            powód = błąd.message();
        } catch (const std::exception &błąd) {
            powód = QString::fromLocal8Bit(błąd.what());
        }
    }
    const QString tekst = TekstBłęduKomponentu(klasa, operacja, powód);
    // The message box cannot report its own failure.
    if (komponent && komponent == Sloty().Komunikaty.get())
        QMessageBox::warning(const_cast<QWidget *>(nad), QStringLiteral("Błąd komponentu"), tekst);
    else if (Sloty().Komunikaty)
        PokażKomunikat(nad, QStringLiteral("Błąd komponentu"), tekst, 1, 0, 0);
    else
        qWarning().noquote() << tekst;
    return std::nullopt;
}
