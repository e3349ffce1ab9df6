#include "Usuwanie.h"

#include "Kursor.h"

#include <platform/Names.h>
#include <platform/Workers.h>

#include <algorithm>

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace ocdelete {

namespace platform = oc::platform;

namespace {

constexpr mode_t BityZapisu = S_IWUSR | S_IWGRP | S_IWOTH;

// The parent and the last component of an encoded path, a final "/" ignored.
std::pair<QByteArray, QByteArray> rozdziel(QByteArray ścieżka)
{
    while (ścieżka.size() > 1 && ścieżka.endsWith('/'))
        ścieżka.chop(1);
    const qsizetype ukośnik = ścieżka.lastIndexOf('/');
    if (ukośnik < 0)
        return {QByteArrayLiteral("."), ścieżka};
    return {ukośnik == 0 ? QByteArrayLiteral("/") : ścieżka.left(ukośnik), ścieżka.mid(ukośnik + 1)};
}

// "x/.." names the parent of x and "/" names everything: neither is what
// a user chose to delete.
bool daSięUsunąć(const QByteArray &nazwa)
{
    return !nazwa.isEmpty() && nazwa != "." && nazwa != "..";
}

// The directory of the last path asked for stays open, so that a list of
// files from one panel opens their directory once. Only the last component
// of a chosen path is never followed.
class Nadrzędny
{
public:
    ~Nadrzędny()
    {
        if (m_fd >= 0)
            close(m_fd);
    }

    int otwórz(const QByteArray &ścieżka)
    {
        if (m_fd >= 0 && ścieżka == m_ścieżka)
            return m_fd;
        if (m_fd >= 0)
            close(m_fd);
        m_ścieżka = ścieżka;
        m_fd = open(ścieżka.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        return m_fd;
    }

private:
    QByteArray m_ścieżka;
    int m_fd = -1;
};

// 0 when the entry is gone, else the error number (EISDIR for a directory).
int usuńWpis(int katalog, const char *nazwa)
{
    struct stat st;
    if (fstatat(katalog, nazwa, &st, AT_SYMLINK_NOFOLLOW) != 0)
        return errno;
    if (S_ISDIR(st.st_mode))
        return EISDIR;
    // Refused whoever runs this: the permission bits are the attribute.
    if (!S_ISLNK(st.st_mode) && (st.st_mode & BityZapisu) == 0)
        return EACCES;
    return unlinkat(katalog, nazwa, 0) == 0 ? 0 : errno;
}

// 0 when the file at the chosen path is gone, else the error number.
int usuńŚcieżkę(Nadrzędny &nadrzędny, const QString &ścieżka)
{
    const auto [rodzic, nazwa] = rozdziel(platform::encodeName(ścieżka));
    if (!daSięUsunąć(nazwa))
        return EINVAL;
    const int fd = nadrzędny.otwórz(rodzic);
    return fd < 0 ? errno : usuńWpis(fd, nazwa.constData());
}

struct Wpis
{
    QByteArray nazwa;
    bool katalog = false;
};

// The entries of the directory open as fd, in the order the file system
// gives them; false with the error number when it cannot be read.
bool czytaj(int fd, std::vector<Wpis> &wpisy, int *błąd)
{
    const int własny = openat(fd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR *katalog = własny >= 0 ? fdopendir(własny) : nullptr;
    if (!katalog) {
        *błąd = errno;
        if (własny >= 0)
            close(własny);
        return false;
    }
    for (;;) {
        // Only readdir's own failure may be left in errno when it ends.
        errno = 0;
        const dirent *pozycja = readdir(katalog);
        if (!pozycja)
            break;
        const char *nazwa = pozycja->d_name;
        if (nazwa[0] == '.' && (nazwa[1] == 0 || (nazwa[1] == '.' && nazwa[2] == 0)))
            continue;
        bool jestKatalogiem = pozycja->d_type == DT_DIR;
        if (pozycja->d_type == DT_UNKNOWN) {
            struct stat st;
            if (fstatat(dirfd(katalog), nazwa, &st, AT_SYMLINK_NOFOLLOW) != 0)
                continue; // gone since it was listed
            jestKatalogiem = S_ISDIR(st.st_mode);
        }
        wpisy.push_back({QByteArray(nazwa), jestKatalogiem});
    }
    *błąd = errno;
    closedir(katalog);
    return *błąd == 0;
}

} // namespace

Usuwanie::Usuwanie() = default;
Usuwanie::~Usuwanie() = default;

void Usuwanie::usuń(const QStringList &pliki, const QStringList &katalogi)
{
    pDelFiles(pliki);
    for (const QString &katalog : katalogi) {
        if (zatrzymane())
            return;
        pDeleteDir(katalog);
    }
}

bool Usuwanie::usuńPlik(const QString &ścieżka)
{
    Nadrzędny nadrzędny;
    const int kod = usuńŚcieżkę(nadrzędny, ścieżka);
    if (kod != 0)
        zapisz(kod, ścieżka);
    return kod == 0;
}

void Usuwanie::pDelFiles(const QStringList &pliki)
{
    Nadrzędny nadrzędny;
    for (const QString &plik : pliki) {
        if (zatrzymane())
            return;
        if (const int kod = usuńŚcieżkę(nadrzędny, plik))
            zapisz(kod, plik);
        wpisGotowy();
    }
}

void Usuwanie::pDeleteDir(const QString &katalog)
{
    lstDiry.clear();
    lstWynik.clear();
    const QByteArray bajty = platform::encodeName(katalog);
    const auto [rodzic, nazwa] = rozdziel(bajty);
    m_korzeń = katalog;
    while (m_korzeń.size() > 1 && m_korzeń.endsWith(u'/'))
        m_korzeń.chop(1);
    if (!daSięUsunąć(nazwa)) {
        zapisz(EINVAL, katalog);
        return;
    }
    Nadrzędny nadrzędny;
    const int fd = nadrzędny.otwórz(rodzic);
    struct stat st;
    if (fd < 0 || fstatat(fd, nazwa.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
        zapisz(errno, m_korzeń);
        return;
    }
    if (!S_ISDIR(st.st_mode)) {
        if (!S_ISLNK(st.st_mode))
            zapisz(ENOTDIR, m_korzeń);
        else if (unlinkat(fd, nazwa.constData(), 0) != 0)
            zapisz(errno, m_korzeń);
        wpisGotowy();
        return;
    }

    const std::size_t błędyPrzed = Błędy.size();
    lstDiry.push_back({-1, nazwa, 0});
    {
        Kursor kursor(lstDiry);
        int błąd = 0;
        if (kursor.otwórzKorzeń(fd, nazwa, &błąd))
            SkanujKatalog(kursor);
        else
            zapisz(błąd, m_korzeń);
    }
    if (lstDiry[0].iwęzeł != 0)
        usuńDrzewo(fd, nazwa);
    if (!zatrzymane()) {
        // An empty directory goes even when it could not be read.
        if (!lstDiry[0].zostaje && unlinkat(fd, nazwa.constData(), AT_REMOVEDIR) != 0)
            zapisz(errno, m_korzeń);
        wpisGotowy();
        lstDiry.clear();
        lstWynik.clear();
    }
    std::stable_sort(Błędy.begin() + qsizetype(błędyPrzed), Błędy.end(),
                     [](const platform::FileError &a, const platform::FileError &b) { return a.path < b.path; });
}

// Depth first, each subdirectory as soon as it is met, as a loop: a tree
// of any depth costs no stack.
void Usuwanie::SkanujKatalog(Kursor &kursor)
{
    struct Poziom
    {
        qsizetype węzeł;
        std::vector<Wpis> wpisy;
        std::size_t następny = 0;
    };
    std::vector<Poziom> stos;
    const auto wejdź = [&](qsizetype węzeł) {
        int błąd = 0;
        if (!kursor.idźDo(węzeł, &błąd)) {
            // Listed as a directory, now a link or a file: an entry like any other.
            if ((błąd == ELOOP || błąd == ENOTDIR) && węzeł > 0) {
                lstWynik.push_back({lstDiry[węzeł].rodzic, lstDiry[węzeł].nazwa});
                lstDiry.pop_back();
            } else {
                zapisz(błąd, ścieżkaKatalogu(węzeł));
                // A mount point stays with all below it, and so must every
                // directory above it: told once, not once per level.
                for (qsizetype n = błąd == EXDEV ? węzeł : -1; n >= 0 && !lstDiry[n].zostaje; n = lstDiry[n].rodzic)
                    lstDiry[n].zostaje = true;
            }
            return;
        }
        Poziom poziom{węzeł, {}};
        if (!czytaj(kursor.fd(), poziom.wpisy, &błąd))
            zapisz(błąd, ścieżkaKatalogu(węzeł));
        stos.push_back(std::move(poziom));
    };
    wejdź(0);
    while (!stos.empty() && !zatrzymane()) {
        Poziom &poziom = stos.back();
        if (poziom.następny == poziom.wpisy.size()) {
            stos.pop_back();
            continue;
        }
        Wpis &wpis = poziom.wpisy[poziom.następny++];
        if (!wpis.katalog) {
            lstWynik.push_back({poziom.węzeł, std::move(wpis.nazwa)});
            continue;
        }
        lstDiry.push_back({poziom.węzeł, std::move(wpis.nazwa), lstDiry[poziom.węzeł].głębokość + 1});
        wejdź(qsizetype(lstDiry.size()) - 1);
    }
}

void Usuwanie::usuńDrzewo(int rodzic, const QByteArray &nazwa)
{
    // Portions of about this many files, a directory's files split among
    // them and small directories gathered into one: a small tree stays on
    // one thread.
    constexpr qsizetype PlikówNaPorcję = 64;
    struct Kawałek
    {
        qsizetype węzeł;
        std::size_t od, do_;
    };
    std::vector<std::size_t> porządek(lstWynik.size());
    std::vector<std::size_t> początki(lstDiry.size() + 1, 0);
    for (const PlikDrzewa &plik : lstWynik)
        ++początki[std::size_t(plik.katalog) + 1];
    for (std::size_t n = 1; n < początki.size(); ++n)
        początki[n] += początki[n - 1];
    {
        std::vector<std::size_t> miejsce(początki.begin(), początki.end() - 1);
        for (std::size_t i = 0; i < lstWynik.size(); ++i)
            porządek[miejsce[std::size_t(lstWynik[i].katalog)]++] = i;
    }
    m_zostało.assign(lstDiry.size(), 1);
    for (std::size_t n = 1; n < lstDiry.size(); ++n)
        ++m_zostało[std::size_t(lstDiry[n].rodzic)];
    std::vector<std::vector<Kawałek>> porcje(1);
    qsizetype wPorcji = 0;
    for (std::size_t n = 0; n < lstDiry.size(); ++n) {
        const std::size_t koniec = początki[n + 1];
        std::size_t od = początki[n];
        do {
            if (wPorcji >= PlikówNaPorcję) {
                porcje.emplace_back();
                wPorcji = 0;
            }
            const std::size_t do_ = std::min(koniec, od + std::size_t(PlikówNaPorcję - wPorcji));
            porcje.back().push_back({qsizetype(n), od, do_});
            if (od != początki[n])
                ++m_zostało[n];
            wPorcji += qsizetype(do_ - od);
            od = do_;
        } while (od < koniec);
    }
    std::atomic<std::size_t> następna{0};
    const int liczba = std::min(Pracownicy > 0 ? Pracownicy : platform::defaultWorkers(), int(porcje.size()));
    platform::runWorkers(liczba, [&](int) {
        Kursor kursor(lstDiry);
        int błąd = 0;
        if (!kursor.otwórzKorzeń(rodzic, nazwa, &błąd)) {
            zapisz(błąd, m_korzeń);
            return;
        }
        for (std::size_t p = następna++; p < porcje.size(); p = następna++)
            for (const Kawałek &kawałek : porcje[p]) {
                for (std::size_t i = kawałek.od; i < kawałek.do_; ++i) {
                    if (zatrzymane())
                        return;
                    const PlikDrzewa &plik = lstWynik[porządek[i]];
                    if (!kursor.idźDo(plik.katalog, &błąd))
                        zapisz(błąd, ścieżkaKatalogu(plik.katalog) + u'/' + platform::decodeName(plik.nazwa));
                    else if (const int kod = usuńWpis(kursor.fd(), plik.nazwa.constData()))
                        zapisz(kod, ścieżkaKatalogu(plik.katalog) + u'/' + platform::decodeName(plik.nazwa));
                    wpisGotowy();
                }
                odlicz(kursor, kawałek.węzeł);
            }
    });
}

void Usuwanie::odlicz(Kursor &kursor, qsizetype węzeł)
{
    int błąd = 0;
    while (węzeł > 0 && !zatrzymane()) {
        {
            std::lock_guard blokada(m_mutex);
            if (--m_zostało[std::size_t(węzeł)] > 0)
                return;
        }
        const KatalogDrzewa &katalog = lstDiry[węzeł];
        if (!katalog.zostaje) {
            if (!kursor.idźDo(katalog.rodzic, &błąd))
                zapisz(błąd, ścieżkaKatalogu(węzeł));
            else if (unlinkat(kursor.fd(), katalog.nazwa.constData(), AT_REMOVEDIR) != 0)
                zapisz(errno, ścieżkaKatalogu(węzeł));
        }
        wpisGotowy();
        węzeł = katalog.rodzic;
    }
}

QString Usuwanie::ścieżkaKatalogu(qsizetype węzeł) const
{
    std::vector<qsizetype> droga;
    for (qsizetype n = węzeł; n > 0; n = lstDiry[n].rodzic)
        droga.push_back(n);
    QByteArray względna;
    for (auto n = droga.rbegin(); n != droga.rend(); ++n)
        względna += '/' + lstDiry[*n].nazwa;
    return m_korzeń + platform::decodeName(względna);
}

void Usuwanie::zapisz(int kod, const QString &ścieżka)
{
    std::lock_guard blokada(m_mutex);
    Błędy.push_back({kod, ścieżka});
}

void Usuwanie::wpisGotowy()
{
    std::lock_guard blokada(m_mutex);
    if (poWpisie)
        poWpisie();
}

} // namespace ocdelete
