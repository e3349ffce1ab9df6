#include "Otwieranie.h"

#include <cerrno>

using namespace oc;

std::shared_ptr<const platform::ReadOnlyFile> OtwórzDoPodglądu(const QString &ścieżka, QString &komunikat)
{
    auto plik = std::make_shared<platform::ReadOnlyFile>();
    platform::FileError błąd;
    if (plik->open(ścieżka, &błąd)) {
        komunikat.clear();
        return plik;
    }
    QString wzór;
    if (plik->kind() == platform::ReadOnlyFile::Kind::Directory)
        wzór = QStringLiteral("„%1” jest katalogiem, a podgląd pokazuje pliki.");
    else if (plik->kind() == platform::ReadOnlyFile::Kind::Other)
        wzór = QStringLiteral(
            "„%1” nie jest zwykłym plikiem (to potok, urządzenie albo gniazdo), więc podgląd go nie pokaże.");
    else if (błąd.code == EACCES || błąd.code == EPERM)
        wzór = QStringLiteral("Brak uprawnień do odczytu pliku „%1”.");
    else if (błąd.code == ENOENT)
        wzór = QStringLiteral("Plik „%1” już nie istnieje.");
    else
        wzór = QStringLiteral("Nie można otworzyć pliku „%1”: ") + błąd.reason();
    komunikat = wzór.arg(ścieżka);
    return nullptr;
}
