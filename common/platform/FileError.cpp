#include "FileError.h"

#include <cerrno>
#include <cstring>

namespace oc::platform {

namespace {

// The errors a file manager meets, in the program's language; the system's
// own text, which follows the user's locale, for the rest.
struct Opis
{
    int code;
    const char *text;
};

const Opis opisy[] = {
    {EACCES, "Brak uprawnień"},
    {EPERM, "Operacja niedozwolona"},
    {ENOENT, "Nie ma takiego pliku ani katalogu"},
    {EEXIST, "Plik już istnieje"},
    {ENOTDIR, "To nie jest katalog"},
    {EISDIR, "To jest katalog"},
    {ENOTEMPTY, "Katalog nie jest pusty"},
    {ENOSPC, "Brak miejsca na urządzeniu"},
    {EDQUOT, "Przekroczony przydział miejsca na dysku"},
    {EFBIG, "Plik jest za duży"},
    {EROFS, "System plików tylko do odczytu"},
    {EXDEV, "Ścieżki leżą w różnych systemach plików"},
    {ELOOP, "Za dużo poziomów dowiązań symbolicznych"},
    {ENAMETOOLONG, "Za długa nazwa pliku"},
    {EBUSY, "Urządzenie lub zasób jest zajęty"},
    {ETXTBSY, "Plik programu jest w użyciu"},
    {EIO, "Błąd wejścia/wyjścia"},
    {EINVAL, "Nieprawidłowy argument"},
    {EMLINK, "Za dużo dowiązań"},
    {EMFILE, "Za dużo otwartych plików"},
    {ENFILE, "Za dużo otwartych plików w systemie"},
    {ENOMEM, "Brak pamięci"},
    {EOPNOTSUPP, "Operacja nieobsługiwana przez system plików"},
    {ENODATA, "Brak atrybutu"},
    {E2BIG, "Wartość atrybutu jest za duża"},
    {ERANGE, "Wartość poza zakresem"},
    {EAGAIN, "Zasób chwilowo niedostępny"},
    {EINTR, "Przerwane wywołanie systemowe"},
    {ESTALE, "Nieaktualne odwołanie do pliku w sieci"},
    {ENODEV, "Brak urządzenia"},
    {ENXIO, "Brak urządzenia lub adresu"},
    {EBADF, "Nieprawidłowy deskryptor pliku"},
};

} // namespace

QString FileError::reason() const
{
    if (code == 0)
        return {};
    for (const Opis &opis : opisy)
        if (opis.code == code)
            return QString::fromUtf8(opis.text);
    return QString::fromLocal8Bit(std::strerror(code));
}

QString FileError::text() const
{
    return path + QStringLiteral(": ") + reason();
}

FileError lastError(const QString &path)
{
    return FileError{errno != 0 ? errno : EIO, path};
}

bool fail(FileError *error, FileError why)
{
    if (error)
        *error = std::move(why);
    return false;
}

} // namespace oc::platform
