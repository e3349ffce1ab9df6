#include "Kopiarka.h"

#include <platform/EntryCopy.h>
#include <platform/Names.h>
#include <platform/Paths.h>

#include <QDir>
#include <QHash>
#include <algorithm>
#include <cerrno>
#include <numeric>

namespace occopy {

using oc::platform::decodeName;
using oc::platform::Deskryptor;
using oc::platform::encodeName;
using oc::platform::FileError;
using oc::platform::Rodzaj;
using oc::platform::Wpis;
using Wynik = oc::platform::KopiaWpisu::Wynik;

namespace {

// A path as its directory and its last name in the file system's bytes.
struct Miejsce
{
    QStringView katalog;
    QByteArray nazwa;
};

Miejsce rozdziel(const QString &ścieżka)
{
    const qsizetype ukośnik = ścieżka.lastIndexOf(u'/');
    const QStringView katalog
        = ukośnik < 0 ? QStringView(u".") : QStringView(ścieżka).left(std::max<qsizetype>(ukośnik, 1));
    return {katalog, encodeName(ścieżka.mid(ukośnik + 1))};
}

// The directory of the last file, kept open while files of one directory
// follow each other; a failure is kept too, so it is not retried for each.
class OstatniKatalog
{
public:
    // The descriptor, or -1 with the error in błąd. The first zaufane
    // characters of the path may be reached through links.
    int otwórz(QStringView ścieżka, qsizetype zaufane, FileError &błąd)
    {
        if (!m_użyty || ścieżka != m_ścieżka) {
            m_użyty = true;
            m_ścieżka = ścieżka.toString();
            m_błąd = {};
            m_fd = oc::platform::otwórzKatalog(encodeName(m_ścieżka), encodeName(m_ścieżka.left(zaufane)).size(),
                                               &m_błąd);
        }
        if (!m_fd.otwarty())
            błąd = m_błąd;
        return m_fd.fd();
    }

private:
    QString m_ścieżka;
    bool m_użyty = false;
    Deskryptor m_fd;
    FileError m_błąd;
};

Zastany zastany(const QString &źródło, const QString &cel, const Wpis &z, const Wpis &c)
{
    return Zastany{źródło, cel, z.rozmiar, c.rozmiar, CzasPliku(z.czas), CzasPliku(c.czas), (c.tryb & 0222) == 0};
}

} // namespace

QString NazwaPliku(const QString &ścieżka)
{
    return ścieżka.mid(ścieżka.lastIndexOf(u'/') + 1);
}

QString Kataloguj2(const QString &katalog)
{
    return NazwaPliku(oc::platform::withoutSeparator(katalog));
}

// A directory the scan read, with what it holds in the order it gave them:
// files as they go, subdirectories as their own node.
struct Kopiarka::Węzeł
{
    struct Pozycja
    {
        QString źródło;
        QString cel;
        qint64 rozmiar = 0;
        const Węzeł *katalog = nullptr;
        bool zwykły = false; // a regular file when it was listed
    };

