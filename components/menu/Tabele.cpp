#include "Tabele.h"

namespace menuoc {

const std::array<WpisPaska, LiczbaWpisów> &WpisyPaska()
{
    static const std::array<WpisPaska, LiczbaWpisów> wpisy{{
        {QStringLiteral("-"), 0, 375},
        {QStringLiteral("&Lewy panel"), 720, 1455},
        {QStringLiteral("Pli&ki"), 2400, 735},
        {QStringLiteral("&Dyski"), 3360, 735},
        {QStringLiteral("P&olecenia"), 4320, 1215},
        {QStringLiteral("&Prawy panel"), 5760, 1455},
        {QStringLiteral("Pomo&c "), 0, 1095},
    }};
    return wpisy;
}

int LewaWpisu(int wpis, int szerokośćPaska)
{
    const WpisPaska &w = WpisyPaska().at(wpis);
    return wpis == LiczbaWpisów - 1 ? szerokośćPaska - w.Szerokość : w.Lewa;
}

namespace {

// The order and view items both panel lists end with.
QList<Pozycja> PozycjePanelu()
{
    return {{QStringLiteral("Według &nazwy"), QStringLiteral("CTRL+F3")},
            {QStringLiteral("Według &rozszerzenia"), QStringLiteral("CTRL+F4")},
            {QStringLiteral("Według &daty"), QStringLiteral("CTRL+F5")},
            {QStringLiteral("Według &wielkości"), QStringLiteral("CTRL+F6")},
            {QStringLiteral("&Bez sortowania"), QStringLiteral("CTRL+F7")},
            {QStringLiteral("Widok &skrócony"), QStringLiteral("CTRL+F1")},
            {QStringLiteral("Widok &pełny"), QStringLiteral("CTRL+F2")}};
}

} // namespace

QList<Pozycja> PozycjeMenu(int menu)
{
    switch (menu) {
    case 0: return {{QStringLiteral("&Kalkulator"), {}}, {QStringLiteral("&Falrow"), {}}};
    case 1:
        return QList<Pozycja>{{QStringLiteral("&Zmień dysk"), QStringLiteral("ALT+F1")},
                              {QStringLiteral("&Filtr"), {}},
                              {QStringLiteral("&Odśwież"), {}}}
               + PozycjePanelu();
    case 2:
        return {{QStringLiteral("&Menu użytkownika"), QStringLiteral("F2")},
                {QStringLiteral("&Podgląd pliku"), QStringLiteral("F3")},
                {QStringLiteral("&Atrybuty plików"), {}},
                {QStringLiteral("Prze&nieś"), QStringLiteral("F6")},
                {QStringLiteral("&Zmień nazwę"), QStringLiteral("S+F6")},
                {QStringLiteral("&Usuń do kosza"), QStringLiteral("F8")},
                {QStringLiteral("Usuń na za&wsze"), QStringLiteral("S+F8")},
                {QStringLiteral("&Cofnij ..."), QStringLiteral("CTRL+Z")}};
    case 3: return {{QStringLiteral("&Formatuj dyskietkę ..."), {}}, {QStringLiteral("&Etykieta dysku ..."), {}}};
    case 4:
        return {{QStringLiteral("&Zamień panele"), QStringLiteral("CTRL+U")},
                {QStringLiteral("&Info o systemie ..."), {}}};
    case 5:
        return QList<Pozycja>{{QStringLiteral("&Zmień dysk"), QStringLiteral("ALT+F2")},
                              {QStringLiteral("&Filtr"), {}},
                              {QStringLiteral("&Odśwież"), {}}}
               + PozycjePanelu();
    case 6:
        return {{QStringLiteral("&Pomoc ..."), QStringLiteral("F1")},
                {QStringLiteral("&O programie ..."), QStringLiteral("S+F1")},
                {QStringLiteral("&Strona WWW programu"), {}},
                {QStringLiteral("&Mail do autora programu"), {}}};
    default: return {};
    }
}

int KodDostępu(const QString &tekst)
{
    const qsizetype at = tekst.indexOf(u'&');
    if (at < 0 || at + 1 >= tekst.size())
        return 0;
    return tekst.at(at + 1).toUpper().unicode();
}

int LewaListy(int lewaWpisu, int szerokośćWpisu, int lewaPaska, int prawaEkranu)
{
    const int lewa = lewaWpisu + lewaPaska;
    if (lewa + SzerokośćListy > prawaEkranu)
        return lewaWpisu + szerokośćWpisu + lewaPaska - SzerokośćListy;
    return lewa;
}

} // namespace menuoc
