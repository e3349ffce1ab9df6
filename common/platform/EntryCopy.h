#pragma once

#include "Descriptor.h"
#include "Entries.h"
#include "FileError.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QtGlobal>
#include <functional>
#include <optional>
#include <set>
#include <utility>
#include <vector>

struct stat;

// The file-system steps of the copy, by descriptor, so that no name below a
// chosen directory or below the destination is ever reached through a link.
// Paths are the file system's bytes. A failure names the path where it was
// given one, else the entry's name (none for a directory open as a descriptor).
namespace oc::platform {

enum class Rodzaj { Plik, Katalog, Dowiązanie, Inny };

struct Wpis
{
    QByteArray nazwa;
    Rodzaj rodzaj = Rodzaj::Inny;
    qint64 rozmiar = 0; // a link's own length
    quint32 tryb = 0;   // the permission bits
    qint64 czas = 0;    // last modification, nanoseconds since the epoch
};

// The entry itself (a link is not followed).
bool stan(const QByteArray &ścieżka, Wpis &wpis, FileError *błąd);

// Opens a directory for reading its entries, the last name of the path not
// through a link.
Deskryptor otwórzDoCzytania(const QByteArray &ścieżka, FileError *błąd);
Deskryptor otwórzPodkatalog(int katalog, const QByteArray &nazwa, FileError *błąd);
// Every entry but "." and "..", in the order the file system gives them.
bool czytajKatalog(int katalog, std::vector<Wpis> &wpisy, FileError *błąd);

// Opens a directory to work in: its first `zaufane` bytes as any path (the
// user named it, links and all), each name after them one at a time, never
// through a link.
Deskryptor otwórzKatalog(const QByteArray &ścieżka, qsizetype zaufane, FileError *błąd);

// Creates a directory with the given permission bits; a directory already
// there (not a link to one) counts as made. *nowy says whether it was made now.
bool utwórzKatalog(int katalog, const QByteArray &nazwa, quint32 tryb, FileError *błąd, bool *nowy = nullptr);

// Makes the directory of an absolute path with every missing parent, as
// the user named it (links in it are followed); each one made is added to
// *zrobione, parents first. A failure names the whole path, without a
// trailing "/".
bool utwórzŚcieżkę(const QByteArray &ścieżka, FileError *błąd, QByteArrayList *zrobione = nullptr);

// True when the directory `katalog` is `miejsce` itself or lies above it,
// compared as the same directory on disk, not by name. A `miejsce` not made
// yet is judged by its nearest existing parent.
bool leżyPonad(const QByteArray &katalog, const QByteArray &miejsce);

// What the caller of a copy already knows, to spare a look each: a wrong
// guess costs nothing but that look.
struct ZnaneWpisu
{
    bool plik = false;         // the source was a regular file when it was listed
    bool pustyKatalog = false; // nothing was in the target directory when the copy made it
};

// Copies single entries: a file's data by reflink, by the kernel's copy or
// by a read/write loop, holes kept as holes, with its permission bits,
// extended attributes and modification time; a link as a link; a device,
// pipe or socket as a new node. A new file has no name until it is whole
// (or a temporary one where the file system cannot do that), so a failure
// or a killed process never leaves part of it under the target's name; an
// existing target being replaced stays untouched until then, and keeps its
// owner and group where this user may set them. A target with other hard
// links is written in place, so that all its names see the new bytes.
class KopiaWpisu
{
public:
    enum class Wynik { Skopiowano, Pominięto, BłądŹródła, BłądCelu, Przerwano };

    // Asked between pieces of a file: false stops the copy of this file.
    std::function<bool()> Dalej = [] { return true; };
    // Inside a file longer than Krok: the bytes of it copied so far.
    std::function<void(qint64)> NaKrok = [](qint64) {};
    // Bytes moved between two questions to Dalej.
    qint64 Krok = qint64(16) << 20;
    // Asked before an existing target (not the source itself, not a
    // directory) is replaced; false keeps it. Unset, it is replaced.
    std::function<bool(const Wpis &źródło, const Wpis &cel)> Nadpisać;
    // Set, a replaced target is not lost: the new entry takes its place in
    // one exchange and the old one, now under the temporary name robocza of
    // the directory, is handed here; false when it was not taken, and it goes.
    std::function<bool(const QByteArray &robocza)> Odłóż;
    // The last kopiuj put a new entry at the target (not one written in place),
    // which the copy left as Nowy says.
    bool Utworzył = false;
    std::optional<Identity> Nowy;

