#include "ZmianaAtrybutow.h"

#include <platform/Attributes.h>
#include <platform/Directory.h>
#include <platform/Paths.h>
#include <platform/Walk.h>
#include <undo/Dziennik.h>

#include <cerrno>
#include <utility>

namespace oc2 {

namespace platform = oc::platform;

namespace {

bool jestDowiązaniem(const QString &ścieżka)
{
    const std::optional<platform::EntryInfo> wpis = platform::entryInfo(ścieżka);
    return wpis && wpis->isLink;
}

// "x/.." names the parent of x, "x/." x itself and "/" everything: none
// is what the user chose, and a whole tree above it would be written.
bool wybranyPoNazwie(const QString &ścieżka)
{
    const QString nazwa = ścieżka.section(u'/', -1);
    return !nazwa.isEmpty() && nazwa != u"." && nazwa != u"..";
}

} // namespace

ZmianaAtrybutów::ZmianaAtrybutów(QStringList katalogi, QStringList pliki, bool podkatalogi, quint32 maska)
    : Katalogi(std::move(katalogi)), Pliki(std::move(pliki)), Podkatalogi(podkatalogi), Maska(maska)
{}

void ZmianaAtrybutów::Wykonaj()
{
    m_zapis = oc::undo::Dziennik().zacznij(oc::undo::Rodzaj::Atrybuty, oc::undo::opisPozycji(Pliki + Katalogi));
    Zmieniaj();
    m_zapis.reset();
}

void ZmianaAtrybutów::Zmieniaj()
{
    for (const QString &plik : Pliki) {
        if (m_stop)
            return;
        const std::optional<quint32> przed = platform::readAttributes(plik);
        platform::FileError błąd;
        platform::writeAttributes(plik, Maska, &błąd);
        Zapisany(plik, przed, std::move(błąd));
    }
    if (!Podkatalogi)
        return;
    for (const QString &katalog : Katalogi) {
        if (m_stop)
            return;
        const QString bezUkośnika = platform::withoutSeparator(katalog);
        if (!wybranyPoNazwie(bezUkośnika))
            m_błędy.push_back({EINVAL, katalog});
        // lstat of "link/" would answer for the target.
        else if (!jestDowiązaniem(bezUkośnika))
            Przeglądaj(katalog);
    }
}

void ZmianaAtrybutów::Przeglądaj(const QString &katalog)
{
    platform::WalkControl sterowanie;
    sterowanie.stop = &m_stop;
    sterowanie.rootThroughLink = false;
    sterowanie.failed = [this](const platform::FileError &błąd) { m_błędy.push_back(błąd); };
    platform::FileError błąd;
    const bool przeczytany = platform::walkTree(
        katalog,
        [this](const platform::WalkEntry &wpis) {
            if (wpis.isDirectory || wpis.isLink)
                return;
            const QString ścieżka = wpis.path();
            m_znalezione.append(ścieżka);
            const std::optional<quint32> przed = platform::readAttributes(ścieżka);
            platform::FileError błąd;
            platform::writeAttributes(wpis, Maska, &błąd);
            Zapisany(ścieżka, przed, std::move(błąd));
        },
        &błąd, sterowanie);
    if (!przeczytany)
        m_błędy.push_back(std::move(błąd));
}

void ZmianaAtrybutów::Zapisany(const QString &ścieżka, std::optional<quint32> przed, platform::FileError błąd)
{
    if (błąd.failed())
        m_błędy.push_back(std::move(błąd));
    else if (m_zapis && przed && *przed != Maska)
        m_zapis->atrybuty(ścieżka, *przed);
    ++m_zapisane;
    if (poZapisie)
        poZapisie();
}

} // namespace oc2
