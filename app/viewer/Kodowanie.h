#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <vector>

// How the bytes of a text file become characters.
struct Kodowanie
{
    QString nazwa;     // as the status line shows it
    QByteArray kodek;  // the converter's name
    int jednostka = 1; // bytes per code unit: 2 for UTF-16
    bool bigEndian = false;

    bool operator==(const Kodowanie &inne) const { return nazwa == inne.nazwa; }
};

// The encodings F8 steps through, in order.
const std::vector<Kodowanie> &KodowaniaDoWyboru();
// The one after k in that list (the first after one not on it).
Kodowanie NastępneKodowanie(const Kodowanie &k);
Kodowanie KodowanieONazwie(const QString &nazwa);

struct Wykrycie
{
    Kodowanie kodowanie;
    int bom = 0;       // bytes of the byte order mark the text starts with
    bool tekst = true; // false: shown in hex at first
};

// What the first bytes of a file hold: a byte order mark decides; NUL bytes
// or many control codes make it binary; else the detector's guess, or UTF-8
// (windows-1250 when the bytes are not UTF-8) when it has none.
Wykrycie Wykryj(QByteArrayView początek);

// Bytes to text in an encoding; bytes that do not decode become U+FFFD.
QString Dekoduj(const Kodowanie &k, QByteArrayView bajty);
// Text to bytes; *ok false when a character has no form in the encoding.
QByteArray Koduj(const Kodowanie &k, const QString &tekst, bool *ok);
