#include "Szukanie.h"

#include <QStringView>
#include <algorithm>
#include <array>

namespace {

// The length of the match of w at the start of b, or -1.
qint64 Dopasuj(const Wzorzec &w, QByteArrayView b)
{
    qint64 j = 0;
    for (const std::vector<QByteArray> &znak : w.znaki) {
        const QByteArrayView reszta = b.sliced(j);
        const auto pasuje
            = std::find_if(znak.begin(), znak.end(), [&](const QByteArray &f) { return reszta.startsWith(f); });
        if (pasuje == znak.end())
            return -1;
        j += pasuje->size();
    }
    return j;
}

} // namespace

qint64 Wzorzec::NajdłuższeTrafienie() const
{
    qint64 n = 0;
    for (const std::vector<QByteArray> &znak : znaki) {
        qint64 najdłuższa = 0;
        for (const QByteArray &f : znak)
            najdłuższa = std::max<qint64>(najdłuższa, f.size());
        n += najdłuższa;
    }
    return n;
}

Wzorzec WzorzecTekstu(const QString &tekst, const Kodowanie &k, qint64 początek)
{
    Wzorzec w;
    w.wyrównanie = k.jednostka;
    w.początek = początek;
    for (qsizetype i = 0; i < tekst.size();) {
        const qsizetype długość = tekst.at(i).isHighSurrogate() && i + 1 < tekst.size() ? 2 : 1;
        const QString znak = tekst.mid(i, długość);
        i += długość;
        std::vector<QByteArray> formy;
        for (const QString &forma : {znak, znak.toLower(), znak.toUpper(), znak.toCaseFolded()}) {
            bool ok = false;
            const QByteArray bajty = Koduj(k, forma, &ok);
            if (ok && !bajty.isEmpty() && std::find(formy.begin(), formy.end(), bajty) == formy.end())
                formy.push_back(bajty);
        }
        // A character the encoding cannot hold cannot be in the file.
        if (formy.empty())
            return {};
        w.znaki.push_back(std::move(formy));
    }
    return w;
}

Wzorzec WzorzecBajtów(const QString &tekst)
{
    QString cyfry = tekst;
    cyfry.remove(u' ');
    if (cyfry.isEmpty() || cyfry.size() % 2 != 0)
        return {};
    Wzorzec w;
    for (qsizetype i = 0; i < cyfry.size(); i += 2) {
        bool ok = false;
        const uint bajt = QStringView(cyfry).mid(i, 2).toUInt(&ok, 16);
        if (!ok)
            return {};
        w.znaki.push_back({QByteArray(1, char(bajt))});
    }
    return w;
}

std::optional<Trafienie> Szukaj(Strony &strony, const Wzorzec &w, qint64 od, const std::atomic<bool> *przerwij)
{
    if (w.pusty())
        return std::nullopt;
    // The bytes a hit can start with, to skip the rest at once.
    std::array<bool, 256> pierwszy{};
    for (const QByteArray &f : w.znaki.front())
        pierwszy[quint8(f.front())] = true;
    const qint64 zapas = w.NajdłuższeTrafienie() - 1;
    if (w.wyrównanie > 1 && (od - w.początek) % w.wyrównanie != 0)
        od += w.wyrównanie - (od - w.początek) % w.wyrównanie;
    for (qint64 strona = std::max<qint64>(0, od); strona < strony.Rozmiar(); strona += Strony::RozmiarStrony) {
        if (przerwij && przerwij->load())
            return std::nullopt;
        const qint64 krok = std::min(Strony::RozmiarStrony, strony.Rozmiar() - strona);
        // A page and what a hit starting on it may run into.
        const QByteArray b = strony.Bajty(strona, krok + zapas);
        const QByteArrayView widok(b);
        for (qint64 i = 0; i < std::min<qint64>(krok, b.size()); ++i) {
            if (!pierwszy[quint8(b[i])] || (strona + i - w.początek) % w.wyrównanie != 0)
                continue;
            const qint64 długość = Dopasuj(w, widok.sliced(i));
            if (długość > 0)
                return Trafienie{strona + i, długość};
        }
    }
    return std::nullopt;
}
