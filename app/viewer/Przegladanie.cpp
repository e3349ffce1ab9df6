#include "Przegladanie.h"

#include <QStringList>
#include <algorithm>

using namespace oc;

namespace {

constexpr int KrokTabulacji = 8;
constexpr int BajtówWWierszu = 16;
constexpr QChar Niewidoczny(0x00B7); // a control code, or a byte with no character of its own

// Appends text as it is drawn: a tab up to the next stop, any other control
// code as a dot.
void Dopisz(QString &cel, QStringView tekst)
{
    for (const QChar c : tekst) {
        if (c == u'\t') {
            do
                cel.append(u' ');
            while (cel.size() % KrokTabulacji != 0);
        } else if (c.unicode() < 0x20 || c.unicode() == 0x7F) {
            cel.append(Niewidoczny);
        } else {
            cel.append(c);
        }
    }
}

// Columns od..od+ile of a drawn line, with the part of the hit among them.
WierszEkranu Wycinek(const QString &tekst, std::pair<int, int> trafienie, int od, int ile)
{
    WierszEkranu w{tekst.mid(od, ile), {}};
    const int a = std::max(trafienie.first, od), z = std::min(trafienie.second, od + ile);
    if (a < z)
        w.wyróżnione.emplace_back(a - od, z - od);
    return w;
}

} // namespace

Przeglądanie::Przeglądanie(std::shared_ptr<const platform::ReadOnlyFile> plik) : m_strony(std::move(plik))
{
    m_wykryte = Wykryj(m_strony.Bajty(0, Strony::RozmiarStrony));
    m_tryb = m_wykryte.tekst ? Tryb::Tekst : Tryb::Szesnastkowy;
    UstawKodowanie(m_wykryte.kodowanie);
}

void Przeglądanie::UstawKodowanie(const Kodowanie &k)
{
    m_kod = k;
    // The byte order mark belongs to the encoding it was found for.
    const qint64 początek = k == m_wykryte.kodowanie ? m_wykryte.bom : 0;
    m_linie = std::make_unique<Linie>(m_strony, początek, k.jednostka, k.bigEndian);
    for (int b = 0; b < 256; ++b) {
        QChar znak = Niewidoczny;
        if (k.jednostka == 1) {
            const char bajt = char(b);
            const QString s = Dekoduj(k, QByteArrayView(&bajt, 1));
            if (s.size() == 1 && s.at(0).isPrint() && s.at(0) != QChar::ReplacementCharacter)
                znak = s.at(0);
        } else if (b >= 0x20 && b < 0x7F) {
            znak = QChar(b);
        }
        m_znakiHex[size_t(b)] = znak;
    }
    m_góra = {m_linie->Zawierająca(std::max(m_góra.linia, początek)), 0};
    m_trafienie.reset();
}

void Przeglądanie::UstawRozmiar(int wiersze, int kolumny)
{
    m_wiersze = std::max(1, wiersze);
    m_kolumny = std::max(1, kolumny);
}

qint64 Przeglądanie::PierwszyBajt() const
{
    return m_tryb == Tryb::Tekst ? m_góra.linia : m_góraHex;
}

Przeglądanie::Rozwinięta Przeglądanie::Rozwiń(const Linie::Linia &l)
{
    Rozwinięta r;
    const QByteArray b = m_strony.Bajty(l.początek, l.koniec - l.początek);
    const qint64 koniec = l.początek + b.size();
    qint64 a = koniec, z = koniec;
    if (m_trafienie) {
        a = std::clamp(m_trafienie->początek, l.początek, koniec);
        z = std::clamp(m_trafienie->koniec(), l.początek, koniec);
    }
    const auto dopisz = [&](qint64 od, qint64 przed) {
        if (przed > od)
            Dopisz(r.tekst, Dekoduj(m_kod, QByteArrayView(b).sliced(od - l.początek, przed - od)));
    };
    dopisz(l.początek, a);
    if (z > a) {
        const int od = int(r.tekst.size());
        dopisz(a, z);
        r.trafienie = {od, int(r.tekst.size())};
    }
    dopisz(z, koniec);
    return r;
}

