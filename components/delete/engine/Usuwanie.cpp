#include "Usuwanie.h"

#include <platform/Names.h>
#include <platform/OpenDirectory.h>
#include <platform/Rename.h>
#include <platform/TreeCursor.h>
#include <platform/Workers.h>

#include <algorithm>
#include <cerrno>
#include <optional>
#include <utility>

namespace ocdelete {

namespace platform = oc::platform;

namespace {

constexpr quint32 BityZapisu = 0222;

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
    // Null with the error number in *kod when it cannot be opened.
    const platform::OpenDirectory *otwórz(const QByteArray &ścieżka, int *kod)
    {
        if (!m_katalog.isOpen() || ścieżka != m_ścieżka) {
            m_ścieżka = ścieżka;
            platform::FileError błąd;
            m_katalog = platform::OpenDirectory::open(platform::decodeName(ścieżka), &błąd);
            m_kod = błąd.code;
        }
        *kod = m_kod;
        return m_katalog.isOpen() ? &m_katalog : nullptr;
    }

private:
    QByteArray m_ścieżka;
    platform::OpenDirectory m_katalog;
    int m_kod = 0;
};

// 0 when the entry is gone, else the error number (EISDIR for a directory);
// katalog is an open directory or a cursor standing on one.
template <typename Katalog>
int usuńWpis(const Katalog &katalog, const QByteArray &nazwa)
{
    platform::FileError błąd;
    const std::optional<platform::EntryStatus> wpis = katalog.status(nazwa, &błąd);
    if (!wpis)
        return błąd.code;
    if (wpis->isDirectory())
        return EISDIR;
    // Refused whoever runs this: the permission bits are the attribute.
    if (wpis->kind != platform::EntryStatus::Kind::Link && (wpis->permissions & BityZapisu) == 0)
        return EACCES;
    return platform::removeFile(katalog, nazwa, &błąd) ? 0 : błąd.code;
}

// 0 when the file at the chosen path is gone, else the error number.
int usuńŚcieżkę(Nadrzędny &nadrzędny, const QString &ścieżka)
{
    const QByteArray bajty = platform::encodeName(ścieżka);
    const QByteArray rodzic = platform::parentOf(bajty);
    const QByteArray nazwa = platform::lastComponent(bajty);
    if (!daSięUsunąć(nazwa))
        return EINVAL;
    int kod = 0;
    const platform::OpenDirectory *katalog = nadrzędny.otwórz(rodzic, &kod);
    return katalog ? usuńWpis(*katalog, nazwa) : kod;
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
    const QByteArray rodzic = platform::parentOf(bajty);
    const QByteArray nazwa = platform::lastComponent(bajty);
    m_korzeń = katalog;
    while (m_korzeń.size() > 1 && m_korzeń.endsWith(u'/'))
        m_korzeń.chop(1);
    if (!daSięUsunąć(nazwa)) {
        zapisz(EINVAL, katalog);
        return;
    }
    platform::FileError błąd;
    const platform::OpenDirectory nadrzędny = platform::OpenDirectory::open(platform::decodeName(rodzic), &błąd);
    const std::optional<platform::EntryStatus> wpis
        = nadrzędny.isOpen() ? nadrzędny.status(nazwa, &błąd) : std::nullopt;
    if (!wpis) {
        zapisz(błąd.code, m_korzeń);
        return;
    }
    if (!wpis->isDirectory()) {
        if (wpis->kind != platform::EntryStatus::Kind::Link)
            zapisz(ENOTDIR, m_korzeń);
        else if (!platform::removeFile(nadrzędny, nazwa, &błąd))
            zapisz(błąd.code, m_korzeń);
        wpisGotowy();
        return;
    }

    const std::size_t błędyPrzed = Błędy.size();
    lstDiry.push_back({-1, nazwa, 0, 0, 0, false});
    {
        platform::TreeCursor kursor(lstDiry);
        if (kursor.openRoot(nadrzędny, nazwa, &błąd))
            SkanujKatalog(kursor);
        else
            zapisz(błąd.code, m_korzeń);
    }
    if (lstDiry[0].inode != 0)
        usuńDrzewo(nadrzędny, nazwa);
    if (!zatrzymane()) {
        // An empty directory goes even when it could not be read.
        if (!lstDiry[0].kept && !platform::removeEmptyDirectory(nadrzędny, nazwa, &błąd))
            zapisz(błąd.code, m_korzeń);
        wpisGotowy();
        lstDiry.clear();
        lstWynik.clear();
    }
    std::stable_sort(Błędy.begin() + qsizetype(błędyPrzed), Błędy.end(),
                     [](const platform::FileError &a, const platform::FileError &b) { return a.path < b.path; });
}

// Depth first, each subdirectory as soon as it is met, as a loop: a tree
// of any depth costs no stack.
void Usuwanie::SkanujKatalog(platform::TreeCursor &kursor)
{
    struct Poziom
    {
        qsizetype węzeł;
        std::vector<platform::TreeEntry> wpisy;
        std::size_t następny = 0;
    };
    std::vector<Poziom> stos;
    const auto wejdź = [&](qsizetype węzeł) {
        platform::FileError błąd;
        if (!kursor.goTo(węzeł, &błąd)) {
            // Listed as a directory, now a link or a file: an entry like any other.
            if ((błąd.code == ELOOP || błąd.code == ENOTDIR) && węzeł > 0) {
                lstWynik.push_back({lstDiry[węzeł].parent, lstDiry[węzeł].name});
                lstDiry.pop_back();
            } else {
                zapisz(błąd.code, ścieżkaKatalogu(węzeł));
                // A mount point stays with all below it, and so must every
                // directory above it: told once, not once per level.
                for (qsizetype n = błąd.code == EXDEV ? węzeł : -1; n >= 0 && !lstDiry[n].kept; n = lstDiry[n].parent)
                    lstDiry[n].kept = true;
            }
            return;
        }
        Poziom poziom{węzeł, {}};
        if (!kursor.read(poziom.wpisy, &błąd))
            zapisz(błąd.code, ścieżkaKatalogu(węzeł));
        stos.push_back(std::move(poziom));
    };
    wejdź(0);
    while (!stos.empty() && !zatrzymane()) {
        Poziom &poziom = stos.back();
        if (poziom.następny == poziom.wpisy.size()) {
            stos.pop_back();
            continue;
        }
        platform::TreeEntry &wpis = poziom.wpisy[poziom.następny++];
        if (!wpis.isDirectory) {
            lstWynik.push_back({poziom.węzeł, std::move(wpis.name)});
            continue;
        }
        lstDiry.push_back({poziom.węzeł, std::move(wpis.name), lstDiry[poziom.węzeł].depth + 1, 0, 0, false});
        wejdź(qsizetype(lstDiry.size()) - 1);
    }
}

void Usuwanie::usuńDrzewo(const platform::OpenDirectory &rodzic, const QByteArray &nazwa)
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
    for (const platform::TreeFile &plik : lstWynik)
        ++początki[std::size_t(plik.directory) + 1];
    for (std::size_t n = 1; n < początki.size(); ++n)
        początki[n] += początki[n - 1];
    {
        std::vector<std::size_t> miejsce(początki.begin(), początki.end() - 1);
        for (std::size_t i = 0; i < lstWynik.size(); ++i)
            porządek[miejsce[std::size_t(lstWynik[i].directory)]++] = i;
    }
    m_zostało.assign(lstDiry.size(), 1);
    for (std::size_t n = 1; n < lstDiry.size(); ++n)
        ++m_zostało[std::size_t(lstDiry[n].parent)];
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
    const int liczba = std::min(Pracownicy > 0 ? Pracownicy : platform::waitingWorkers(), int(porcje.size()));
    platform::runWorkers(liczba, [&](int) {
        platform::TreeCursor kursor(lstDiry);
        platform::FileError błąd;
        if (!kursor.openRoot(rodzic, nazwa, &błąd)) {
            zapisz(błąd.code, m_korzeń);
            return;
        }
        for (std::size_t p = następna++; p < porcje.size(); p = następna++)
            for (const Kawałek &kawałek : porcje[p]) {
                for (std::size_t i = kawałek.od; i < kawałek.do_; ++i) {
                    if (zatrzymane())
                        return;
                    const platform::TreeFile &plik = lstWynik[porządek[i]];
                    if (!kursor.goTo(plik.directory, &błąd))
                        zapisz(błąd.code, ścieżkaKatalogu(plik.directory) + u'/' + platform::decodeName(plik.name));
                    else if (const int kod = usuńWpis(kursor, plik.name))
                        zapisz(kod, ścieżkaKatalogu(plik.directory) + u'/' + platform::decodeName(plik.name));
                    wpisGotowy();
                }
                odlicz(kursor, kawałek.węzeł);
            }
    });
}

void Usuwanie::odlicz(platform::TreeCursor &kursor, qsizetype węzeł)
{
    platform::FileError błąd;
    while (węzeł > 0 && !zatrzymane()) {
        {
            std::lock_guard blokada(m_mutex);
            if (--m_zostało[std::size_t(węzeł)] > 0)
                return;
        }
        const platform::TreeDirectory &katalog = lstDiry[węzeł];
        if (!katalog.kept) {
            if (!kursor.goTo(katalog.parent, &błąd) || !platform::removeEmptyDirectory(kursor, katalog.name, &błąd))
                zapisz(błąd.code, ścieżkaKatalogu(węzeł));
        }
        wpisGotowy();
        węzeł = katalog.parent;
    }
}

QString Usuwanie::ścieżkaKatalogu(qsizetype węzeł) const
{
    std::vector<qsizetype> droga;
    for (qsizetype n = węzeł; n > 0; n = lstDiry[n].parent)
        droga.push_back(n);
    QByteArray względna;
    for (auto n = droga.rbegin(); n != droga.rend(); ++n)
        względna += '/' + lstDiry[*n].name;
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
