#pragma once

#include "Kodowanie.h"
#include "Strony.h"

#include <QByteArray>
#include <QString>
#include <atomic>
#include <optional>
#include <vector>

// What is searched for, as bytes of the file: one list of byte strings per
// character (its lower- and upper-case forms), any of which matches.
struct Wzorzec
{
    std::vector<std::vector<QByteArray>> znaki;
    int wyrównanie = 1;  // a hit starts on a whole code unit...
    qint64 początek = 0; // ...counted from here

    bool pusty() const { return znaki.empty(); }
    qint64 NajdłuższeTrafienie() const;
};

struct Trafienie
{
    qint64 początek = 0;
    qint64 długość = 0;
    qint64 koniec() const { return początek + długość; }
};

// Text in the file's encoding, without regard to case (Polish letters too);
// początek: where the text starts in the file. Empty when no character of
// the text has a form in the encoding.
Wzorzec WzorzecTekstu(const QString &tekst, const Kodowanie &k, qint64 początek);
// Bytes written in hexadecimal, two digits each, blanks allowed between
// them ("0d 0A", "ff00"); empty when the text is not that.
Wzorzec WzorzecBajtów(const QString &tekst);

// The first hit that starts at or after od, reading the file one page at a
// time (a hit may span pages); stops and gives nothing once *przerwij is set.
std::optional<Trafienie> Szukaj(Strony &strony, const Wzorzec &w, qint64 od,
                                const std::atomic<bool> *przerwij = nullptr);