int Przeglądanie::WierszyLinii(qint64 linia)
{
    if (!m_zawijanie)
        return 1;
    const qsizetype długość = Rozwiń(m_linie->Czytaj(linia)).tekst.size();
    return std::max<int>(1, int((długość + m_kolumny - 1) / m_kolumny));
}

std::optional<Przeglądanie::Pozycja> Przeglądanie::Niżej(Pozycja p)
{
    if (m_zawijanie && p.wiersz + 1 < WierszyLinii(p.linia))
        return Pozycja{p.linia, p.wiersz + 1};
    const qint64 następna = m_linie->Czytaj(p.linia).następna;
    if (następna >= m_strony.Rozmiar() || następna <= p.linia)
        return std::nullopt;
    return Pozycja{następna, 0};
}

std::optional<Przeglądanie::Pozycja> Przeglądanie::Wyżej(Pozycja p)
{
    if (p.wiersz > 0)
        return Pozycja{p.linia, p.wiersz - 1};
    if (p.linia <= m_linie->Początek())
        return std::nullopt;
    const qint64 poprzednia = m_linie->Poprzednia(p.linia);
    return Pozycja{poprzednia, WierszyLinii(poprzednia) - 1};
}

Przeglądanie::Pozycja Przeglądanie::OstatniaGóra()
{
    const qint64 ostatnia = m_linie->Ostatnia();
    Pozycja p{ostatnia, WierszyLinii(ostatnia) - 1};
    for (int i = 1; i < m_wiersze; ++i) {
        const std::optional<Pozycja> wyżej = Wyżej(p);
        if (!wyżej)
            break;
        p = *wyżej;
    }
    return p;
}

qint64 Przeglądanie::NajdalszaGóraHex() const
{
    const qint64 wierszy = (m_strony.Rozmiar() + BajtówWWierszu - 1) / BajtówWWierszu;
    return std::max<qint64>(0, wierszy - m_wiersze) * BajtówWWierszu;
}

void Przeglądanie::Dół(int wierszy)
{
    if (m_tryb == Tryb::Szesnastkowy) {
        m_góraHex = std::max(m_góraHex, std::min(m_góraHex + qint64(wierszy) * BajtówWWierszu, NajdalszaGóraHex()));
        return;
    }
    const Pozycja granica = OstatniaGóra();
    for (int i = 0; i < wierszy && m_góra < granica; ++i) {
        const std::optional<Pozycja> niżej = Niżej(m_góra);
        if (!niżej)
            break;
        m_góra = *niżej;
    }
}

void Przeglądanie::Góra(int wierszy)
{
    if (m_tryb == Tryb::Szesnastkowy) {
        m_góraHex = std::max<qint64>(0, m_góraHex - qint64(wierszy) * BajtówWWierszu);
        return;
    }
    for (int i = 0; i < wierszy; ++i) {
        const std::optional<Pozycja> wyżej = Wyżej(m_góra);
        if (!wyżej)
            break;
        m_góra = *wyżej;
    }
}

void Przeglądanie::Początek()
{
    m_góra = {m_linie->Początek(), 0};
    m_góraHex = 0;
    m_przesunięcie = 0;
}

void Przeglądanie::Koniec()
{
    if (m_tryb == Tryb::Szesnastkowy)
        m_góraHex = NajdalszaGóraHex();
    else
        m_góra = OstatniaGóra();
}

void Przeglądanie::Lewo()
{
    if (m_tryb == Tryb::Tekst && !m_zawijanie)
        m_przesunięcie = std::max(0, m_przesunięcie - KrokTabulacji);
}

