#include "PlikiSystemu.h"

#include <QByteArrayList>
#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace occopy::pliki {

namespace {

using Wynik = KopiaWpisu::Wynik;

Wynik porażka(Wynik strona, int &błąd)
{
    błąd = errno != 0 ? errno : EIO;
    return strona;
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
    case ENOSPC: case EDQUOT: case EFBIG: case EROFS: case EPERM: case EACCES: return Wynik::BłądCelu;
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

Deskryptor &Deskryptor::operator=(Deskryptor &&inny) noexcept
{
    if (this != &inny) {
        if (m_fd >= 0)
            close(m_fd);
        m_fd = std::exchange(inny.m_fd, -1);
    }
    return *this;
}

Deskryptor::~Deskryptor()
{
    if (m_fd >= 0)
        close(m_fd);
}

bool stan(const QByteArray &ścieżka, Wpis &wpis, int &błąd)
{
    struct stat info;
    if (lstat(ścieżka.constData(), &info) != 0) {
        błąd = errno;
        return false;
    }
    wpis = wpisZ(ścieżka.mid(ścieżka.lastIndexOf('/') + 1), info);
    return true;
}

Deskryptor otwórzDoCzytania(const QByteArray &ścieżka, int &błąd)
{
    Deskryptor fd(open(ścieżka.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!fd.otwarty())
        błąd = errno;
    return fd;
}

Deskryptor otwórzPodkatalog(int katalog, const QByteArray &nazwa, int &błąd)
{
    Deskryptor fd(openat(katalog, nazwa.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!fd.otwarty())
        błąd = errno;
    return fd;
}

bool czytajKatalog(int katalog, std::vector<Wpis> &wpisy, int &błąd)
{
    const int kopia = dup(katalog);
    DIR *strumień = kopia >= 0 ? fdopendir(kopia) : nullptr;
    if (!strumień) {
        błąd = errno;
        if (kopia >= 0)
            close(kopia);
        return false;
    }
    bool dobrze = true;
    while (true) {
        errno = 0;
        const dirent *pozycja = readdir(strumień);
        if (!pozycja) {
            if (errno != 0) {
                błąd = errno;
                dobrze = false;
            }
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

Deskryptor otwórzKatalog(const QByteArray &ścieżka, qsizetype zaufane, int &błąd)
{
    zaufane = std::min(zaufane, ścieżka.size());
    const QByteArray baza = zaufane > 0 ? ścieżka.left(zaufane) : QByteArrayLiteral(".");
    Deskryptor fd(open(baza.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (!fd.otwarty()) {
        błąd = errno;
        return {};
    }
    for (const QByteArray &nazwa : ścieżka.mid(zaufane).split('/')) {
        if (nazwa.isEmpty())
            continue;
        // ".." would climb out of the trusted directory without any link.
        if (nazwa == "." || nazwa == "..") {
            błąd = EINVAL;
            return {};
        }
        Deskryptor niżej(openat(fd.fd(), nazwa.constData(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (!niżej.otwarty()) {
            błąd = errno;
            return {};
        }
        fd = std::move(niżej);
    }
    return fd;
}

bool utwórzKatalog(int katalog, const QByteArray &nazwa, quint32 tryb, int &błąd)
{
    if (mkdirat(katalog, nazwa.constData(), mode_t(tryb & 07777)) == 0)
        return true;
    błąd = errno;
    struct stat info;
    return błąd == EEXIST && fstatat(katalog, nazwa.constData(), &info, AT_SYMLINK_NOFOLLOW) == 0
           && S_ISDIR(info.st_mode);
}

bool leżyPonad(const QByteArray &katalog, const QByteArray &miejsce)
{
    struct stat szukany;
    if (stat(katalog.constData(), &szukany) != 0)
        return false;
    char *rzeczywista = realpath(miejsce.constData(), nullptr);
    if (!rzeczywista)
        return false;
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
    Deskryptor plik;     // a regular file, open for reading
    QByteArray cel;      // what a link points to
};

Wynik KopiaWpisu::kopiuj(int zKatalogu, const QByteArray &nazwa, int doKatalogu, const QByteArray &nazwaCelu,
                         bool nadpisuj, int &błąd)
{
    Źródło źródło;
    if (fstatat(zKatalogu, nazwa.constData(), &źródło.stan, AT_SYMLINK_NOFOLLOW) != 0)
        return porażka(Wynik::BłądŹródła, błąd);
    switch (źródło.stan.st_mode & S_IFMT) {
    case S_IFDIR:
        błąd = EISDIR;
        return Wynik::BłądŹródła;
    case S_IFREG: {
        // Not blocking: a pipe put in the file's place must not hang the copy.
        źródło.plik = Deskryptor(openat(zKatalogu, nazwa.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        if (!źródło.plik.otwarty() || fstat(źródło.plik.fd(), &źródło.stan) != 0)
            return porażka(Wynik::BłądŹródła, błąd);
        if (!S_ISREG(źródło.stan.st_mode)) {
            błąd = EAGAIN; // swapped for something else since it was looked at
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
    default:
        break;
    }
    return umieść(źródło, doKatalogu, nazwaCelu, nadpisuj, błąd);
}

Wynik KopiaWpisu::umieść(const Źródło &źródło, int doKatalogu, const QByteArray &nazwaCelu, bool nadpisuj,
                         int &błąd)
{
    Wynik wynik = utwórz(źródło, doKatalogu, nazwaCelu, błąd);
    if (wynik != Wynik::BłądCelu || błąd != EEXIST)
        return wynik;
    if (!nadpisuj)
        return Wynik::Pominięto;
    struct stat obecny;
    if (fstatat(doKatalogu, nazwaCelu.constData(), &obecny, AT_SYMLINK_NOFOLLOW) != 0)
        return porażka(Wynik::BłądCelu, błąd);
    // Copying a file onto itself (or onto a hard link of it) changes nothing.
    if (obecny.st_dev == źródło.stan.st_dev && obecny.st_ino == źródło.stan.st_ino)
        return Wynik::Pominięto;
    if (S_ISDIR(obecny.st_mode)) {
        błąd = EISDIR;
        return Wynik::BłądCelu;
    }
    if (Nadpisać && !Nadpisać(wpisZ({}, źródło.stan), wpisZ(nazwaCelu, obecny)))
        return Wynik::Pominięto;
    // Written whole beside the old one, then put in its place: a failure on
    // the way never leaves the old one cut short. A link there is replaced,
    // never written through.
    for (int próba = 0; próba < 16; ++próba) {
        const QByteArray robocza = ".occopy-" + QByteArray::number(QRandomGenerator::global()->generate64(), 36);
        wynik = utwórz(źródło, doKatalogu, robocza, błąd);
        if (wynik == Wynik::BłądCelu && błąd == EEXIST)
            continue;
        if (wynik != Wynik::Skopiowano)
            return wynik;
        if (renameat(doKatalogu, robocza.constData(), doKatalogu, nazwaCelu.constData()) == 0)
            return Wynik::Skopiowano;
        porażka(Wynik::BłądCelu, błąd);
        unlinkat(doKatalogu, robocza.constData(), 0);
        return Wynik::BłądCelu;
    }
    return Wynik::BłądCelu;
}

Wynik KopiaWpisu::utwórz(const Źródło &źródło, int katalog, const QByteArray &nazwa, int &błąd)
{
    const struct timespec czasy[2] = {{0, UTIME_OMIT}, źródło.stan.st_mtim};
    switch (źródło.stan.st_mode & S_IFMT) {
    case S_IFREG: {
        const mode_t tryb = źródło.stan.st_mode & 0777;
        const int cel = openat(katalog, nazwa.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, tryb);
        if (cel < 0)
            return porażka(Wynik::BłądCelu, błąd);
        Wynik wynik = przepisz(źródło, cel, błąd);
        if (wynik == Wynik::Skopiowano) {
            if (m_maska < 0)
                m_maska = qint32(maskaTworzenia());
            // Kept where the file system can keep them; one that cannot (a
            // FAT stick) still gets the data.
            if ((tryb & mode_t(m_maska)) != 0)
                fchmod(cel, tryb);
            futimens(cel, czasy);
        }
        // Some file systems report a failed write only here.
        if (close(cel) != 0 && wynik == Wynik::Skopiowano)
            wynik = porażka(Wynik::BłądCelu, błąd);
        if (wynik != Wynik::Skopiowano)
            unlinkat(katalog, nazwa.constData(), 0);
        return wynik;
    }
    case S_IFLNK:
        if (symlinkat(źródło.cel.constData(), katalog, nazwa.constData()) != 0)
            return porażka(Wynik::BłądCelu, błąd);
        break;
    default:
        if (mknodat(katalog, nazwa.constData(), źródło.stan.st_mode & (S_IFMT | 0777), źródło.stan.st_rdev) != 0)
            return porażka(Wynik::BłądCelu, błąd);
        break;
    }
    utimensat(katalog, nazwa.constData(), czasy, AT_SYMLINK_NOFOLLOW);
    return Wynik::Skopiowano;
}

Wynik KopiaWpisu::przepisz(const Źródło &źródło, int cel, int &błąd)
{
    const int z = źródło.plik.fd();
    const qint64 rozmiar = qint64(źródło.stan.st_size);
    const quint64 urządzenie = quint64(źródło.stan.st_dev);
    if (rozmiar > 0 && urządzenie != m_bezKlonu) {
        if (ioctl(cel, FICLONE, z) == 0)
            return Wynik::Skopiowano;
        if (errno == EOPNOTSUPP || errno == ENOTTY || errno == EXDEV || errno == EINVAL || errno == ENOSYS)
            m_bezKlonu = urządzenie;
    }
    qint64 gotowe = 0;
    qint64 zgłoszone = 0;
    // A length of 0 may hide contents (files the kernel makes up as they are
    // read); only reading tells.
    while (rozmiar > 0) {
        if (!Dalej())
            return Wynik::Przerwano;
        const ssize_t n = copy_file_range(z, nullptr, cel, nullptr, size_t(Krok), 0);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            if (gotowe == 0 && kopiaJądraNieobsługiwana(errno))
                break;
            return porażka(stronaKopiiJądra(errno), błąd);
        }
        // Some file systems answer 0 before the end; the loop reads on.
        if (n == 0)
            break;
        gotowe += n;
        // The length it had when opened: a file still growing is not chased.
        if (gotowe >= rozmiar)
            return Wynik::Skopiowano;
        if (gotowe - zgłoszone >= Krok) {
            NaKrok(gotowe);
            zgłoszone = gotowe;
        }
    }
    return pętla(z, cel, rozmiar, gotowe, błąd);
}

Wynik KopiaWpisu::pętla(int z, int cel, qint64 rozmiar, qint64 gotowe, int &błąd)
{
    if (m_bufor.empty())
        m_bufor.resize(std::size_t(1) << 20);
    qint64 zgłoszone = gotowe;
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
        gotowe += n;
        if (gotowe - zgłoszone >= Krok && gotowe < rozmiar) {
            NaKrok(gotowe);
            zgłoszone = gotowe;
        }
    }
}

} // namespace occopy::pliki
