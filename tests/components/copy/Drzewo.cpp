#include "Drzewo.h"

#include <QCryptographicHash>
#include <QDir>

#include <algorithm>
#include <vector>
#include <dirent.h>
#include <fcntl.h>
#include <ftw.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace drzewo {

namespace {

bool zapiszPlik(const QByteArray &ścieżka, qint64 rozmiar)
{
    const int fd = open(ścieżka.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    if (fd < 0)
        return false;
    // Contents differ from path to path, so that an old and a new file never match.
    QByteArray kawałek(1 << 16, Qt::Uninitialized);
    const size_t ziarno = qHash(ścieżka);
    bool dobrze = true;
    for (qint64 gotowe = 0; dobrze && gotowe < rozmiar; gotowe += kawałek.size()) {
        for (qsizetype i = 0; i < kawałek.size(); ++i)
            kawałek[i] = char('a' + (ziarno + size_t(gotowe + i) * 7) % 26);
        const qint64 ile = std::min<qint64>(kawałek.size(), rozmiar - gotowe);
        dobrze = write(fd, kawałek.constData(), size_t(ile)) == ile;
    }
    return close(fd) == 0 && dobrze;
}

// A file of `rozmiar` bytes with three pieces of data and holes between.
bool zapiszDziurawy(const QByteArray &ścieżka, qint64 rozmiar)
{
    const int fd = open(ścieżka.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    if (fd < 0)
        return false;
    const QByteArray kawałek(4096, 'd');
    bool dobrze = ftruncate(fd, off_t(rozmiar)) == 0;
    for (const qint64 od : {qint64(0), rozmiar / 2, rozmiar - kawałek.size()})
        dobrze = dobrze && pwrite(fd, kawałek.constData(), size_t(kawałek.size()), off_t(od)) == kawałek.size();
    return close(fd) == 0 && dobrze;
}

void opiszAtrybuty(const QByteArray &ścieżka, const QByteArray &względna, QByteArrayList &wynik)
{
    // On the heap: the walk recurses once per level of a deep chain.
    QByteArray nazwy(65536, Qt::Uninitialized);
    const ssize_t długość = llistxattr(ścieżka.constData(), nazwy.data(), size_t(nazwy.size()));
    for (const QByteArray &nazwa : nazwy.left(std::max<ssize_t>(długość, 0)).split('\0')) {
        if (nazwa.isEmpty())
            continue;
        QByteArray treść(65536, Qt::Uninitialized);
        const ssize_t ile = lgetxattr(ścieżka.constData(), nazwa.constData(), treść.data(), size_t(treść.size()));
        treść.truncate(std::max<ssize_t>(ile, 0));
        wynik << "x|" + względna + '|' + nazwa + '|' + treść.toPercentEncoding();
    }
}

void opiszKatalog(const QByteArray &root, const QByteArray &rel, bool pełny, QByteArrayList &wynik)
{
    DIR *katalog = opendir((root + '/' + rel).constData());
    if (!katalog)
        return;
    while (const dirent *pozycja = readdir(katalog)) {
        const QByteArray nazwa(pozycja->d_name);
        if (nazwa == "." || nazwa == "..")
            continue;
        const QByteArray względna = rel.isEmpty() ? nazwa : rel + '/' + nazwa;
        const QByteArray ścieżka = root + '/' + względna;
        struct stat info;
        if (lstat(ścieżka.constData(), &info) != 0)
            continue;
        const QByteArray tryb = '|' + QByteArray::number(info.st_mode & 07777, 8);
        if (pełny && (S_ISDIR(info.st_mode) || S_ISREG(info.st_mode)))
            opiszAtrybuty(ścieżka, względna, wynik);
        if (S_ISDIR(info.st_mode)) {
            wynik << "d|" + względna + (pełny ? tryb : QByteArray());
            opiszKatalog(root, względna, pełny, wynik);
        } else if (S_ISLNK(info.st_mode)) {
            char cel[4096];
            const ssize_t długość = readlink(ścieżka.constData(), cel, sizeof cel);
            wynik << "l|" + względna + '|' + QByteArray(cel, std::max<ssize_t>(długość, 0));
        } else if (S_ISFIFO(info.st_mode)) {
            wynik << "p|" + względna;
        } else if (!pełny) {
            wynik << "f|" + względna;
        } else {
            QCryptographicHash skrót(QCryptographicHash::Md5);
            const int fd = open(ścieżka.constData(), O_RDONLY);
            std::vector<char> bufor(1 << 16);
            for (ssize_t n; fd >= 0 && (n = read(fd, bufor.data(), bufor.size())) > 0;)
                skrót.addData(QByteArrayView(bufor.data(), n));
            if (fd >= 0)
                close(fd);
            wynik << "f|" + względna + '|' + QByteArray::number(qint64(info.st_size)) + tryb + '|'
                         + QByteArray::number(qint64(info.st_mtim.tv_sec)) + '.'
                         + QByteArray::number(qint64(info.st_mtim.tv_nsec)) + '|' + skrót.result().toHex();
        }
    }
    closedir(katalog);
}

} // namespace

Tymczasowy::Tymczasowy(const QByteArray &gdzie)
{
    QByteArray wzór = (gdzie.isEmpty() ? QFile::encodeName(QDir::tempPath()) : gdzie) + "/tst_copy-XXXXXX";
    if (mkdtemp(wzór.data()))
        m_ścieżka = wzór;
}

Tymczasowy::~Tymczasowy()
{
    if (m_ścieżka.isEmpty())
        return;
    nftw(m_ścieżka.constData(), [](const char *ścieżka, const struct stat *, int, FTW *) { return remove(ścieżka); },
         16, FTW_DEPTH | FTW_PHYS);
}

bool zbuduj(const QByteArray &root, const QByteArrayList &opis)
{
    for (const QByteArray &linia : zRootem(opis, root)) {
        const QByteArrayList pola = linia.split('|');
        const QByteArray ścieżka = root + '/' + pola.at(1);
        const QByteArray tryb = pola.at(0) == "f" ? pola.value(3) : pola.at(0) == "d" ? pola.value(2) : QByteArray();
        bool dobrze = false;
        if (pola.at(0) == "d")
            dobrze = mkdir(ścieżka.constData(), 0755) == 0;
        else if (pola.at(0) == "f")
            dobrze = zapiszPlik(ścieżka, pola.at(2).toLongLong());
        else if (pola.at(0) == "l")
            dobrze = symlink(pola.at(2).constData(), ścieżka.constData()) == 0;
        else if (pola.at(0) == "t")
            dobrze = link((root + '/' + pola.at(2)).constData(), ścieżka.constData()) == 0;
        else if (pola.at(0) == "p")
            dobrze = mkfifo(ścieżka.constData(), 0644) == 0;
        else if (pola.at(0) == "h")
            dobrze = zapiszDziurawy(ścieżka, pola.at(2).toLongLong());
        else if (pola.at(0) == "x")
            dobrze = lsetxattr(ścieżka.constData(), pola.at(2).constData(),
                               QByteArray::fromPercentEncoding(pola.at(3)).constData(),
                               size_t(QByteArray::fromPercentEncoding(pola.at(3)).size()), 0)
                     == 0;
        if (dobrze && !tryb.isEmpty())
            dobrze = chmod(ścieżka.constData(), mode_t(tryb.toUInt(nullptr, 8))) == 0;
        if (dobrze && pola.at(0) == "f" && pola.size() > 4) {
            const QByteArrayList czas = pola.at(4).split('.');
            const struct timespec czasy[2] = {{0, UTIME_OMIT}, {time_t(czas.at(0).toLongLong()), long(czas.value(1).toLong())}};
            dobrze = utimensat(AT_FDCWD, ścieżka.constData(), czasy, 0) == 0;
        }
        if (!dobrze)
            return false;
    }
    return true;
}

QByteArrayList opisz(const QByteArray &root)
{
    QByteArrayList wynik;
    opiszKatalog(root, {}, true, wynik);
    std::sort(wynik.begin(), wynik.end());
    return wynik;
}

qint64 zajęte(const QByteArray &root)
{
    static qint64 suma;
    suma = 0;
    nftw(root.constData(), [](const char *, const struct stat *info, int, FTW *) {
        if (S_ISREG(info->st_mode))
            suma += qint64(info->st_blocks);
        return 0;
    }, 16, FTW_PHYS);
    return suma;
}

QByteArrayList nazwy(const QByteArray &root)
{
    QByteArrayList wynik;
    opiszKatalog(root, {}, false, wynik);
    std::sort(wynik.begin(), wynik.end());
    return wynik;
}

QByteArrayList zRootem(QByteArrayList opis, const QByteArray &root)
{
    for (QByteArray &linia : opis)
        linia.replace("|@", '|' + root + '/');
    return opis;
}

QByteArray innySystem()
{
    struct stat tmp, shm;
    if (stat(QFile::encodeName(QDir::tempPath()).constData(), &tmp) != 0 || stat("/dev/shm", &shm) != 0
        || tmp.st_dev == shm.st_dev || access("/dev/shm", W_OK) != 0)
        return {};
    return "/dev/shm";
}

} // namespace drzewo
