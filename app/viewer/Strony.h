#pragma once

#include <platform/ReadOnlyFile.h>

#include <QByteArray>
#include <QtGlobal>
#include <memory>
#include <vector>

// The file seen through a few cached pages: only the pages asked for are
// read, so a file of any size costs at most NajwięcejStron pages of memory.
// A file that shrinks while shown simply ends sooner; one that grows shows
// its new end after Odśwież.
class Strony
{
public:
    static constexpr qint64 RozmiarStrony = 64 * 1024;
    static constexpr int NajwięcejStron = 32;

    explicit Strony(std::shared_ptr<const oc::platform::ReadOnlyFile> plik);

    qint64 Rozmiar() const { return m_rozmiar; }
    // The byte at offset, or -1 past the end.
    int Bajt(qint64 offset)
    {
        if (offset >= m_bieżącaOd && offset < m_bieżącaDo)
            return quint8(m_bieżąca[offset - m_bieżącaOd]);
        return BajtSpozaStrony(offset);
    }
    // Up to count bytes from offset; fewer at the end.
    QByteArray Bajty(qint64 offset, qint64 count);
    // Asks the file's size again and forgets every page read.
    void Odśwież();
    // A read failed since the last Odśwież: what follows is not shown.
    bool BłądOdczytu() const { return m_błąd; }
    // Bytes read from the file so far.
    qint64 Przeczytane() const { return m_przeczytane; }

    const std::shared_ptr<const oc::platform::ReadOnlyFile> &Plik() const { return m_plik; }

private:
    struct Strona
    {
        qint64 numer = -1;
        QByteArray dane;
        quint64 użyta = 0;
    };

    const Strona *Wczytaj(qint64 numer);
    int BajtSpozaStrony(qint64 offset);

    std::shared_ptr<const oc::platform::ReadOnlyFile> m_plik;
    qint64 m_rozmiar = 0;
    std::vector<Strona> m_strony;
    quint64 m_licznik = 0;
    qint64 m_przeczytane = 0;
    bool m_błąd = false;
    // The page the last byte came from, for Bajt's quick path.
    const char *m_bieżąca = nullptr;
    qint64 m_bieżącaOd = 0, m_bieżącaDo = 0;
};
