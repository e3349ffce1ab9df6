#include "Kopiarka.h"

#include "PlikiSystemu.h"

#include <platform/Names.h>
#include <platform/Paths.h>

#include <QDir>
#include <cerrno>
#include <numeric>

namespace occopy {

using oc::platform::decodeName;
using oc::platform::encodeName;
using Wynik = pliki::KopiaWpisu::Wynik;

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
    // The descriptor, or -1 with the error number in błąd. The first zaufane
    // characters of the path may be reached through links.
    int otwórz(QStringView ścieżka, qsizetype zaufane, int &błąd)
    {
        if (!m_użyty || ścieżka != m_ścieżka) {
            m_użyty = true;
            m_ścieżka = ścieżka.toString();
            m_błąd = 0;
            m_fd = pliki::otwórzKatalog(encodeName(m_ścieżka), encodeName(m_ścieżka.left(zaufane)).size(), m_błąd);
        }
        if (!m_fd.otwarty())
            błąd = m_błąd;
        return m_fd.fd();
    }

private:
    QString m_ścieżka;
    bool m_użyty = false;
    pliki::Deskryptor m_fd;
    int m_błąd = 0;
};

Zastany zastany(const QString &źródło, const QString &cel, const pliki::Wpis &z, const pliki::Wpis &c)
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

Kopiarka::Kopiarka() : m_kopia(std::make_unique<pliki::KopiaWpisu>())
{
    m_kopia->Dalej = [this] { return Dalej(); };
    m_kopia->Nadpisać = [this](const pliki::Wpis &źródło, const pliki::Wpis &cel) {
        return !CzyNadpisać || CzyNadpisać(zastany(lstWynikF.at(m_plik), lstWynikF2.at(m_plik), źródło, cel));
    };
    m_kopia->NaKrok = [this](qint64 gotowe) {
        m_postęp.Bajty = m_bajtyPrzedPlikiem + std::min(gotowe, m_rozmiary[std::size_t(m_plik)]);
        zgłoś();
    };
}

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
    const QByteArray cel = encodeName(KatalogDocelowy);
    for (const QString &wybrany : lstDirs) {
        if (!Dalej())
            return;
        // "/a/b/.." is the directory a: its name is "a", never "..".
        const QString katalog = QDir::cleanPath(wybrany);
        const QString nazwa = Kataloguj2(katalog);
        if (nazwa.isEmpty() || nazwa == u"." || nazwa == u"..") {
            błąd(EINVAL, wybrany);
            continue;
        }
        const QByteArray ścieżka = encodeName(katalog);
        const qsizetype zaufane = katalog.size() - nazwa.size();
        pliki::Wpis wpis;
        int kod = 0;
        if (!pliki::stan(ścieżka, wpis, kod)) {
            błąd(kod, katalog);
            continue;
        }
        // A chosen link to a directory goes as the link.
        if (wpis.rodzaj != pliki::Rodzaj::Katalog) {
            dodajPlik(katalog, KatalogDocelowy + nazwa, wpis.rozmiar, zaufane);
            continue;
        }
        // The copy would land inside the tree being read, and read itself again.
        if (pliki::leżyPonad(ścieżka, cel)) {
            błąd(EINVAL, katalog);
            continue;
        }
        const pliki::Deskryptor fd = pliki::otwórzDoCzytania(ścieżka, kod);
        if (!fd.otwarty()) {
            // One that cannot be read is still made, empty, as its subdirectories are.
            if (kod != ENOENT && kod != ENOTDIR && kod != ELOOP)
                dodajKatalog(katalog, nazwa, wpis.tryb, {});
            błąd(kod, katalog);
            continue;
        }
        SkanujKatalog(fd.fd(), katalog, nazwa, wpis.tryb, zaufane);
    }
}

void Kopiarka::SkanujKatalog(int fd, const QString &katalog, const QString &rel, quint32 tryb, qsizetype zaufane)
{
    if (!Dalej())
        return;
    std::vector<oc::platform::ExtendedAttribute> atrybuty;
    int kod = 0;
    if (!oc::platform::readExtendedAttributes(fd, atrybuty, kod))
        błąd(kod, katalog);
    dodajKatalog(katalog, rel, tryb, std::move(atrybuty));
    std::vector<pliki::Wpis> wpisy;
    // What could be read before a failure still goes.
    if (!pliki::czytajKatalog(fd, wpisy, kod))
        błąd(kod, katalog);
    for (const pliki::Wpis &wpis : wpisy) {
        const QString nazwa = decodeName(wpis.nazwa);
        const QString ścieżka = katalog + u'/' + nazwa;
        if (wpis.rodzaj != pliki::Rodzaj::Katalog) {
            dodajPlik(ścieżka, KatalogDocelowy + rel + u'/' + nazwa, wpis.rozmiar, zaufane);
            continue;
        }
        const pliki::Deskryptor podkatalog = pliki::otwórzPodkatalog(fd, wpis.nazwa, kod);
        if (!podkatalog.otwarty()) {
            if (kod != ENOENT && kod != ENOTDIR && kod != ELOOP)
                dodajKatalog(ścieżka, rel + u'/' + nazwa, wpis.tryb, {});
            błąd(kod, ścieżka);
            continue;
        }
        SkanujKatalog(podkatalog.fd(), ścieżka, rel + u'/' + nazwa, wpis.tryb, zaufane);
    }
}

void Kopiarka::dodajKatalog(const QString &katalog, const QString &rel, quint32 tryb,
                            std::vector<oc::platform::ExtendedAttribute> atrybuty)
{
    lstWynikD.append(rel);
    lstWynikD2.append(katalog);
    m_tryby.push_back(tryb);
    m_atrybuty.push_back(std::move(atrybuty));
}

