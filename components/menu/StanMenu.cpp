#include "StanMenu.h"

#include <ui/Keys.h>

namespace menuoc {

namespace vk = oc::ui::vk;

namespace {

// One step past either end comes round to the other.
int zawiń(int i, int liczba)
{
    return (i + liczba) % liczba;
}

// Index of the first access code equal to kod; a key without a code (0)
// never matches a text without an access letter.
int znajdź(const QList<int> &kody, int kod)
{
    return kod == 0 ? -1 : int(kody.indexOf(kod));
}

} // namespace

void StanMenu::NowyPasek(std::optional<qint32> start)
{
    m_start = start;
    m_wybrano = false;
    // The keys move from WybraneMenu, which an earlier Esc left at 65535.
    if (WybraneMenu < 0 || WybraneMenu >= LiczbaWpisów)
        WybraneMenu = 0;
}

Reakcja StanMenu::AktywacjaPaska()
{
    m_kodyPaska.clear();
    for (const WpisPaska &wpis : WpisyPaska())
        m_kodyPaska << KodDostępu(wpis.Tekst);
    Reakcja r;
    if (!m_start)
        return r;
    qint32 start = *m_start;
    m_start.reset();
    const bool otwórz = start > 99;
    if (otwórz)
        start -= 100;
    // A start naming no entry opens the bar on the first, without its list.
    const bool wpis = start >= 0 && start < LiczbaWpisów;
    WybraneMenu = wpis ? start : 0;
    r.Zapal = WybraneMenu;
    if (otwórz && wpis)
        r.DoSiebie << vk::Down;
    return r;
}

Reakcja StanMenu::KlawiszPaska(int kod)
{
    Reakcja r;
    if (m_wybrano)
        return r;
    switch (kod) {
    case vk::Escape:
    case vk::F10:
        WybraneMenu = WybranaPozycja = BrakWyboru;
        r.ZamknijListę = r.ZamknijPasek = true;
        return r;
    case vk::Left: return przesuń(WybraneMenu, zawiń(WybraneMenu - 1, LiczbaWpisów));
    case vk::Right: return przesuń(WybraneMenu, zawiń(WybraneMenu + 1, LiczbaWpisów));
    case vk::Down: r.OtwórzListę = true; return r;
    default: break;
    }
    const int wpis = znajdź(m_kodyPaska, kod);
    if (wpis < 0)
        return r;
    r = przesuń(WybraneMenu, wpis);
    r.DoSiebie << vk::Down;
    return r;
}

Reakcja StanMenu::KlikPaska(int wpis)
{
    if (m_wybrano)
        return {};
    if (wpis != WybraneMenu)
        return przesuń(WybraneMenu, wpis);
    Reakcja r;
    r.DoSiebie << vk::Down;
    return r;
}

Reakcja StanMenu::DwuklikPaska(int wpis)
{
    if (m_wybrano)
        return {};
    Reakcja r = wpis != WybraneMenu ? przesuń(WybraneMenu, wpis) : Reakcja{};
    r.DoSiebie << vk::Down;
    return r;
}

void StanMenu::ZamknięciePaska()
{
    if (!m_wybrano)
        WybraneMenu = WybranaPozycja = BrakWyboru;
}

void StanMenu::AktywacjaListy()
{
    Pozycje = PozycjeMenu(WybraneMenu);
    WybranaPozycja = 0;
    m_kodyListy.clear();
    for (const Pozycja &pozycja : Pozycje)
        m_kodyListy << KodDostępu(pozycja.Tekst);
}

Reakcja StanMenu::KlawiszListy(int kod)
{
    const int liczba = int(Pozycje.size());
    Reakcja r;
    switch (kod) {
    case vk::Return:
    case vk::Space:
        m_wybrano = true;
        r.Wybrano = r.ZamknijListę = true;
        return r;
    case vk::Escape:
    case vk::F10: r.ZamknijListę = true; return r;
    case vk::Up: return przesuń(WybranaPozycja, zawiń(WybranaPozycja - 1, liczba));
    case vk::Down: return przesuń(WybranaPozycja, zawiń(WybranaPozycja + 1, liczba));
    case vk::Left:
    case vk::Right:
        r.ZamknijListę = true;
        r.DoPaska << kod << vk::Down;
        return r;
    default: break;
    }
    const int pozycja = znajdź(m_kodyListy, kod);
    if (pozycja < 0)
        return r;
    r = przesuń(WybranaPozycja, pozycja);
    r.DoSiebie << vk::Return;
    return r;
}

Reakcja StanMenu::KlikListy(int pozycja)
{
    Reakcja r = przesuń(WybranaPozycja, pozycja);
    r.DoSiebie << vk::Return;
    return r;
}

Reakcja StanMenu::przesuń(qint32 &bieżący, int nowy)
{
    Reakcja r;
    r.Zgaś = bieżący;
    bieżący = nowy;
    r.Zapal = nowy;
    return r;
}

} // namespace menuoc
