#pragma once

#include <QString>
#include <QtGlobal>
#include <vector>

// The state of one file panel. Index 0 of the entry arrays is unused; an
// index up to LiczbaKatalogów is a directory (or ".."), a higher one a file.
struct StanPanelu
{
    QString Katalog; // real path, always ending with "/"
    // Display names: directories upper-, files lower-cased, the real name
    // where that would read like another entry's.
    std::vector<QString> Nazwy;
    std::vector<QString> Rzeczywiste; // the names as the file system gives them
    std::vector<quint8> Zaznaczenia;  // 1 = marked
    qint32 LiczbaPozycji = 0;
    qint32 LiczbaKatalogów = 0;
    qint32 PierwszaPozycja = 1;
    qint32 WierszKursora = 0;
    qint32 OstatniWiersz = 53;
    // Kept in step with every mark change, so the status line never walks
    // the whole list.
    qint32 IleZaznaczonych = 0;
    qint64 SumaZaznaczonych = 0; // bytes of the marked files
};
