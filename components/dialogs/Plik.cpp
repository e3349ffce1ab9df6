#include "Plik.h"

#include <QFile>
#include <QFileInfo>

namespace oc {

std::optional<QByteArray> CzytajPoczątek(const QString &ścieżka, qint64 bajtów, QString &powód)
{
    const QFileInfo info(ścieżka);
    if (!info.exists()) {
        powód = QStringLiteral("Plik nie istnieje.");
        return {};
    }
    if (info.isDir()) {
        powód = QStringLiteral("To jest katalog, nie plik.");
        return {};
    }
    if (!info.isFile()) {
        powód = QStringLiteral("To nie jest zwykły plik, lecz potok, gniazdo albo urządzenie.");
        return {};
    }
    QFile plik(ścieżka);
    if (!plik.open(QIODevice::ReadOnly)) {
        powód = QStringLiteral("Nie mogę otworzyć pliku: %1.").arg(plik.errorString());
        return {};
    }
    QByteArray dane = plik.read(bajtów);
    if (plik.error() != QFileDevice::NoError) {
        powód = QStringLiteral("Nie mogę odczytać pliku: %1.").arg(plik.errorString());
        return {};
    }
    return dane;
}

} // namespace oc
