#pragma once

#include "Strony.h"

#include <QtGlobal>

// Lines of a text in the file's code units: LF, CR LF and CR each end one.
// A line longer than NajdłuższaLinia bytes is shown in pieces; past the
// first, they start at multiples of it, so that a step back never reads
// more than two pieces' length.
class Linie
{
public:
    static constexpr qint64 NajdłuższaLinia = 16 * 1024;

    struct Linia
    {
        qint64 początek = 0;
        qint64 koniec = 0;   // where the text ends, before the line's end marker
        qint64 następna = 0; // where the next line starts; the file's size after the last
    };

    // początek: where the text starts (after a byte order mark); jednostka:
    // bytes per code unit (1, or 2 for UTF-16).
    Linie(Strony &strony, qint64 początek, int jednostka, bool bigEndian);

    qint64 Początek() const { return m_początek; }
    // The line that starts at start (a line's start before the file's end).
    Linia Czytaj(qint64 start) const;
    // The start of the line that holds offset.
    qint64 Zawierająca(qint64 offset) const;
    // The line before the one starting at start; start itself for the first.
    qint64 Poprzednia(qint64 start) const;
    // The last line's start; Początek() for an empty text.
    qint64 Ostatnia() const;

private:
    // The code unit at offset, or -1 where none is whole.
    int Jednostka(qint64 offset) const;
    // The latest start of a line at or before offset that is known without
    // reading back further than one piece.
    qint64 Kotwica(qint64 offset) const;

    Strony &m_strony;
    qint64 m_początek;
    int m_jednostka;
    bool m_bigEndian;
};
