#include "Midi.h"

#include <algorithm>
#include <vector>

namespace oc {

namespace {

// Reads big-endian fields; every read says whether the data held it.
class Czytnik
{
public:
    explicit Czytnik(QByteArrayView dane) : m_dane(dane) {}

    bool koniec() const { return m_poz >= m_dane.size(); }

    bool bajt(quint8 &wartość)
    {
        if (koniec())
            return false;
        wartość = quint8(m_dane[m_poz++]);
        return true;
    }

    bool liczba(int bajtów, quint32 &wartość)
    {
        wartość = 0;
        for (int i = 0; i < bajtów; ++i) {
            quint8 b = 0;
            if (!bajt(b))
                return false;
            wartość = wartość << 8 | b;
        }
        return true;
    }

    // A variable-length quantity: at most four bytes of seven bits.
    bool zmienna(quint32 &wartość)
    {
        wartość = 0;
        for (int i = 0; i < 4; ++i) {
            quint8 b = 0;
            if (!bajt(b))
                return false;
            wartość = wartość << 7 | (b & 0x7F);
            if (!(b & 0x80))
                return true;
        }
        return false;
    }

    bool kawałek(quint32 długość, QByteArrayView &wynik)
    {
        if (długość > quint64(m_dane.size() - m_poz))
            return false;
        wynik = m_dane.sliced(m_poz, długość);
        m_poz += długość;
        return true;
    }

    bool pomiń(quint32 długość)
    {
        QByteArrayView pominięte;
        return kawałek(długość, pominięte);
    }

private:
    QByteArrayView m_dane;
    qsizetype m_poz = 0;
};

struct ZmianaTempa
{
    quint64 takt;
    quint32 mikrosekundNaĆwierćnutę;
};

bool rozdział(Czytnik &plik, QByteArrayView &nazwa, QByteArrayView &treść)
{
    quint32 długość = 0;
    return plik.kawałek(4, nazwa) && plik.liczba(4, długość) && plik.kawałek(długość, treść);
}

// Data bytes after a channel status byte.
quint32 bajtówDanych(quint8 status)
{
    return (status & 0xF0) == 0xC0 || (status & 0xF0) == 0xD0 ? 1 : 2;
}

// The tick after the track's last event; tempo changes go to tempa.
std::optional<quint64> ścieżka(QByteArrayView treść, std::vector<ZmianaTempa> &tempa)
{
    Czytnik ś(treść);
    quint64 takt = 0;
    quint8 status = 0; // the running status, 0 when none holds
    while (!ś.koniec()) {
        quint32 odstęp = 0;
        quint8 b = 0;
        if (!ś.zmienna(odstęp) || !ś.bajt(b))
            return {};
        takt += odstęp;
        if (b == 0xFF) {
            quint8 typ = 0;
            quint32 długość = 0;
            if (!ś.bajt(typ) || !ś.zmienna(długość))
                return {};
            if (typ == 0x51 && długość == 3) {
                quint32 tempo = 0;
                if (!ś.liczba(3, tempo))
                    return {};
                if (tempo > 0)
                    tempa.push_back({takt, tempo});
            } else if (!ś.pomiń(długość)) {
                return {};
            }
            if (typ == 0x2F)
                return takt;
            status = 0;
            continue;
        }
        if (b == 0xF0 || b == 0xF7) {
            quint32 długość = 0;
            if (!ś.zmienna(długość) || !ś.pomiń(długość))
                return {};
            status = 0;
            continue;
        }
        if (b > 0xF0)
            return {}; // real-time and system messages belong to a cable, not to a file
        quint32 danych = 0;
        if (b & 0x80) {
            status = b;
            danych = bajtówDanych(b);
        } else if (status) {
            danych = bajtówDanych(status) - 1; // b was the first of them
        } else {
            return {};
        }
        if (!ś.pomiń(danych))
            return {};
    }
    return takt;
}

} // namespace

std::optional<qint64> DługośćMidi(QByteArrayView dane)
{
    Czytnik plik(dane);
    QByteArrayView nazwa;
    QByteArrayView nagłówek;
    if (!rozdział(plik, nazwa, nagłówek) || nazwa != "MThd" || nagłówek.size() < 6)
        return {};
    Czytnik n(nagłówek);
    quint32 format = 0, ścieżek = 0, podział = 0;
    n.liczba(2, format);
    n.liczba(2, ścieżek);
    n.liczba(2, podział);
    if (format > 2 || ścieżek == 0 || podział == 0)
        return {};

    std::vector<ZmianaTempa> tempa;
    quint64 koniec = 0;
    quint32 przeczytanych = 0;
    while (przeczytanych < ścieżek) {
        QByteArrayView treść;
        if (!rozdział(plik, nazwa, treść))
            return {};
        if (nazwa != "MTrk")
            continue; // chunks of other kinds are to be skipped
        const std::optional<quint64> takt = ścieżka(treść, tempa);
        if (!takt)
            return {};
        koniec = std::max(koniec, *takt);
        ++przeczytanych;
    }

    double mikrosekundy = 0;
    if (podział & 0x8000) {
        // Frames per second and ticks per frame: a tick of fixed length.
        const int klatek = -qint8(podział >> 8);
        const int taktówNaKlatkę = int(podział & 0xFF);
        if (klatek <= 0 || taktówNaKlatkę == 0)
            return {};
        mikrosekundy = double(koniec) * 1e6 / (klatek * taktówNaKlatkę);
    } else {
        std::stable_sort(tempa.begin(), tempa.end(),
                         [](const ZmianaTempa &a, const ZmianaTempa &b) { return a.takt < b.takt; });
        quint64 takt = 0;
        double tempo = 500000; // 120 quarter notes a minute until told otherwise
        for (const ZmianaTempa &zmiana : tempa) {
            if (zmiana.takt >= koniec)
                break;
            mikrosekundy += double(zmiana.takt - takt) * tempo / podział;
            takt = zmiana.takt;
            tempo = zmiana.mikrosekundNaĆwierćnutę;
        }
        mikrosekundy += double(koniec - takt) * tempo / podział;
    }
    return qint64(std::min(mikrosekundy / 1000, 1e15));
}

} // namespace oc