    QString katalog;
    QString rel;
    quint32 tryb = 0;
    qsizetype zaufane = 0;
    bool zrobić = true; // false: gone, or swapped for a file or link, before it was opened
    std::vector<oc::platform::ExtendedAttribute> atrybuty;
    std::vector<Pozycja> pozycje;
};

// A directory to read: `nazwa` in the directory open as rodzic, or rodzic
// itself when the name is empty.
struct Kopiarka::ZadanieSkanu
{
    std::shared_ptr<const Deskryptor> rodzic;
    QByteArray nazwa;
    Węzeł *węzeł = nullptr;
};

struct Kopiarka::Pracownik
{
    oc::platform::KopiaWpisu kopia;
    OstatniKatalog źródła;
    OstatniKatalog cele;
    qsizetype plik = 0;
    qint64 wToku = 0; // bytes of the file in hand reported so far
};

Kopiarka::Kopiarka() = default;

Kopiarka::~Kopiarka() = default;

void Kopiarka::ClearLists()
{
    lstDirs.clear();
    lstFiles.clear();
    lstWynikD.clear();
    lstWynikF.clear();
    lstWynikD2.clear();
    lstWynikF2.clear();
    m_tryby.clear();
    m_atrybuty.clear();
    m_nowe.clear();
    m_rozmiary.clear();
    m_zaufane.clear();
    m_pliki.clear();
    m_błędy.clear();
    m_bezCelu = false;
    m_postęp = {};
    m_przerwij = false;
    m_wstrzymaj = false;
}

QString KatalogDocelowyZ(const QString &wpisany, const QStringList &lstDirs, const QStringList &lstFiles)
{
    if (wpisany.trimmed().isEmpty())
        return {};
    QString cel = wpisany;
    const QString &pierwszy = lstDirs.isEmpty() ? lstFiles.value(0) : lstDirs.first();
    if (!cel.startsWith(u'/') && !pierwszy.isEmpty()) {
        const QString źródło = QDir::cleanPath(pierwszy);
        cel = źródło.left(std::max<qsizetype>(źródło.lastIndexOf(u'/'), 1)) + u'/' + cel;
    }
    return oc::platform::withSeparator(QDir::cleanPath(cel));
}

QString KatalogPonadCelem(const QStringList &katalogi, const QString &cel)
{
    const QByteArray miejsce = encodeName(cel);
    for (const QString &wybrany : katalogi) {
        const QString katalog = QDir::cleanPath(wybrany);
        Wpis wpis;
        if (oc::platform::stan(encodeName(katalog), wpis, nullptr) && wpis.rodzaj == Rodzaj::Katalog
            && oc::platform::leżyPonad(encodeName(katalog), miejsce))
            return katalog;
    }
    return {};
}

void Kopiarka::Wykonaj()
{
    NaEtap(Etap::Skanowanie);
    Skanuj();
    AddFilesx();
    NaEtap(Etap::Katalogi);
    TwórzDiry();
    NaEtap(Etap::Kopiowanie);
    Kopiowanie();
}

int Kopiarka::liczbaPracowników() const
{
    return Pracownicy > 0 ? Pracownicy : oc::platform::defaultWorkers();
}

int Kopiarka::liczbaPiszących() const
{
    return Pracownicy > 0 ? Pracownicy : oc::platform::waitingWorkers();
}

void Kopiarka::Skanuj()
{
    lstWynikF.clear();
    lstWynikF2.clear();
    lstWynikD.clear();
    lstWynikD2.clear();
    m_tryby.clear();
    m_atrybuty.clear();
    m_rozmiary.clear();
    m_zaufane.clear();
    m_pliki.clear();
    m_węzły.clear();
    const QByteArray cel = encodeName(KatalogDocelowy);
    // The chosen entries in order: a file or link as it goes, a directory as its tree.
    std::vector<Węzeł::Pozycja> wybrane;
    oc::platform::WorkQueue<ZadanieSkanu> kolejka;
    std::vector<ZadanieSkanu> korzenie;
    for (const QString &wybrany : lstDirs) {
        if (!Dalej())
            break;
        // "/a/b/.." is the directory a: its name is "a", never "..".
        const QString katalog = QDir::cleanPath(wybrany);
        const QString nazwa = Kataloguj2(katalog);
        if (nazwa.isEmpty() || nazwa == u"." || nazwa == u"..") {
            błąd(FileError{EINVAL, wybrany});
            continue;
        }
        const QByteArray ścieżka = encodeName(katalog);
        const qsizetype zaufane = katalog.size() - nazwa.size();
        Wpis wpis;
        FileError e;
        if (!oc::platform::stan(ścieżka, wpis, &e)) {
            błąd(std::move(e));
            continue;
        }
        // A chosen link to a directory goes as the link.
        if (wpis.rodzaj != Rodzaj::Katalog) {
            wybrane.push_back({katalog, KatalogDocelowy + nazwa, wpis.rozmiar, nullptr, wpis.rodzaj == Rodzaj::Plik});
            continue;
        }
        // The copy would land inside the tree being read, and read itself again.
        if (oc::platform::leżyPonad(ścieżka, cel)) {
            błąd(FileError{EINVAL, katalog});
            continue;
        }
        auto węzeł = std::make_unique<Węzeł>(Węzeł{katalog, nazwa, wpis.tryb, zaufane, true, {}, {}});
        auto fd = std::make_shared<Deskryptor>(oc::platform::otwórzDoCzytania(ścieżka, &e));
        if (!fd->otwarty()) {
            // One that cannot be read is still made, empty, as its subdirectories are.
            węzeł->zrobić = e.code != ENOENT && e.code != ENOTDIR && e.code != ELOOP;
            błąd(std::move(e));
        } else {
            korzenie.push_back({std::move(fd), {}, węzeł.get()});
        }
        wybrane.push_back({{}, {}, 0, węzeł.get(), false});
        m_węzły.push_back(std::move(węzeł));
    }
    // Last in, first out: the first chosen is read first.
    for (auto k = korzenie.rbegin(); k != korzenie.rend(); ++k)
        kolejka.add(std::move(*k));
    oc::platform::runWorkers(liczbaPracowników(), [&](int) {
        kolejka.work([&](ZadanieSkanu &zadanie) { SkanujKatalog(zadanie, kolejka); });
    });
    for (const Węzeł::Pozycja &pozycja : wybrane) {
        if (pozycja.katalog)
            dodajDrzewo(*pozycja.katalog);
        else
            dodajPlik(pozycja.źródło, pozycja.cel, pozycja.rozmiar,
                      pozycja.źródło.size() - NazwaPliku(pozycja.cel).size(), pozycja.zwykły, -1);
    }
    m_węzły.clear();
}

void Kopiarka::SkanujKatalog(ZadanieSkanu &zadanie, oc::platform::WorkQueue<ZadanieSkanu> &kolejka)
{
    if (!Dalej()) {
        kolejka.clear();
        return;
    }
    Węzeł &węzeł = *zadanie.węzeł;
    FileError e;
    std::shared_ptr<const Deskryptor> fd = zadanie.rodzic;
    if (!zadanie.nazwa.isEmpty()) {
        auto podkatalog = std::make_shared<Deskryptor>(oc::platform::otwórzPodkatalog(fd->fd(), zadanie.nazwa, &e));
        zadanie.rodzic.reset();
        if (!podkatalog->otwarty()) {
            węzeł.zrobić = e.code != ENOENT && e.code != ENOTDIR && e.code != ELOOP;
            błąd(std::move(e), węzeł.katalog);
            return;
        }
        fd = std::move(podkatalog);
    }
    if (!oc::platform::readExtendedAttributes(fd->fd(), węzeł.atrybuty, &e))
        błąd(e, węzeł.katalog);
    std::vector<Wpis> wpisy;
    // What could be read before a failure still goes.
    if (!oc::platform::czytajKatalog(fd->fd(), wpisy, &e))
        błąd(e, węzeł.katalog);
    węzeł.pozycje.reserve(wpisy.size());
    for (Wpis &wpis : wpisy) {
        const QString nazwa = decodeName(wpis.nazwa);
        const QString ścieżka = węzeł.katalog + u'/' + nazwa;
        const QString rel = węzeł.rel + u'/' + nazwa;
        if (wpis.rodzaj != Rodzaj::Katalog) {
            węzeł.pozycje.push_back(
                {ścieżka, KatalogDocelowy + rel, wpis.rozmiar, nullptr, wpis.rodzaj == Rodzaj::Plik});
            continue;
        }
        auto podkatalog = std::make_unique<Węzeł>(Węzeł{ścieżka, rel, wpis.tryb, węzeł.zaufane, true, {}, {}});
        węzeł.pozycje.push_back({{}, {}, 0, podkatalog.get(), false});
        kolejka.add({fd, std::move(wpis.nazwa), podkatalog.get()});
        std::lock_guard blokada(m_węzłyMutex);
        m_węzły.push_back(std::move(podkatalog));
    }
}

// Each directory before its contents, depth first, as a loop: a chain of
// any depth costs no stack.
void Kopiarka::dodajDrzewo(const Węzeł &korzeń)
{
    if (!korzeń.zrobić)
        return;
    struct Poziom
    {
        const Węzeł *węzeł;
        qsizetype katalog; // its place in lstWynikD
        std::size_t następna;
    };
    std::vector<Poziom> stos{{&korzeń, dodajKatalog(korzeń.katalog, korzeń.rel, korzeń.tryb, korzeń.atrybuty), 0}};
    while (!stos.empty()) {
        Poziom &poziom = stos.back();
        if (poziom.następna == poziom.węzeł->pozycje.size()) {
            stos.pop_back();
            continue;
        }
        const Węzeł::Pozycja &pozycja = poziom.węzeł->pozycje[poziom.następna++];
        if (!pozycja.katalog) {
            dodajPlik(pozycja.źródło, pozycja.cel, pozycja.rozmiar, poziom.węzeł->zaufane, pozycja.zwykły,
                      poziom.katalog);
        } else if (pozycja.katalog->zrobić) {
            const qsizetype katalog = dodajKatalog(pozycja.katalog->katalog, pozycja.katalog->rel,
                                                   pozycja.katalog->tryb, pozycja.katalog->atrybuty);
            stos.push_back({pozycja.katalog, katalog, 0});
        }
    }
}

qsizetype Kopiarka::dodajKatalog(const QString &katalog, const QString &rel, quint32 tryb,
                                 std::vector<oc::platform::ExtendedAttribute> atrybuty)
{
    lstWynikD.append(rel);
    lstWynikD2.append(katalog);
    m_tryby.push_back(tryb);
    m_atrybuty.push_back(std::move(atrybuty));
    return lstWynikD.size() - 1;
}

void Kopiarka::AddFilesx()
{
    for (const QString &plik : lstFiles) {
        const QString nazwa = NazwaPliku(plik);
        const QByteArray ścieżka = encodeName(plik);
        Wpis wpis;
        // One that cannot be looked at now is still tried, so that its copy names the reason.
        const bool widać = oc::platform::stan(ścieżka, wpis, nullptr);
        dodajPlik(plik, KatalogDocelowy + nazwa, widać ? wpis.rozmiar : 0, plik.size() - nazwa.size(),
                  widać && wpis.rodzaj == Rodzaj::Plik, -1);
    }
}

void Kopiarka::dodajPlik(const QString &źródło, const QString &cel, qint64 rozmiar, qsizetype zaufane, bool zwykły,
                         qsizetype katalog)
{
    lstWynikF.append(źródło);
    lstWynikF2.append(cel);
    m_rozmiary.push_back(rozmiar);
    m_zaufane.push_back(zaufane);
    m_pliki.push_back({zwykły, katalog});
}

void Kopiarka::TwórzDiry()
{
    m_bezCelu = false;
    m_nowe.assign(std::size_t(lstWynikD.size()), false);
    m_puste.assign(std::size_t(lstWynikD.size()), false);
    if (lstWynikD.isEmpty() && lstWynikF.isEmpty())
        return;
    FileError e;
    QByteArrayList zrobione;
    const bool jestCel = oc::platform::utwórzŚcieżkę(encodeName(KatalogDocelowy), &e, &zrobione);
    if (PoUtworzeniu)
        for (const QByteArray &katalog : std::as_const(zrobione))
            PoUtworzeniu(decodeName(katalog), std::nullopt);
    if (!jestCel) {
        błąd(std::move(e));
        m_bezCelu = true;
        return;
    }
    OstatniKatalog rodzic;
    // Two chosen directories of one name (dropped from two places) fill one
    // target: it is empty for neither.
    QHash<QString, qsizetype> pierwszy;
    for (qsizetype k = 0; k < lstWynikD.size(); ++k) {
        if (!Dalej())
            return;
        const QString ścieżka = KatalogDocelowy + lstWynikD.at(k);
        if (const auto było = pierwszy.constFind(ścieżka); było != pierwszy.cend())
            m_puste[std::size_t(*było)] = false;
        else
            pierwszy.insert(ścieżka, k);
        const Miejsce miejsce = rozdziel(ścieżka);
        const int fd = rodzic.otwórz(miejsce.katalog, KatalogDocelowy.size(), e);
        bool nowy = false;
        // The owner must be able to fill it, whatever the source allows.
        if (fd < 0 || !oc::platform::utwórzKatalog(fd, miejsce.nazwa, m_tryby[std::size_t(k)] | 0700, &e, &nowy))
            błąd(e, ścieżka);
        else if (nowy && PoUtworzeniu)
            PoUtworzeniu(ścieżka, std::nullopt);
        m_nowe[std::size_t(k)] = nowy;
        m_puste[std::size_t(k)] = nowy && pierwszy.value(ścieżka) == k;
    }
}

void Kopiarka::UstawAtrybutyKatalogów()
{
    OstatniKatalog rodzic;
    for (std::size_t k = 0; k < m_nowe.size() && k < m_atrybuty.size(); ++k) {
        if (!m_nowe[k] || m_atrybuty[k].empty())
            continue;
        const QString ścieżka = KatalogDocelowy + lstWynikD.at(qsizetype(k));
        const Miejsce miejsce = rozdziel(ścieżka);
        FileError e;
        const int fd = rodzic.otwórz(miejsce.katalog, KatalogDocelowy.size(), e);
        const Deskryptor katalog = fd < 0 ? Deskryptor() : oc::platform::otwórzPodkatalog(fd, miejsce.nazwa, &e);
        if (!katalog.otwarty() || !oc::platform::writeExtendedAttributes(katalog.fd(), m_atrybuty[k], &e))
            błąd(std::move(e), ścieżka);
    }
}

void Kopiarka::Kopiowanie()
{
    m_postęp = Postęp{0, lstWynikF.size(), 0, std::accumulate(m_rozmiary.begin(), m_rozmiary.end(), qint64(0))};
    m_bajtyGotowe = m_bajtyWToku = 0;
    if (m_bezCelu) {
        zgłoś();
        return;
    }
    // Runs of files going into one directory, cut so that the workers share
    // a large directory too; a file is never split.
    constexpr qsizetype PlikówNaPorcję = 64;
    constexpr qint64 BajtówNaPorcję = qint64(64) << 20;
    std::vector<qsizetype> porcje; // where each starts
    qsizetype poprzedni = -1;
    qint64 bajty = 0;
    for (qsizetype j = 0; j < lstWynikF.size(); ++j) {
        const qsizetype katalog = m_pliki[std::size_t(j)].katalog;
        if (porcje.empty() || katalog != poprzedni || j - porcje.back() >= PlikówNaPorcję || bajty >= BajtówNaPorcję) {
            porcje.push_back(j);
            bajty = 0;
        }
        poprzedni = katalog;
        bajty += m_rozmiary[std::size_t(j)];
    }
    porcje.push_back(lstWynikF.size());
    std::atomic<std::size_t> następna{0};
    const int liczba = int(std::min<std::size_t>(std::size_t(liczbaPiszących()), porcje.size() - 1));
    oc::platform::runWorkers(std::max(liczba, 1), [&](int) {
        Pracownik pracownik;
        pracownik.kopia.Krok = Krok;
        pracownik.kopia.Dalej = [this] { return Dalej(); };
        if (OdłóżZastąpiony)
            pracownik.kopia.Odłóż = [this, &pracownik](const QByteArray &robocza) {
                const QString &cel = lstWynikF2.at(pracownik.plik);
                return OdłóżZastąpiony(cel.left(cel.lastIndexOf(u'/') + 1) + decodeName(robocza), cel);
            };
        pracownik.kopia.Nadpisać = [this, &pracownik](const Wpis &źródło, const Wpis &cel) {
            std::lock_guard blokada(m_pytanieMutex);
            // Answered "cancel" while this one waited its turn.
            if (!Dalej())
                return false;
            return !CzyNadpisać
                   || CzyNadpisać(zastany(lstWynikF.at(pracownik.plik), lstWynikF2.at(pracownik.plik), źródło, cel));
        };
        pracownik.kopia.NaKrok = [this, &pracownik](qint64 gotowe) {
            std::lock_guard blokada(m_postępMutex);
            const qint64 teraz = std::min(gotowe, m_rozmiary[std::size_t(pracownik.plik)]);
            m_bajtyWToku += teraz - std::exchange(pracownik.wToku, teraz);
            m_postęp.Bajty = m_bajtyGotowe + m_bajtyWToku;
            NaPostęp(m_postęp);
        };
        for (std::size_t p = następna++; p + 1 < porcje.size(); p = następna++)
            for (qsizetype j = porcje[p]; j < porcje[p + 1]; ++j)
                if (!Dalej() || !kopiujPlik(pracownik, j))
                    return;
    });
    UstawAtrybutyKatalogów();
    std::stable_sort(m_błędy.begin(), m_błędy.end(),
                     [](const FileError &a, const FileError &b) { return a.path < b.path; });
    zgłoś();
}

bool Kopiarka::kopiujPlik(Pracownik &pracownik, qsizetype j)
{
    pracownik.plik = j;
    if (PrzedPlikiem)
        PrzedPlikiem(j);
    const Miejsce z = rozdziel(lstWynikF.at(j));
    const Miejsce c = rozdziel(lstWynikF2.at(j));
    FileError e;
    Wynik wynik = Wynik::BłądŹródła;
    if (const int zFd = pracownik.źródła.otwórz(z.katalog, m_zaufane[std::size_t(j)], e); zFd >= 0) {
        const int cFd = pracownik.cele.otwórz(c.katalog, KatalogDocelowy.size(), e);
        const Plik &plik = m_pliki[std::size_t(j)];
        const oc::platform::ZnaneWpisu znane{plik.zwykły, plik.katalog >= 0 && m_puste[std::size_t(plik.katalog)]};
        wynik = cFd < 0 ? Wynik::BłądCelu : pracownik.kopia.kopiuj(zFd, z.nazwa, cFd, c.nazwa, Nadpisuj, &e, znane);
    }
    if (wynik == Wynik::Przerwano)
        return false;
    if (wynik == Wynik::Skopiowano && pracownik.kopia.Utworzył && PoUtworzeniu) {
        PoUtworzeniu(lstWynikF2.at(j), pracownik.kopia.Nowy);
    } else if (wynik == Wynik::BłądŹródła) {
        e.path = lstWynikF.at(j);
        błąd(e);
        if (PoBłędzieŹródła) {
            std::lock_guard blokada(m_pytanieMutex);
            PoBłędzieŹródła(e);
        }
    } else if (wynik == Wynik::BłądCelu) {
        błąd(std::move(e), lstWynikF2.at(j));
    }
    if (PoPliku)
        PoPliku(j, wynik == Wynik::Skopiowano);
    plikGotowy(pracownik, j, wynik == Wynik::Skopiowano);
    return true;
}

void Kopiarka::plikGotowy(Pracownik &pracownik, qsizetype j, bool skopiowany)
{
    std::lock_guard blokada(m_postępMutex);
    m_bajtyWToku -= std::exchange(pracownik.wToku, 0);
    m_bajtyGotowe += m_rozmiary[std::size_t(j)];
    m_postęp.Bajty = m_bajtyGotowe + m_bajtyWToku;
    m_postęp.Skopiowane += skopiowany ? 1 : 0;
    // After the 11th, the 21st... file: the end reports the last ones.
    if (++m_postęp.Pliki % 10 == 1 && m_postęp.Pliki > 1)
        NaPostęp(m_postęp);
}

void Kopiarka::zgłoś()
{
    std::lock_guard blokada(m_postępMutex);
    NaPostęp(m_postęp);
}

void Kopiarka::Wstrzymaj()
{
    std::lock_guard blokada(m_mutex);
    m_wstrzymaj = true;
}

void Kopiarka::Wznów()
{
    {
        std::lock_guard blokada(m_mutex);
        m_wstrzymaj = false;
    }
    m_budzik.notify_all();
}

void Kopiarka::Przerwij()
{
    {
        std::lock_guard blokada(m_mutex);
        m_przerwij = true;
    }
    m_budzik.notify_all();
}

bool Kopiarka::Dalej()
{
    if (m_wstrzymaj) {
        std::unique_lock blokada(m_mutex);
        m_budzik.wait(blokada, [this] { return !m_wstrzymaj || m_przerwij; });
    }
    return !m_przerwij;
}

void Kopiarka::błąd(FileError e)
{
    std::lock_guard blokada(m_błędyMutex);
    m_błędy.push_back(std::move(e));
}

void Kopiarka::błąd(FileError e, const QString &ścieżka)
{
    e.path = ścieżka;
    błąd(std::move(e));
}

} // namespace occopy