void Przeglądanie::Prawo()
{
    if (m_tryb == Tryb::Tekst && !m_zawijanie)
        m_przesunięcie = std::min<int>(m_przesunięcie + KrokTabulacji, Linie::NajdłuższaLinia);
}

void Przeglądanie::PrzełączTryb()
{
    if (m_tryb == Tryb::Tekst) {
        m_góraHex = m_góra.linia / BajtówWWierszu * BajtówWWierszu;
        m_tryb = Tryb::Szesnastkowy;
    } else {
        m_góra = {m_linie->Zawierająca(std::max(m_góraHex, m_linie->Początek())), 0};
        m_tryb = Tryb::Tekst;
    }
}

void Przeglądanie::PrzełączZawijanie()
{
    m_zawijanie = !m_zawijanie;
    m_góra.wiersz = 0;
    m_przesunięcie = 0;
}

void Przeglądanie::NastępneKodowanie()
{
    UstawKodowanie(::NastępneKodowanie(m_kod));
}

void Przeglądanie::Odśwież()
{
    m_strony.Odśwież();
    if (PierwszyBajt() >= m_strony.Rozmiar())
        Koniec();
}

std::vector<WierszEkranu> Przeglądanie::Ekran()
{
    return m_tryb == Tryb::Tekst ? EkranTekstu() : EkranHex();
}

std::vector<WierszEkranu> Przeglądanie::EkranTekstu()
{
    std::vector<WierszEkranu> wiersze;
    // The file may have shrunk under the screen.
    if (m_góra.linia >= m_strony.Rozmiar() && m_strony.Rozmiar() > m_linie->Początek())
        m_góra = OstatniaGóra();
    qint64 linia = m_góra.linia;
    int pomiń = m_góra.wiersz;
    m_koniecEkranu = linia;
    while (int(wiersze.size()) < m_wiersze && linia < m_strony.Rozmiar()) {
        const Linie::Linia l = m_linie->Czytaj(linia);
        const Rozwinięta r = Rozwiń(l);
        bool cała = true;
        if (m_zawijanie) {
            const int wierszy = std::max<int>(1, int((r.tekst.size() + m_kolumny - 1) / m_kolumny));
            for (int i = std::min(pomiń, wierszy - 1); i < wierszy; ++i) {
                if (int(wiersze.size()) == m_wiersze) {
                    cała = false;
                    break;
                }
                wiersze.push_back(Wycinek(r.tekst, r.trafienie, i * m_kolumny, m_kolumny));
            }
        } else {
            wiersze.push_back(Wycinek(r.tekst, r.trafienie, m_przesunięcie, m_kolumny));
        }
        pomiń = 0;
        if (!cała || l.następna <= linia)
            break;
        m_koniecEkranu = linia = l.następna;
    }
    return wiersze;
}

std::vector<WierszEkranu> Przeglądanie::EkranHex()
{
    std::vector<WierszEkranu> wiersze;
    const qint64 rozmiar = m_strony.Rozmiar();
    m_góraHex = std::min(m_góraHex, NajdalszaGóraHex());
    m_koniecEkranu = m_góraHex;
    const int cyfry = std::max<int>(8, int(QString::number(std::max<qint64>(0, rozmiar - 1), 16).size()));
    const auto kolumnaHex = [cyfry](qint64 i) { return int(cyfry + 2 + i * 3 + (i >= 8 ? 1 : 0)); };
    const int kolumnaZnaków = kolumnaHex(BajtówWWierszu) + 1;
    for (int r = 0; r < m_wiersze; ++r) {
        const qint64 od = m_góraHex + qint64(r) * BajtówWWierszu;
        const QByteArray b = m_strony.Bajty(od, BajtówWWierszu);
        if (b.isEmpty())
            break;
        WierszEkranu w;
        w.tekst = QStringLiteral("%1").arg(od, cyfry, 16, QLatin1Char('0')).toUpper();
        w.tekst.resize(kolumnaZnaków, u' ');
        for (qsizetype i = 0; i < b.size(); ++i) {
            const QString cyfryBajtu = QStringLiteral("%1").arg(quint8(b[i]), 2, 16, QLatin1Char('0')).toUpper();
            w.tekst.replace(kolumnaHex(i), 2, cyfryBajtu);
            w.tekst.append(m_znakiHex[quint8(b[i])]);
        }
        if (m_trafienie) {
            const qint64 a = std::max(m_trafienie->początek, od) - od;
            const qint64 z = std::min(m_trafienie->koniec(), od + b.size()) - od;
            if (a < z) {
                w.wyróżnione.emplace_back(kolumnaHex(a), kolumnaHex(z - 1) + 2);
                w.wyróżnione.emplace_back(int(kolumnaZnaków + a), int(kolumnaZnaków + z));
            }
        }
        wiersze.push_back(std::move(w));
        m_koniecEkranu = od + b.size();
    }
    return wiersze;
}

