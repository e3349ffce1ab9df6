#include "EtykietaDysku.h"

#include <QLocale>

namespace oc {

namespace {

QString albo(const QString &tekst, const QString &brak)
{
    return tekst.isEmpty() ? brak : tekst;
}

// Every byte of a 64-bit count in groups of three, and from 1 KB on the
// rounded figure before it.
QString rozmiar(qint64 bajty)
{
    QString tekst = QString::number(bajty);
    for (qsizetype i = tekst.size() - 3; i > 0; i -= 3)
        tekst.insert(i, u' ');
    tekst += QStringLiteral(" B");
    if (bajty < 1024)
        return tekst;
    return QLocale(QLocale::Polish).formattedDataSize(bajty, 1, QLocale::DataSizeTraditionalFormat)
           + QStringLiteral(" (") + tekst + u')';
}

} // namespace

QList<Wiersz> WierszeEtykiety(const platform::Volume &wolumin)
{
    const QString brak = QStringLiteral("<brak>");
    return {
        {QStringLiteral("Dysk:"), wolumin.mountPoint},
        {QStringLiteral("Urządzenie:"), albo(wolumin.device, brak)},
        {QStringLiteral("System plików:"), albo(wolumin.fileSystem, brak)},
        {QStringLiteral("Etykieta dysku:"), albo(wolumin.label, brak)},
        {QStringLiteral("Numer seryjny:"), albo(wolumin.id, QStringLiteral("Dysk nie posiada numeru seryjnego"))},
        {QStringLiteral("Pojemność:"), rozmiar(wolumin.totalBytes)},
        {QStringLiteral("Wolne miejsce:"), rozmiar(wolumin.freeBytes)},
    };
}

QString UwagaEtykiety()
{
    return QStringLiteral("W tym systemie program nie zmienia etykiety dysku: nadaje ją narzędzie "
                          "systemu plików uruchomione przez administratora.");
}

platform::Volume WoluminEtykiety(const QString &drive)
{
    return platform::volumeInfo(drive.isEmpty() ? QStringLiteral("/") : drive);
}

} // namespace oc
