#pragma once

#include "Porzadek.h"

#include <platform/Directory.h>

#include <QString>
#include <vector>

// The subdirectories of one directory, as the last listing read them.
class ListaKatalogów
{
public:
    // The real path, without a trailing "/" except at the root.
    const QString &Ścieżka() const { return m_ścieżka; }
    // Takes the directories of a listing of path; dot-directories only when
    // hidden entries are shown.
    void Wczytaj(const QString &path, std::vector<oc::platform::EntryInfo> katalogi, bool ukryte);

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
