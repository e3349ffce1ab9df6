#pragma once

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

    qint32 Liczba() const { return qint32(m_wpisy.size()); }
    const oc::platform::EntryInfo &Wpis(qint32 k) const { return m_wpisy[size_t(k)]; }

private:
    QString m_ścieżka;
    std::vector<oc::platform::EntryInfo> m_wpisy;
};
