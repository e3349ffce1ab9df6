#include "WidokPelny.h"

#include "InfoKatalogu.h"
#include "TekstDaty.h"

SzerokościKolumn RozłóżKolumny(int szerokość, const SzerokościKolumn &najszersze)
{
    SzerokościKolumn wynik = najszersze;
    const auto nazwa = [&] {
        int reszta = szerokość;
        for (const int w : wynik)
            reszta -= w ? w + OdstępKolumn : 0;
        return reszta;
    };
    for (const size_t zbędna : {size_t(2), size_t(1), size_t(0)}) {
        if (3 * nazwa() >= szerokość)
            break;
        wynik[zbędna] = 0;
    }
    return wynik;
}

QString TekstUprawnień(quint16 prawa)
{
    QString tekst(9, u'-');
    static const char litery[] = "rwx";
    for (int i = 0; i < 9; ++i)
        if (prawa & (0400 >> i))
            tekst[i] = QChar(litery[i % 3]);
    // Set-user-id, set-group-id and sticky take the place of an x.
    const struct
    {
        quint16 bit;
        int miejsce;
        char16_t znak;
    } specjalne[] = {{04000, 2, u's'}, {02000, 5, u's'}, {01000, 8, u't'}};
    for (const auto &s : specjalne)
        if (prawa & s.bit)
            tekst[s.miejsce] = tekst.at(s.miejsce) == u'x' ? QChar(s.znak) : QChar(s.znak).toUpper();
    return tekst;
}

std::array<QString, 3> TekstyKolumn(const oc::platform::EntryInfo *wpis, bool katalog)
{
    if (!wpis)
        return {};
    return {katalog ? QStringLiteral(">KAT<") : TekstZOdstępami(wpis->size), TekstDaty(wpis->modified),
            TekstUprawnień(wpis->permissions)};
}