QString Przeglądanie::Stan()
{
    QStringList części{m_kod.nazwa, m_tryb == Tryb::Tekst ? QStringLiteral("tekst") : QStringLiteral("szesnastkowo")};
    if (m_tryb == Tryb::Tekst && m_zawijanie)
        części << QStringLiteral("zawijanie");
    const qint64 rozmiar = m_strony.Rozmiar();
    części << QStringLiteral("%1%").arg(rozmiar > 0 ? m_koniecEkranu * 100 / rozmiar : 100);
    if (m_strony.BłądOdczytu())
        części << QStringLiteral("błąd odczytu");
    return części.join(QStringLiteral(" · "));
}

Wzorzec Przeglądanie::WzorzecDla(const QString &tekst) const
{
    if (m_tryb == Tryb::Szesnastkowy) {
        Wzorzec bajty = WzorzecBajtów(tekst);
        if (!bajty.pusty())
            return bajty;
    }
    return WzorzecTekstu(tekst, m_kod, m_linie->Początek());
}

qint64 Przeglądanie::PoczątekSzukania() const
{
    return m_trafienie ? m_trafienie->początek + 1 : PierwszyBajt();
}

void Przeglądanie::PokażTrafienie(const Trafienie &t)
{
    m_trafienie.reset();
    Ekran(); // where the screen ends now
    const bool naEkranie = t.początek >= PierwszyBajt() && t.początek < m_koniecEkranu;
    m_trafienie = t;
    if (m_tryb == Tryb::Szesnastkowy) {
        if (!naEkranie)
            m_góraHex = std::min(t.początek / BajtówWWierszu * BajtówWWierszu, NajdalszaGóraHex());
        return;
    }
    const qint64 linia = m_linie->Zawierająca(t.początek);
    const int kolumna = std::max(0, Rozwiń(m_linie->Czytaj(linia)).trafienie.first);
    if (m_zawijanie) {
        const int wiersz = kolumna / m_kolumny;
        if (!naEkranie || (linia == m_góra.linia && wiersz < m_góra.wiersz))
            m_góra = {linia, wiersz};
        return;
    }
    if (!naEkranie)
        m_góra = {linia, 0};
    if (kolumna < m_przesunięcie || kolumna >= m_przesunięcie + m_kolumny)
        m_przesunięcie = std::max(0, kolumna - m_kolumny / 4);
}

QString Przeglądanie::TekstEkranu()
{
    QStringList wiersze;
    for (const WierszEkranu &w : Ekran())
        wiersze << w.tekst;
    return wiersze.join(u'\n');
}

std::optional<QString> Przeglądanie::CałyTekst(qint64 limit)
{
    const qint64 początek = m_linie->Początek();
    if (m_strony.Rozmiar() > limit)
        return std::nullopt;
    return Dekoduj(m_kod, m_strony.Bajty(początek, m_strony.Rozmiar() - początek));
}
