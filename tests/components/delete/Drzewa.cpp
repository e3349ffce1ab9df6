#include "Drzewa.h"

#include <platform/Names.h>
#include <platform/Walk.h>

#include <QProcess>
#include <algorithm>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int chattr(const char *zmiana, const QByteArray &ścieżka)
{
    QProcess proces;
    proces.start(QStringLiteral("chattr"), {QString::fromLatin1(zmiana), QString::fromUtf8(ścieżka)});
    return proces.waitForFinished() && proces.exitStatus() == QProcess::NormalExit ? proces.exitCode() : -1;
}

bool utwórzPlik(int katalog, const QByteArray &nazwa, mode_t tryb)
{
    const int fd = openat(katalog, nazwa.constData(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, tryb);
    return fd >= 0 && write(fd, "abc", 3) == 3 && close(fd) == 0;
}

bool katalogZRodzicami(const QByteArray &ścieżka)
{
    for (qsizetype i = ścieżka.indexOf('/', 1); ; i = ścieżka.indexOf('/', i + 1)) {
        const QByteArray część = i < 0 ? ścieżka : ścieżka.left(i);
        struct stat st;
        if (lstat(część.constData(), &st) != 0 && mkdir(część.constData(), 0755) != 0)
            return false;
        if (i < 0)
            return true;
    }
}

// Relative steps only: the whole path is longer than the system accepts.
bool łańcuch(const QByteArray &początek, int poziomy)
{
    int fd = open(początek.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const QByteArray nazwa(40, 'g');
    for (int i = 0; i < poziomy && fd >= 0; ++i) {
        const int następny = mkdirat(fd, nazwa.constData(), 0755) == 0 && utwórzPlik(fd, "plik", 0644)
                                 ? openat(fd, nazwa.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)
                                 : -1;
        close(fd);
        fd = następny;
    }
    return fd >= 0 && close(fd) == 0;
}

} // namespace

bool zbuduj(const QByteArray &root, const QByteArrayList &opis)
{
    for (const QByteArray &linia : opis) {
        const QByteArrayList słowa = linia.split(' ');
        const QByteArray ścieżka = root + '/' + słowa.at(1);
        bool dobrze = katalogZRodzicami(ścieżka.left(ścieżka.lastIndexOf('/')));
        switch (słowa.at(0).at(0)) {
        case 'd': dobrze = dobrze && katalogZRodzicami(ścieżka); break;
        case 'f': dobrze = dobrze && utwórzPlik(AT_FDCWD, ścieżka, 0644); break;
        case 'r': dobrze = dobrze && utwórzPlik(AT_FDCWD, ścieżka, 0444); break;
        case 'g': dobrze = dobrze && katalogZRodzicami(ścieżka) && łańcuch(ścieżka, słowa.at(2).toInt()); break;
        case 'l': {
            const QByteArray cel = słowa.at(2).startsWith('@') ? root + '/' + słowa.at(2).mid(1) : słowa.at(2);
            dobrze = dobrze && symlink(cel.constData(), ścieżka.constData()) == 0;
            break;
        }
        }
        if (!dobrze)
            return false;
    }
    return true;
}

bool zamknij(const QByteArray &root, const QByteArrayList &zamki)
{
    for (const QByteArray &linia : zamki) {
        const QByteArrayList słowa = linia.split(' ');
        const QByteArray ścieżka = root + '/' + słowa.at(1);
        if (słowa.at(0) == "i") {
            if (chattr("+i", ścieżka) != 0)
                return false;
            continue;
        }
        const mode_t tryb = mode_t(słowa.at(2).toUInt(nullptr, 8));
        if (chmod(ścieżka.constData(), tryb) != 0)
            return false;
        const int czytany = (tryb & S_IRUSR) ? -1 : open(ścieżka.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        const QByteArray próba = ścieżka + "/.proba";
        const int pisany = (tryb & S_IWUSR) ? -1 : open(próba.constData(), O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
        if (czytany >= 0 || pisany >= 0) {
            if (czytany >= 0)
                close(czytany);
            if (pisany >= 0) {
                close(pisany);
                unlink(próba.constData());
            }
            return false;
        }
    }
    return true;
}

void otwórz(const QByteArray &root, const QByteArrayList &zamki)
{
    for (const QByteArray &linia : zamki) {
        const QByteArray ścieżka = root + '/' + linia.split(' ').at(1);
        if (linia.startsWith('i'))
            chattr("-i", ścieżka);
        else
            chmod(ścieżka.constData(), 0755);
    }
}

QByteArrayList pozostałe(const QByteArray &root)
{
    QByteArrayList ścieżki;
    QByteArrayList stos;
    oc::platform::walkTree(oc::platform::decodeName(root), [&](const oc::platform::WalkEntry &wpis) {
        stos.resize(wpis.depth - 1);
        const QByteArray ścieżka = (stos.isEmpty() ? QByteArray() : stos.last() + '/') + wpis.rawName.toByteArray();
        ścieżki << ścieżka;
        stos << ścieżka;
    });
    std::sort(ścieżki.begin(), ścieżki.end());
    return ścieżki;
}
