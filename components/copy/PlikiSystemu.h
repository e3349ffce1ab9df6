#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <functional>
#include <utility>
#include <vector>

// The file-system steps of the copy, by descriptor, so that no name below a
// chosen directory or below the destination is ever reached through a link.
// Paths are the file system's bytes; failures give the system's error number.
namespace occopy::pliki {

// An open descriptor, closed with its owner.
class Deskryptor
{
public:
    Deskryptor() = default;
    explicit Deskryptor(int fd) : m_fd(fd) {}
    Deskryptor(Deskryptor &&inny) noexcept : m_fd(std::exchange(inny.m_fd, -1)) {}
    Deskryptor &operator=(Deskryptor &&inny) noexcept;
    ~Deskryptor();

    int fd() const { return m_fd; }
    bool otwarty() const { return m_fd >= 0; }

private:
    int m_fd = -1;
};

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
bool stan(const QByteArray &ścieżka, Wpis &wpis, int &błąd);

// Opens a directory for reading its entries, the last name of the path not
// through a link.
Deskryptor otwórzDoCzytania(const QByteArray &ścieżka, int &błąd);
Deskryptor otwórzPodkatalog(int katalog, const QByteArray &nazwa, int &błąd);
// Every entry but "." and "..", in the order the file system gives them.
bool czytajKatalog(int katalog, std::vector<Wpis> &wpisy, int &błąd);

// Opens a directory to work in: its first `zaufane` bytes as any path (the
// user named it, links and all), each name after them one at a time, never
// through a link.
Deskryptor otwórzKatalog(const QByteArray &ścieżka, qsizetype zaufane, int &błąd);

// Creates a directory with the given permission bits; a directory already
// there (not a link to one) counts as made.
bool utwórzKatalog(int katalog, const QByteArray &nazwa, quint32 tryb, int &błąd);

// True when the directory `katalog` is `miejsce` itself or lies above it,
// compared as the same directory on disk, not by name.
bool leżyPonad(const QByteArray &katalog, const QByteArray &miejsce);

// Copies single entries: a file's data by reflink, by the kernel's copy or
// by a read/write loop, with its permission bits and modification time; a
// link as a link; a device, pipe or socket as a new node. A target made here
// and not finished is removed; an existing target being replaced stays
// untouched until its replacement is whole.
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

    // Copies `nazwa` of the directory zKatalogu to `nazwaCelu` of doKatalogu.
    // An existing target is skipped unless nadpisuj; the same file as the
    // source is always skipped.
    Wynik kopiuj(int zKatalogu, const QByteArray &nazwa, int doKatalogu, const QByteArray &nazwaCelu, bool nadpisuj,
                 int &błąd);

private:
    struct Źródło;
    Wynik umieść(const Źródło &źródło, int doKatalogu, const QByteArray &nazwaCelu, bool nadpisuj, int &błąd);
    Wynik utwórz(const Źródło &źródło, int katalog, const QByteArray &nazwa, int &błąd);
    Wynik przepisz(const Źródło &źródło, int cel, int &błąd);
    Wynik pętla(int z, int cel, qint64 rozmiar, qint64 gotowe, int &błąd);

    std::vector<char> m_bufor;
    // The last source device whose files could not be cloned into the
    // destination: the copy goes into one file system, so it is not asked again.
    quint64 m_bezKlonu = ~quint64(0);
    // The file-creation mask, read once: -1 until then.
    qint32 m_maska = -1;
};

} // namespace occopy::pliki
