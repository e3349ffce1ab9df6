#pragma once

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
    qint32 Liczba() const { return qint32(m_wpisy.size()); }
    const oc::platform::EntryInfo &Wpis(qint32 k) const { return m_wpisy[size_t(k)]; }

private:
    QString m_ścieżka;
    std::vector<oc::platform::EntryInfo> m_wpisy;
};