    // Copies `nazwa` of the directory zKatalogu to `nazwaCelu` of doKatalogu.
    // An existing target is skipped unless nadpisuj; the same file as the
    // source is always skipped; one without write permission is never
    // replaced (EACCES), whoever copies. In a directory known empty a target
    // that turned up meanwhile is never replaced (EEXIST). A failure names
    // the entry of the side it is on: nazwa or nazwaCelu.
    Wynik kopiuj(int zKatalogu, const QByteArray &nazwa, int doKatalogu, const QByteArray &nazwaCelu, bool nadpisuj,
                 FileError *błąd, ZnaneWpisu znane = {});

private:
    struct Źródło;
    struct Bieg;
    // kopiuj, the error without its name.
    Wynik kopiujWpis(int zKatalogu, const QByteArray &nazwa, int doKatalogu, const QByteArray &nazwaCelu, bool nadpisuj,
                     FileError &błąd, ZnaneWpisu znane);
    Wynik umieść(const Źródło &źródło, int doKatalogu, const QByteArray &nazwaCelu, bool nadpisuj, bool pustyKatalog,
                 FileError &błąd);
    // A regular file opened without a look first; false when that failed or
    // it is not one now (źródło is then left empty).
    static bool otwórzPlik(int zKatalogu, const QByteArray &nazwa, Źródło &źródło);
    // A new entry under `nazwa`, or in place of zastępowany when given.
    Wynik utwórz(const Źródło &źródło, int katalog, const QByteArray &nazwa, const struct stat *zastępowany,
                 FileError &błąd);
    Wynik utwórzPlik(const Źródło &źródło, int katalog, const QByteArray &nazwa, const struct stat *zastępowany,
                     FileError &błąd);
    Wynik nazwij(int plik, int katalog, QByteArray robocza, const QByteArray &nazwa, bool zastąp, FileError &błąd);
    // Some file systems (over a network, in user space) report a failed
    // write only when the file is closed, at every close: there a copy of
    // the descriptor is closed before the file is named. Asked once a device.
    bool zamknięcieZgłaszaBłędy(int plik, quint64 urządzenie);
    static bool zamknijKopię(int plik);
    // robocza takes nazwa's place in one step; the old entry goes to Odłóż where set.
    bool zastąp(int katalog, const QByteArray &robocza, const QByteArray &nazwa);
    Wynik wMiejscu(const Źródło &źródło, int katalog, const QByteArray &nazwa, const struct stat &obecny,
                   FileError &błąd);
    // Owner and group of a replaced file, permission bits, extended
    // attributes and time; nowy: made by this copy, not written in place.
    Wynik wykończ(const Źródło &źródło, int cel, bool nowy, const struct stat *zastępowany, FileError &błąd);
    Wynik przepisz(const Źródło &źródło, int cel, bool wMiejscu, FileError &błąd);
    Wynik zakres(int z, int cel, qint64 od, qint64 długość, Bieg &bieg, FileError &błąd);
    Wynik doKońca(int z, int cel, FileError &błąd);
    // A temporary name in the directory; the first time in a directory, the
    // temporaries that killed copies left there are removed.
    QByteArray nazwaRobocza(int katalog);

    std::vector<char> m_bufor;
    // The last source device whose files could not be cloned into the
    // destination: the copy goes into one file system, so it is not asked again.
    quint64 m_bezKlonu = ~quint64(0);
    // The target device last asked about by zamknięcieZgłaszaBłędy, and its answer.
    quint64 m_urządzenieCelu = ~quint64(0);
    bool m_zamknięcieZgłasza = true;
    // The file-creation mask, read once: -1 until then.
    qint32 m_maska = -1;
    // Directories (device, inode) already cleared of stale temporaries.
    std::set<std::pair<quint64, quint64>> m_posprzątane;
};

} // namespace oc::platform
