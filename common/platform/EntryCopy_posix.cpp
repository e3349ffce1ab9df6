#include "EntryCopy.h"

#include "FileCopy.h"
#include "Internal_posix.h"
#include "Mount_posix.h"
#include "Names.h"
#include "Paths.h"

#include <QByteArrayList>
#include <QFile>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace oc::platform {

namespace {

using Wynik = KopiaWpisu::Wynik;

Wynik porażka(Wynik strona, FileError &błąd)
{
    błąd.code = errno != 0 ? errno : EIO;
    return strona;
}

// A failure about `nazwa`, a path or an entry's name.
bool nieudane(FileError *błąd, int kod, const QByteArray &nazwa = {})
{
    return fail(błąd, FileError{kod, decodeName(nazwa)});
}

Rodzaj rodzajWpisu(mode_t tryb)
{
    switch (tryb & S_IFMT) {
    case S_IFREG: return Rodzaj::Plik;
    case S_IFDIR: return Rodzaj::Katalog;
    case S_IFLNK: return Rodzaj::Dowiązanie;
    default: return Rodzaj::Inny;
    }
}

Wpis wpisZ(const QByteArray &nazwa, const struct stat &info)
{
    return Wpis{nazwa, rodzajWpisu(info.st_mode), S_ISDIR(info.st_mode) ? 0 : qint64(info.st_size),
                quint32(info.st_mode & 07777), qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
}

// The kernel's copy refuses these before moving a byte when it cannot serve
// the pair of files; the loop then does the work.
bool kopiaJądraNieobsługiwana(int kod)
{
    return kod == EXDEV || kod == EINVAL || kod == EOPNOTSUPP || kod == ENOSYS || kod == EBADF;
}

// Which side a failure of the kernel's copy belongs to.
Wynik stronaKopiiJądra(int kod)
{
    switch (kod) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
    case EROFS:
    case EPERM:
    case EACCES: return Wynik::BłądCelu;
    default: return Wynik::BłądŹródła;
    }
}

// The file-creation mask, read without setting it: umask() would change it
// for every thread meanwhile. All bits when it cannot be read, so that the
// mode is then always set afterwards.
mode_t maskaTworzenia()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly))
        for (const QByteArray &linia : status.readAll().split('\n'))
            if (linia.startsWith("Umask:")) {
                bool liczba = false;
                const uint maska = linia.mid(6).trimmed().toUInt(&liczba, 8);
                if (liczba)
                    return mode_t(maska);
            }
    return 07777;
}

} // namespace

bool stan(const QByteArray &ścieżka, Wpis &wpis, FileError *błąd)
{
    struct stat info;
    if (lstat(ścieżka.constData(), &info) != 0)
        return nieudane(błąd, errno, ścieżka);
    wpis = wpisZ(lastComponent(ścieżka), info);
    return true;
}