void Kopiarka::AddFilesx()
{
    for (const QString &plik : lstFiles) {
        const QString nazwa = NazwaPliku(plik);
        const QByteArray ścieżka = encodeName(plik);
        pliki::Wpis wpis;
        int kod = 0;
        // One that cannot be looked at now is still tried, so that its copy names the reason.
        const qint64 rozmiar = pliki::stan(ścieżka, wpis, kod) ? wpis.rozmiar : 0;
        dodajPlik(plik, KatalogDocelowy + nazwa, rozmiar, plik.size() - nazwa.size());
    }
}

void Kopiarka::dodajPlik(const QString &źródło, const QString &cel, qint64 rozmiar, qsizetype zaufane)
{
    lstWynikF.append(źródło);
    lstWynikF2.append(cel);
    m_rozmiary.push_back(rozmiar);
    m_zaufane.push_back(zaufane);
}

void Kopiarka::TwórzDiry()
{
    m_bezCelu = false;
    m_nowe.assign(std::size_t(lstWynikD.size()), false);
    if (lstWynikD.isEmpty() && lstWynikF.isEmpty())
        return;
    int kod = 0;
    if (!pliki::utwórzŚcieżkę(encodeName(KatalogDocelowy), kod)) {
        błąd(kod, oc::platform::withoutSeparator(KatalogDocelowy));
        m_bezCelu = true;
        return;
    }
    OstatniKatalog rodzic;
    for (qsizetype k = 0; k < lstWynikD.size(); ++k) {
        if (!Dalej())
            return;
        const QString ścieżka = KatalogDocelowy + lstWynikD.at(k);
        const Miejsce miejsce = rozdziel(ścieżka);
        const int fd = rodzic.otwórz(miejsce.katalog, KatalogDocelowy.size(), kod);
        bool nowy = false;
        // The owner must be able to fill it, whatever the source allows.
        if (fd < 0 || !pliki::utwórzKatalog(fd, miejsce.nazwa, m_tryby[std::size_t(k)] | 0700, kod, &nowy))
            błąd(kod, ścieżka);
        else if (nowy && PoUtworzeniu)
            PoUtworzeniu(ścieżka);
        m_nowe[std::size_t(k)] = nowy;
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
        int kod = 0;
        const int fd = rodzic.otwórz(miejsce.katalog, KatalogDocelowy.size(), kod);
        const pliki::Deskryptor katalog
            = fd < 0 ? pliki::Deskryptor() : pliki::otwórzPodkatalog(fd, miejsce.nazwa, kod);
        if (!katalog.otwarty() || !oc::platform::writeExtendedAttributes(katalog.fd(), m_atrybuty[k], kod))
            błąd(kod, ścieżka);
    }
}

void Kopiarka::Kopiowanie()
{
    m_postęp = Postęp{0, lstWynikF.size(), 0, std::accumulate(m_rozmiary.begin(), m_rozmiary.end(), qint64(0))};
    if (m_bezCelu) {
        zgłoś();
        return;
    }
    m_kopia->Krok = Krok;
    m_kopia->Odłóż = nullptr;
    if (OdłóżZastąpiony)
        m_kopia->Odłóż = [this](const QByteArray &robocza) {
            const QString &cel = lstWynikF2.at(m_plik);
            return OdłóżZastąpiony(cel.left(cel.lastIndexOf(u'/') + 1) + decodeName(robocza), cel);
        };
    OstatniKatalog źródła;
    OstatniKatalog cele;
    int licznik = 0;
    for (qsizetype j = 0; j < lstWynikF.size(); ++j) {
        if (!Dalej())
            break;
        m_plik = j;
        m_bajtyPrzedPlikiem = m_postęp.Bajty;
        if (PrzedPlikiem)
            PrzedPlikiem(j);
        const Miejsce z = rozdziel(lstWynikF.at(j));
        const Miejsce c = rozdziel(lstWynikF2.at(j));
        int kod = 0;
        Wynik wynik = Wynik::BłądŹródła;
        if (const int zFd = źródła.otwórz(z.katalog, m_zaufane[std::size_t(j)], kod); zFd >= 0) {
            const int cFd = cele.otwórz(c.katalog, KatalogDocelowy.size(), kod);
            wynik = cFd < 0 ? Wynik::BłądCelu : m_kopia->kopiuj(zFd, z.nazwa, cFd, c.nazwa, Nadpisuj, kod);
        }
        if (wynik == Wynik::Przerwano)
            break;
        if (wynik == Wynik::Skopiowano) {
            ++m_postęp.Skopiowane;
            if (m_kopia->Utworzył && PoUtworzeniu)
                PoUtworzeniu(lstWynikF2.at(j));
        } else if (wynik == Wynik::BłądŹródła) {
            błąd(kod, lstWynikF.at(j));
            if (PoBłędzieŹródła)
                PoBłędzieŹródła(m_błędy.back());
        } else if (wynik == Wynik::BłądCelu) {
            błąd(kod, lstWynikF2.at(j));
        }
        if (PoPliku)
            PoPliku(j, wynik == Wynik::Skopiowano);
        m_postęp.Bajty = m_bajtyPrzedPlikiem + m_rozmiary[std::size_t(j)];
        m_postęp.Pliki = j + 1;
        if (licznik > 9) {
            licznik = 0;
            zgłoś();
        }
        ++licznik;
    }
    UstawAtrybutyKatalogów();
    zgłoś();
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

void Kopiarka::błąd(int kod, const QString &ścieżka)
{
    m_błędy.push_back(oc::platform::FileError{kod, ścieżka});
}

} // namespace occopy
