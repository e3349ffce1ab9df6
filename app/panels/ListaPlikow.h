#pragma once

#include "Porzadek.h"

#include <platform/Directory.h>

#include <QString>
#include <vector>

// The files of one directory that match a pattern and the attribute
// switches, with what the listing read of each.
class ListaPlików
{
public:
    QString Wzorzec = QStringLiteral("*.*");
    // Which files are shown: read-only, hidden, system, and those with none
    // of the three.
    bool TylkoDoOdczytu = true;
    bool Ukryte = false;
    bool Systemowe = false;
    bool Zwykłe = true;

    const QString &Ścieżka() const { return m_ścieżka; }
    // Takes the files of a listing of path that pass the pattern and switches.
    void Wczytaj(const QString &path, std::vector<oc::platform::EntryInfo> pliki);

    bool Pokazuje(const oc::platform::EntryInfo &plik) const;
    // The order Wpis gives the entries in; Uporządkuj applies a new one.
    Porządek Kolejność;
    void Uporządkuj();

    qint32 Liczba() const { return qint32(m_wpisy.size()); }
    // The k-th entry in the order.
    const oc::platform::EntryInfo &Wpis(qint32 k) const { return m_wpisy[size_t(m_kolejność[size_t(k)])]; }
    // Where the k-th entry stands in the listing, whatever the order.
    qint32 Pozycja(qint32 k) const { return m_kolejność[size_t(k)]; }

private:
    QString m_ścieżka;
    std::vector<oc::platform::EntryInfo> m_wpisy; // as the directory gives them
    std::vector<qint32> m_kolejność;
};