Deskryptor otwórzDoCzytania(const QByteArray &ścieżka, FileError *błąd)
{
    Deskryptor fd(open(ścieżka.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!fd.otwarty())
        nieudane(błąd, errno, ścieżka);
    return fd;
}

Deskryptor otwórzPodkatalog(int katalog, const QByteArray &nazwa, FileError *błąd)
{
    Deskryptor fd(openat(katalog, nazwa.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!fd.otwarty())
        nieudane(błąd, errno, nazwa);
    return fd;
}

bool czytajKatalog(int katalog, std::vector<Wpis> &wpisy, FileError *błąd)
{
    Deskryptor kopia(dup(katalog));
    DIR *strumień = kopia.otwarty() ? fdopendir(kopia.fd()) : nullptr;
    if (!strumień)
        return nieudane(błąd, errno);
    kopia.oddaj();
    bool dobrze = true;
    while (true) {
        errno = 0;
        const dirent *pozycja = readdir(strumień);
        if (!pozycja) {
            dobrze = errno == 0 || nieudane(błąd, errno);
            break;
        }
        const char *nazwa = pozycja->d_name;
        if (nazwa[0] == '.' && (nazwa[1] == 0 || (nazwa[1] == '.' && nazwa[2] == 0)))
            continue;
        struct stat info;
        if (fstatat(katalog, nazwa, &info, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno == ENOENT)
                continue; // gone since it was listed
            // Copied like any entry, so that the copy names the reason.
            wpisy.push_back(Wpis{QByteArray(nazwa), Rodzaj::Inny, 0, 0});
            continue;
        }
        wpisy.push_back(wpisZ(QByteArray(nazwa), info));
    }
    closedir(strumień);
    return dobrze;
}

Deskryptor otwórzKatalog(const QByteArray &ścieżka, qsizetype zaufane, FileError *błąd)
{
    zaufane = std::min(zaufane, ścieżka.size());
    const QByteArray baza = zaufane > 0 ? ścieżka.left(zaufane) : QByteArrayLiteral(".");
    Deskryptor fd(open(baza.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (!fd.otwarty()) {
        nieudane(błąd, errno, ścieżka);
        return {};
    }
    for (const QByteArray &nazwa : ścieżka.mid(zaufane).split('/')) {
        if (nazwa.isEmpty())
            continue;
        // ".." would climb out of the trusted directory without any link.
        if (nazwa == "." || nazwa == "..") {
            nieudane(błąd, EINVAL, ścieżka);
            return {};
        }
        Deskryptor niżej(openat(fd.fd(), nazwa.constData(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (!niżej.otwarty()) {
            nieudane(błąd, errno, ścieżka);
            return {};
        }
        fd = std::move(niżej);
    }
    return fd;
}

bool utwórzKatalog(int katalog, const QByteArray &nazwa, quint32 tryb, FileError *błąd, bool *nowy)
{
    const bool zrobiony = mkdirat(katalog, nazwa.constData(), mode_t(tryb & 07777)) == 0;
    if (nowy)
        *nowy = zrobiony;
    if (zrobiony)
        return true;
    const int kod = errno;
    struct stat info;
    return (kod == EEXIST && fstatat(katalog, nazwa.constData(), &info, AT_SYMLINK_NOFOLLOW) == 0
            && S_ISDIR(info.st_mode))
           || nieudane(błąd, kod, nazwa);
}

bool utwórzŚcieżkę(const QByteArray &ścieżka, FileError *błąd, QByteArrayList *zrobione)
{
    const auto nieudana = [&](int kod) { return fail(błąd, FileError{kod, withoutSeparator(decodeName(ścieżka))}); };
    // Never taken from the process's working directory.
    if (!ścieżka.startsWith('/'))
        return nieudana(EINVAL);
    Deskryptor fd(open("/", O_PATH | O_DIRECTORY | O_CLOEXEC));
    qsizetype koniec = 0; // of the part walked so far
    for (const QByteArray &nazwa : ścieżka.split('/')) {
        if (!fd.otwarty())
            return nieudana(errno);
        koniec += nazwa.size() + 1;
        if (nazwa.isEmpty())
            continue;
        Deskryptor niżej(openat(fd.fd(), nazwa.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
        if (!niżej.otwarty() && errno == ENOENT) {
            // A dangling link in the path fails here with EEXIST: nothing is made through it.
            const bool zrobiony = mkdirat(fd.fd(), nazwa.constData(), 0777) == 0;
            if (!zrobiony && errno != EEXIST)
                return nieudana(errno);
            if (zrobiony && zrobione)
                zrobione->append(ścieżka.left(koniec - 1));
            niżej = Deskryptor(openat(fd.fd(), nazwa.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
        }
        fd = std::move(niżej);
    }
    return fd.otwarty() || nieudana(errno);
}

bool leżyPonad(const QByteArray &katalog, const QByteArray &miejsce)
{
    struct stat szukany;
    if (stat(katalog.constData(), &szukany) != 0)
        return false;
    QByteArray istniejące = miejsce;
    char *rzeczywista = nullptr;
    while (!(rzeczywista = realpath(istniejące.constData(), nullptr))) {
        while (istniejące.size() > 1 && istniejące.endsWith('/'))
            istniejące.chop(1);
        const qsizetype ukośnik = istniejące.lastIndexOf('/');
        if (ukośnik < 0 || istniejące == "/")
            return false;
        istniejące = istniejące.left(std::max<qsizetype>(ukośnik, 1));
    }
    QByteArray ścieżka(rzeczywista);
    std::free(rzeczywista);
    while (true) {
        struct stat info;
        if (stat(ścieżka.constData(), &info) == 0 && info.st_dev == szukany.st_dev && info.st_ino == szukany.st_ino)
            return true;
        if (ścieżka == "/")
            return false;
        const qsizetype ukośnik = ścieżka.lastIndexOf('/');
        ścieżka = ukośnik <= 0 ? QByteArrayLiteral("/") : ścieżka.left(ukośnik);
    }
}

struct KopiaWpisu::Źródło
{
    struct stat stan;
    Deskryptor plik; // a regular file, open for reading
    QByteArray cel;  // what a link points to
};

// One file's data on its way: how far the progress was told, and what the
// kernel's copy did for it.
struct KopiaWpisu::Bieg
{
    qint64 rozmiar = 0;
    qint64 zgłoszone = 0;
    bool przerywalny = true; // a file written in place is finished whatever comes
    bool przezJądro = false; // the kernel's copy moved bytes of this file
    bool bezJądra = false;   // the kernel's copy cannot serve this pair
    bool krótszy = false;    // the source ended before its length
};

Wynik KopiaWpisu::kopiuj(int zKatalogu, const QByteArray &nazwa, int doKatalogu, const QByteArray &nazwaCelu,
                         bool nadpisuj, FileError *błąd, ZnaneWpisu znane)
{
    Utworzył = false;
    Nowy.reset();
    FileError powód;
    const Wynik wynik = kopiujWpis(zKatalogu, nazwa, doKatalogu, nazwaCelu, nadpisuj, powód, znane);
    if (wynik == Wynik::BłądŹródła || wynik == Wynik::BłądCelu)
        nieudane(błąd, powód.code, wynik == Wynik::BłądŹródła ? nazwa : nazwaCelu);
    return wynik;
}

Wynik KopiaWpisu::kopiujWpis(int zKatalogu, const QByteArray &nazwa, int doKatalogu, const QByteArray &nazwaCelu,
                             bool nadpisuj, FileError &błąd, ZnaneWpisu znane)
{
    Źródło źródło;
    if (znane.plik && otwórzPlik(zKatalogu, nazwa, źródło))
        return umieść(źródło, doKatalogu, nazwaCelu, nadpisuj, znane.pustyKatalog, błąd);
    if (fstatat(zKatalogu, nazwa.constData(), &źródło.stan, AT_SYMLINK_NOFOLLOW) != 0)
        return porażka(Wynik::BłądŹródła, błąd);
    switch (źródło.stan.st_mode & S_IFMT) {
    case S_IFDIR: błąd.code = EISDIR; return Wynik::BłądŹródła;
    case S_IFREG: {
        // Not blocking: a pipe put in the file's place must not hang the copy.
        źródło.plik = Deskryptor(openat(zKatalogu, nazwa.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        if (!źródło.plik.otwarty() || fstat(źródło.plik.fd(), &źródło.stan) != 0)
            return porażka(Wynik::BłądŹródła, błąd);
        if (!S_ISREG(źródło.stan.st_mode)) {
            błąd.code = EAGAIN; // swapped for something else since it was looked at
            return Wynik::BłądŹródła;
        }
        break;
    }
    case S_IFLNK: {
        QByteArray cel(qsizetype(źródło.stan.st_size) + 1, Qt::Uninitialized);
        while (true) {
            const ssize_t długość = readlinkat(zKatalogu, nazwa.constData(), cel.data(), size_t(cel.size()));
            if (długość < 0)
                return porażka(Wynik::BłądŹródła, błąd);
            if (długość < cel.size()) {
                cel.truncate(długość);
                break;
            }
            cel.resize(cel.size() * 2); // it grew since it was looked at
        }
        źródło.cel = cel;
        break;
    }
    default: break;
    }
    return umieść(źródło, doKatalogu, nazwaCelu, nadpisuj, znane.pustyKatalog, błąd);
}

bool KopiaWpisu::otwórzPlik(int zKatalogu, const QByteArray &nazwa, Źródło &źródło)
{
    // Not blocking, and never through a link: whatever took the file's place
    // since it was listed is left to the look that follows.
    źródło.plik = Deskryptor(openat(zKatalogu, nazwa.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (źródło.plik.otwarty() && fstat(źródło.plik.fd(), &źródło.stan) == 0 && S_ISREG(źródło.stan.st_mode))
        return true;
    źródło.plik = Deskryptor();
    return false;
}

Wynik KopiaWpisu::umieść(const Źródło &źródło, int doKatalogu, const QByteArray &nazwaCelu, bool nadpisuj,
                         bool pustyKatalog, FileError &błąd)
{
    struct stat obecny;
    // A new entry is named without replacing anything, so in a directory
    // the copy just made there is nothing to look for first.
    if (pustyKatalog || fstatat(doKatalogu, nazwaCelu.constData(), &obecny, AT_SYMLINK_NOFOLLOW) != 0) {
        if (!pustyKatalog && errno != ENOENT)
            return porażka(Wynik::BłądCelu, błąd);
        const Wynik wynik = utwórz(źródło, doKatalogu, nazwaCelu, nullptr, błąd);
        Utworzył = wynik == Wynik::Skopiowano;
        return wynik;
    }
    if (!nadpisuj)
        return Wynik::Pominięto;
    // Copying a file onto itself (or onto a hard link of it) changes nothing.
    if (obecny.st_dev == źródło.stan.st_dev && obecny.st_ino == źródło.stan.st_ino)
        return Wynik::Pominięto;
    if (S_ISDIR(obecny.st_mode)) {
        błąd.code = EISDIR;
        return Wynik::BłądCelu;
    }
    if (Nadpisać && !Nadpisać(wpisZ({}, źródło.stan), wpisZ(nazwaCelu, obecny)))
        return Wynik::Pominięto;
    if (S_ISREG(obecny.st_mode)) {
        // Read-only means kept, for the superuser too, as deleting has it.
        if ((obecny.st_mode & 0222) == 0) {
            błąd.code = EACCES;
            return Wynik::BłądCelu;
        }
        if (faccessat(doKatalogu, nazwaCelu.constData(), W_OK, AT_EACCESS) != 0)
            return porażka(Wynik::BłądCelu, błąd);
        if (obecny.st_nlink > 1 && S_ISREG(źródło.stan.st_mode))
            return wMiejscu(źródło, doKatalogu, nazwaCelu, obecny, błąd);
    }
    // A link there is replaced, never written through.
    const Wynik wynik = utwórz(źródło, doKatalogu, nazwaCelu, &obecny, błąd);
    Utworzył = wynik == Wynik::Skopiowano;
    return wynik;
}

Wynik KopiaWpisu::utwórz(const Źródło &źródło, int katalog, const QByteArray &nazwa, const struct stat *zastępowany,
                         FileError &błąd)
{
    if (S_ISREG(źródło.stan.st_mode))
        return utwórzPlik(źródło, katalog, nazwa, zastępowany, błąd);
    // A link or a node is made beside the entry it replaces, then put in its place.
    for (int próba = 0; próba < 16; ++próba) {
        const QByteArray miejsce = zastępowany ? nazwaRobocza(katalog) : nazwa;
        const bool zrobiony
            = S_ISLNK(źródło.stan.st_mode)
                  ? symlinkat(źródło.cel.constData(), katalog, miejsce.constData()) == 0
                  : mknodat(katalog, miejsce.constData(), źródło.stan.st_mode & (S_IFMT | 0777), źródło.stan.st_rdev)
                        == 0;
        if (!zrobiony) {
            if (zastępowany && errno == EEXIST)
                continue;
            return porażka(Wynik::BłądCelu, błąd);
        }
        const struct timespec czasy[2] = {{0, UTIME_OMIT}, źródło.stan.st_mtim};
        utimensat(katalog, miejsce.constData(), czasy, AT_SYMLINK_NOFOLLOW);
        struct stat info;
        if (fstatat(katalog, miejsce.constData(), &info, AT_SYMLINK_NOFOLLOW) == 0)
            Nowy = posix::identityOf(info);
        if (!zastępowany)
            return Wynik::Skopiowano;
        if (fchownat(katalog, miejsce.constData(), zastępowany->st_uid, zastępowany->st_gid, AT_SYMLINK_NOFOLLOW) != 0)
            fchownat(katalog, miejsce.constData(), uid_t(-1), zastępowany->st_gid, AT_SYMLINK_NOFOLLOW);
        if (zastąp(katalog, miejsce, nazwa))
            return Wynik::Skopiowano;
        porażka(Wynik::BłądCelu, błąd);
        unlinkat(katalog, miejsce.constData(), 0);
        return Wynik::BłądCelu;
    }
    błąd.code = EEXIST;
    return Wynik::BłądCelu;
}

Wynik KopiaWpisu::utwórzPlik(const Źródło &źródło, int katalog, const QByteArray &nazwa, const struct stat *zastępowany,
                             FileError &błąd)
{
    const mode_t tryb = źródło.stan.st_mode & 0777;
    // Empty where the file is unnamed until it is whole.
    QByteArray robocza;
    Deskryptor cel(oc::platform::openUnnamedFile(katalog, tryb, &błąd));
    if (!cel.otwarty()) {
        if (!oc::platform::unnamedFilesUnsupported(błąd.code))
            return Wynik::BłądCelu;
        for (int próba = 0; próba < 16 && !cel.otwarty(); ++próba) {
            robocza = nazwaRobocza(katalog);
            cel = Deskryptor(openat(katalog, robocza.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, tryb));
            if (!cel.otwarty() && errno != EEXIST)
                return porażka(Wynik::BłądCelu, błąd);
        }
        if (!cel.otwarty()) {
            błąd.code = EEXIST;
            return Wynik::BłądCelu;
        }
    }
    Wynik wynik = przepisz(źródło, cel.fd(), false, błąd);
    if (wynik == Wynik::Skopiowano)
        wynik = wykończ(źródło, cel.fd(), true, zastępowany, błąd);
    struct stat zrobiony;
    const bool znany = wynik == Wynik::Skopiowano && fstat(cel.fd(), &zrobiony) == 0;
    if (znany)
        Nowy = posix::identityOf(zrobiony);
    if (wynik == Wynik::Skopiowano && (!znany || zamknięcieZgłaszaBłędy(cel.fd(), quint64(zrobiony.st_dev)))
        && !zamknijKopię(cel.fd()))
        wynik = porażka(Wynik::BłądCelu, błąd);
    if (wynik == Wynik::Skopiowano)
        wynik = nazwij(cel.fd(), katalog, robocza, nazwa, zastępowany != nullptr, błąd);
    else if (!robocza.isEmpty())
        unlinkat(katalog, robocza.constData(), 0);
    return wynik;
}

// The whole file gets its name: a new one only where nothing is, a
// replacing one in a single step over the old.
Wynik KopiaWpisu::nazwij(int plik, int katalog, QByteArray robocza, const QByteArray &nazwa, bool zastąp,
                         FileError &błąd)
{
    if (robocza.isEmpty()) {
        if (!zastąp)
            return oc::platform::nameUnnamedFile(plik, katalog, nazwa, &błąd) ? Wynik::Skopiowano : Wynik::BłądCelu;
        robocza = nazwaRobocza(katalog);
        while (!oc::platform::nameUnnamedFile(plik, katalog, robocza, &błąd)) {
            if (błąd.code != EEXIST)
                return Wynik::BłądCelu;
            robocza = nazwaRobocza(katalog);
        }
    }
    const bool dobrze = zastąp ? this->zastąp(katalog, robocza, nazwa)
                               : posix::renameNoReplace(katalog, robocza.constData(), katalog, nazwa.constData()) == 0;
    if (dobrze)
        return Wynik::Skopiowano;
    porażka(Wynik::BłądCelu, błąd);
    unlinkat(katalog, robocza.constData(), 0);
    return Wynik::BłądCelu;
}

bool KopiaWpisu::zamknięcieZgłaszaBłędy(int plik, quint64 urządzenie)
{
    if (urządzenie != m_urządzenieCelu) {
        m_urządzenieCelu = urządzenie;
        m_zamknięcieZgłasza = !posix::writesFailAtOnce(plik);
    }
    return m_zamknięcieZgłasza;
}

bool KopiaWpisu::zamknijKopię(int plik)
{
    const int kopia = dup(plik);
    return kopia >= 0 && close(kopia) == 0;
}

bool KopiaWpisu::zastąp(int katalog, const QByteArray &robocza, const QByteArray &nazwa)
{
    if (Odłóż && renameat2(katalog, robocza.constData(), katalog, nazwa.constData(), RENAME_EXCHANGE) == 0) {
        if (!Odłóż(robocza))
            unlinkat(katalog, robocza.constData(), 0);
        return true;
    }
    return renameat(katalog, robocza.constData(), katalog, nazwa.constData()) == 0;
}

Wynik KopiaWpisu::wMiejscu(const Źródło &źródło, int katalog, const QByteArray &nazwa, const struct stat &obecny,
                           FileError &błąd)
{
    const Deskryptor cel(openat(katalog, nazwa.constData(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat info;
    if (!cel.otwarty() || fstat(cel.fd(), &info) != 0)
        return porażka(Wynik::BłądCelu, błąd);
    if (info.st_dev != obecny.st_dev || info.st_ino != obecny.st_ino) {
        błąd.code = EAGAIN; // swapped for something else since it was looked at
        return Wynik::BłądCelu;
    }
    Wynik wynik = przepisz(źródło, cel.fd(), true, błąd);
    if (wynik == Wynik::Skopiowano && ftruncate(cel.fd(), źródło.stan.st_size) != 0)
        wynik = porażka(Wynik::BłądCelu, błąd);
    if (wynik == Wynik::Skopiowano)
        wynik = wykończ(źródło, cel.fd(), false, nullptr, błąd);
    if (wynik == Wynik::Skopiowano && !zamknijKopię(cel.fd()))
        wynik = porażka(Wynik::BłądCelu, błąd);
    return wynik;
}

Wynik KopiaWpisu::wykończ(const Źródło &źródło, int cel, bool nowy, const struct stat *zastępowany, FileError &błąd)
{
    const mode_t tryb = źródło.stan.st_mode & 0777;
    if (zastępowany) {
        struct stat nowy;
        // Whatever of it this user may set: the owner takes a privilege, a group only membership.
        if (fstat(cel, &nowy) == 0 && (nowy.st_uid != zastępowany->st_uid || nowy.st_gid != zastępowany->st_gid)
            && fchown(cel, zastępowany->st_uid, zastępowany->st_gid) != 0)
            fchown(cel, uid_t(-1), zastępowany->st_gid);
    }
    if (m_maska < 0)
        m_maska = qint32(maskaTworzenia());
    // A new file has the bits the mask left. They are kept where the file
    // system can keep them; one that cannot (a FAT stick) still gets the data.
    if (!nowy || zastępowany || (tryb & mode_t(m_maska)) != 0)
        fchmod(cel, tryb);
    std::vector<oc::platform::ExtendedAttribute> atrybuty;
    if (!oc::platform::readExtendedAttributes(źródło.plik.fd(), atrybuty, &błąd))
        return Wynik::BłądŹródła;
    if (!oc::platform::writeExtendedAttributes(cel, atrybuty, &błąd))
        return Wynik::BłądCelu;
    const struct timespec czasy[2] = {{0, UTIME_OMIT}, źródło.stan.st_mtim};
    futimens(cel, czasy);
    return Wynik::Skopiowano;
}

Wynik KopiaWpisu::przepisz(const Źródło &źródło, int cel, bool wMiejscu, FileError &błąd)
{
    const int z = źródło.plik.fd();
    Bieg bieg;
    bieg.rozmiar = qint64(źródło.stan.st_size);
    bieg.przerywalny = !wMiejscu;
    const quint64 urządzenie = quint64(źródło.stan.st_dev);
    if (bieg.rozmiar > 0 && urządzenie != m_bezKlonu) {
        if (ioctl(cel, FICLONE, z) == 0)
            return Wynik::Skopiowano;
        if (errno == EOPNOTSUPP || errno == ENOTTY || errno == EXDEV || errno == EINVAL || errno == ENOSYS)
            m_bezKlonu = urządzenie;
    }
    // A length of 0 may hide contents (files the kernel makes up as they are
    // read); only reading tells.
    if (bieg.rozmiar == 0)
        return doKońca(z, cel, błąd);
    // Fewer blocks than bytes: there are holes, and they stay holes, as cp
    // keeps them. A file written in place gets every byte (its old data may
    // lie where the holes are).
    if (wMiejscu || qint64(źródło.stan.st_blocks) * 512 >= bieg.rozmiar)
        return zakres(z, cel, 0, bieg.rozmiar, bieg, błąd);
    Wynik wynik = Wynik::Skopiowano;
    const bool dobrze = oc::platform::forEachDataExtent(
        z, bieg.rozmiar,
        [&](qint64 od, qint64 długość) {
            wynik = zakres(z, cel, od, długość, bieg, błąd);
            return wynik == Wynik::Skopiowano && !bieg.krótszy;
        },
        &błąd);
    if (!dobrze)
        return Wynik::BłądŹródła;
    // The hole at the end has nothing to write: the length makes it.
    if (wynik == Wynik::Skopiowano && !bieg.krótszy && ftruncate(cel, bieg.rozmiar) != 0)
        return porażka(Wynik::BłądCelu, błąd);
    return wynik;
}

// The bytes [od, od + długość) of the source to the same place in the target.
Wynik KopiaWpisu::zakres(int z, int cel, qint64 od, qint64 długość, Bieg &bieg, FileError &błąd)
{
    const qint64 koniec = od + długość;
    for (qint64 pozycja = od; pozycja < koniec;) {
        if (!Dalej() && bieg.przerywalny)
            return Wynik::Przerwano;
        const qint64 kawałek = std::min(Krok, koniec - pozycja);
        ssize_t n = 0;
        if (!bieg.bezJądra) {
            loff_t zMiejsca = pozycja, doMiejsca = pozycja;
            n = copy_file_range(z, &zMiejsca, cel, &doMiejsca, size_t(kawałek), 0);
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                if (bieg.przezJądro || !kopiaJądraNieobsługiwana(errno))
                    return porażka(stronaKopiiJądra(errno), błąd);
                bieg.bezJądra = true;
                continue;
            }
            // Some file systems answer 0 before the end; reading tells.
            if (n == 0) {
                bieg.bezJądra = true;
                continue;
            }
            bieg.przezJądro = true;
        } else {
            if (m_bufor.empty())
                m_bufor.resize(std::size_t(1) << 20);
            n = pread(z, m_bufor.data(), std::min<std::size_t>(m_bufor.size(), std::size_t(kawałek)), off_t(pozycja));
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                return porażka(Wynik::BłądŹródła, błąd);
            }
            // Shorter now than when it was opened: what there is was copied.
            if (n == 0) {
                bieg.krótszy = true;
                return Wynik::Skopiowano;
            }
            for (ssize_t zapisane = 0; zapisane < n;) {
                const ssize_t w
                    = pwrite(cel, m_bufor.data() + zapisane, size_t(n - zapisane), off_t(pozycja + zapisane));
                if (w < 0) {
                    if (errno == EINTR)
                        continue;
                    return porażka(Wynik::BłądCelu, błąd);
                }
                zapisane += w;
            }
        }
        pozycja += n;
        if (pozycja - bieg.zgłoszone >= Krok && pozycja < bieg.rozmiar) {
            NaKrok(pozycja);
            bieg.zgłoszone = pozycja;
        }
    }
    return Wynik::Skopiowano;
}

// A file of no length read to its end.
Wynik KopiaWpisu::doKońca(int z, int cel, FileError &błąd)
{
    if (m_bufor.empty())
        m_bufor.resize(std::size_t(1) << 20);
    while (true) {
        if (!Dalej())
            return Wynik::Przerwano;
        const ssize_t n = read(z, m_bufor.data(), m_bufor.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return porażka(Wynik::BłądŹródła, błąd);
        }
        if (n == 0)
            return Wynik::Skopiowano;
        for (ssize_t zapisane = 0; zapisane < n;) {
            const ssize_t w = write(cel, m_bufor.data() + zapisane, size_t(n - zapisane));
            if (w < 0) {
                if (errno == EINTR)
                    continue;
                return porażka(Wynik::BłądCelu, błąd);
            }
            zapisane += w;
        }
    }
}

QByteArray KopiaWpisu::nazwaRobocza(int katalog)
{
    static const QByteArray przedrostek = QByteArrayLiteral(".occopy-");
    struct stat info;
    if (fstat(katalog, &info) == 0 && m_posprzątane.emplace(quint64(info.st_dev), quint64(info.st_ino)).second)
        oc::platform::removeStaleTemporaries(katalog, przedrostek);
    return oc::platform::temporaryName(przedrostek);
}

} // namespace oc::platform
