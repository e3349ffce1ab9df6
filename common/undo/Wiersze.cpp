#include "Wiersze.h"

#include <platform/Names.h>
#include <platform/Trash.h>

#include <algorithm>
#include <charconv>

namespace oc::undo::wiersze {

namespace {

const QByteArray znakPoczątku = QByteArrayLiteral("OC-COFNIJ-1");

// The fields so far closed into a line by their checksum.
QByteArray zamknij(QByteArray treść)
{
    const QByteArray suma = QByteArray::number(qChecksum(treść), 16);
    treść.reserve(treść.size() + suma.size() + 2);
    treść += '\t';
    treść += suma;
    treść += '\n';
    return treść;
}

QByteArray wiersz(const QList<QByteArray> &pola)
{
    return zamknij(pola.join('\t'));
}

// A copy writes a step per file: its line is built in place, number by number.
template <class Liczba>
void dołączLiczbę(QByteArray &treść, Liczba liczba)
{
    char cyfry[24];
    const auto [koniec, błąd] = std::to_chars(std::begin(cyfry), std::end(cyfry), liczba);
    treść += '\t';
    treść.append(cyfry, koniec - cyfry);
}

// The fields of a line without its "\n"; nullopt when the checksum fails.
std::optional<QList<QByteArray>> pola(const QByteArray &linia)
{
    const qsizetype tab = linia.lastIndexOf('\t');
    if (tab < 0)
        return std::nullopt;
    const QByteArray treść = linia.left(tab);
    bool ok = false;
    if (linia.mid(tab + 1).toUShort(&ok, 16) != qChecksum(treść) || !ok)
        return std::nullopt;
    return treść.split('\t');
}

void dołączTożsamość(QByteArray &treść, const platform::Identity &t)
{
    dołączLiczbę(treść, t.device);
    dołączLiczbę(treść, t.inode);
    dołączLiczbę(treść, t.size);
    dołączLiczbę(treść, t.modifiedNs);
    treść += t.directory ? "\td" : "\tf";
}

std::optional<platform::Identity> tożsamość(const QList<QByteArray> &p, qsizetype od)
{
    if (p.size() != od + 5)
        return std::nullopt;
    platform::Identity t;
    bool ok[4] = {};
    t.device = p[od].toULongLong(&ok[0]);
    t.inode = p[od + 1].toULongLong(&ok[1]);
    t.size = p[od + 2].toLongLong(&ok[2]);
    t.modifiedNs = p[od + 3].toLongLong(&ok[3]);
    t.directory = p[od + 4] == "d";
    if (!(ok[0] && ok[1] && ok[2] && ok[3]))
        return std::nullopt;
    return t;
}

std::optional<Krok> krok(const QList<QByteArray> &p)
{
    if (p.isEmpty() || p[0].size() != 1)
        return std::nullopt;
    Krok k;
    k.typ = Krok::Typ(p[0][0]);
    qsizetype od = 0;
    switch (k.typ) {
    case Krok::Utworzony: od = 2; break;
    case Krok::Przeniesiony:
        k.skąd = tekst(p.value(2));
        od = 3;
        break;
    case Krok::WKoszu:
        k.skąd = tekst(p.value(2));
        k.info = tekst(p.value(3));
        od = 4;
        break;
    case Krok::Atrybuty: {
        bool ok = false;
        k.atrybuty = p.value(2).toUInt(&ok, 16);
        if (!ok)
            return std::nullopt;
        od = 3;
        break;
    }
    default: return std::nullopt;
    }
    k.gdzie = tekst(p.value(1));
    const std::optional<platform::Identity> t = tożsamość(p, od);
    if (!t)
        return std::nullopt;
    k.tożsamość = *t;
    return k;
}

} // namespace

QByteArray pole(const QString &tekst)
{
    static const char hex[] = "0123456789ABCDEF";
    const QByteArray nazwa = platform::encodeName(tekst);
    const auto doUcieczki = [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return b < 0x20 || b == 0x7F || c == '%';
    };
    if (std::none_of(nazwa.begin(), nazwa.end(), doUcieczki))
        return nazwa;
    QByteArray out;
    out.reserve(nazwa.size() + 16);
    for (const char c : nazwa) {
        const auto b = static_cast<unsigned char>(c);
        if (doUcieczki(c)) {
            out += '%';
            out += hex[b >> 4];
            out += hex[b & 0xF];
        } else {
            out += c;
        }
    }
    return out;
}

QString tekst(const QByteArray &pole)
{
    return platform::decodeName(platform::percentDecode(pole));
}

QByteArray początek(Rodzaj rodzaj, const QDateTime &czas, const QString &opis)
{
    return wiersz(
        {znakPoczątku, QByteArray::number(int(rodzaj)), QByteArray::number(czas.toMSecsSinceEpoch()), pole(opis)});
}

QByteArray krok(const Krok &k)
{
    const QByteArray gdzie = pole(k.gdzie);
    QByteArray treść;
    treść.reserve(gdzie.size() * 2 + 96);
    treść += char(k.typ);
    treść += '\t';
    treść += gdzie;
    if (k.typ == Krok::Przeniesiony || k.typ == Krok::WKoszu)
        treść += '\t' + pole(k.skąd);
    if (k.typ == Krok::WKoszu)
        treść += '\t' + pole(k.info);
    if (k.typ == Krok::Atrybuty)
        treść += '\t' + QByteArray::number(k.atrybuty, 16);
    dołączTożsamość(treść, k.tożsamość);
    return zamknij(std::move(treść));
}

QByteArray koniec()
{
    return wiersz({"E"});
}

QByteArray cofnięta(const QDateTime &czas)
{
    // Added long after the rest: a line a crash left unfinished must not
    // swallow it, so it starts on a line of its own.
    return '\n' + wiersz({"C", QByteArray::number(czas.toMSecsSinceEpoch())});
}

std::optional<Operacja> odczytaj(const QByteArray &treść)
{
    QList<QByteArray> linie = treść.split('\n');
    // What follows the last "\n" was cut short.
    linie.removeLast();
    const std::optional<QList<QByteArray>> start = linie.isEmpty() ? std::nullopt : pola(linie.first());
    if (!start || start->size() != 4 || start->at(0) != znakPoczątku)
        return std::nullopt;
    Operacja op;
    const int rodzaj = start->at(1).toInt();
    if (rodzaj < int(Rodzaj::NowyKatalog) || rodzaj > int(Rodzaj::Atrybuty))
        return std::nullopt;
    op.rodzaj = Rodzaj(rodzaj);
    op.czas = QDateTime::fromMSecsSinceEpoch(start->at(2).toLongLong());
    op.opis = tekst(start->at(3));
    // A line that does not read whole is one a crash cut; the steps before
    // it stand, and only a mark of undoing can follow it.
    bool ucięta = false;
    for (qsizetype i = 1; i < linie.size(); ++i) {
        const std::optional<QList<QByteArray>> p = pola(linie[i]);
        const std::optional<Krok> k = p ? krok(*p) : std::nullopt;
        if (!p)
            ucięta = true;
        else if (p->first() == "E")
            op.zakończona = !ucięta;
        else if (p->first() == "C")
            op.cofnięta = true;
        else if (k && !op.zakończona && !ucięta)
            op.kroki.push_back(*k);
    }
    return op;
}

} // namespace oc::undo::wiersze
