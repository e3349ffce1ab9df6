#pragma once

#include "Pytania.h"

#include <platform/Entries.h>
#include <platform/FileCopy.h>
#include <platform/FileError.h>
#include <platform/Workers.h>

#include <QString>
#include <QStringList>
#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

namespace occopy {

// The name part of a path, as it is (names are case-sensitive here).
QString NazwaPliku(const QString &ścieżka);
// Where a chosen directory is made again below the destination: under its
// own name, however deep its source lies.
QString Kataloguj2(const QString &katalog);

// The destination as typed, made whole: a relative path is taken from the
// directory of the chosen entries (never the process's), "/" is added at
// the end. "" when nothing but blanks was typed.
QString KatalogDocelowyZ(const QString &wpisany, const QStringList &lstDirs, const QStringList &lstFiles);

// The first of the chosen directories that the destination is or lies in,
// where a copy or move would land inside itself; "" when there is none. A
// chosen link to a directory goes as the link and is never such.
QString KatalogPonadCelem(const QStringList &katalogi, const QString &cel);

struct Postęp
{
    qint64 Pliki = 0; // files dealt with: copied, skipped or failed
    qint64 WszystkiePliki = 0;
    qint64 Bajty = 0; // of those files, and of the one in hand so far
    qint64 WszystkieBajty = 0;
    qint64 Skopiowane = 0; // of those files, the ones written whole
};

// The stages of a run, in their order.
enum class Etap { Skanowanie, Katalogi, Kopiowanie };

// Copies chosen files and directory trees into one directory; knows nothing
// of windows. Links are copied as links, never followed, in the trees and
// below the destination alike. Every failure is kept with its path and
// reason and the run goes on. The whole batch is one call, Wykonaj; the
// scan and the copy spread their directories over Pracownicy threads, which
// call the callbacks below (one question at a time). Wstrzymaj, Wznów and
// Przerwij may come from any thread.
class Kopiarka
{
public:
    Kopiarka();
    ~Kopiarka();

    QStringList lstDirs;    // chosen directories, full paths
    QStringList lstFiles;   // chosen files, full paths
    QStringList lstWynikD;  // directories to make, relative to KatalogDocelowy, in making order
    QStringList lstWynikD2; // the source of each
    QStringList lstWynikF;  // files (and links, pipes...) to copy, full source paths
    QStringList lstWynikF2; // the target of each

    QString KatalogDocelowy; // ends with "/"
    bool Nadpisuj = true;
    // Threads the scan and the copy use; 0: as many as the machine suits
    // (the copy takes more, as its threads wait on the disk).
    int Pracownicy = 0;
    // Called (never twice at once) after every tenth file, at the end, and
    // inside a large file after each Krok bytes.
    std::function<void(const Postęp &)> NaPostęp = [](const Postęp &) {};
    qint64 Krok = qint64(16) << 20;
    // On the thread of Wykonaj, as each stage begins.
    std::function<void(Etap)> NaEtap = [](Etap) {};
    // Asked for each existing target while Nadpisuj is on, one question at
    // a time; true replaces it. Unset, every one is replaced.
    std::function<bool(const Zastany &)> CzyNadpisać;
    // Told of each source that could not be read, as a question is asked.
    std::function<void(const oc::platform::FileError &)> PoBłędzieŹródła;
    // On the thread copying it, around each file of Kopiowanie: before it is
    // opened, and after, with whether it was written whole.
    std::function<void(qsizetype)> PrzedPlikiem;
    std::function<void(qsizetype, bool)> PoPliku;
    // With the full path, after each directory and file the copy made anew
    // (not one it wrote in place), for the undo; on the thread that made it.
    // The entry's state as the copy left it comes along where it is known.
    std::function<void(const QString &, const std::optional<oc::platform::Identity> &)> PoUtworzeniu;
    // Set, each replaced target is handed over instead of lost, still beside
    // its place under a temporary name (odłożony), with the path it had;
    // true when it was taken away from there.
    std::function<bool(const QString &odłożony, const QString &cel)> OdłóżZastąpiony;

    void ClearLists();
    // KatalogDocelowyZ below, for this batch.
    QString KatalogDocelowyZ(const QString &wpisany) const
    {
        return occopy::KatalogDocelowyZ(wpisany, lstDirs, lstFiles);
    }
    // Scans the chosen entries, makes the directories and copies the files,
    // on the calling thread; returns at the end or once stopped.
    void Wykonaj();

    void Wstrzymaj();
    void Wznów();
    // Ends the run at the next file or the next piece of a large file; the
    // file in hand is removed, what was copied stays.
    void Przerwij();
    bool Przerwano() const { return m_przerwij; }
    // Waits while held; false once stopped. Work built on this engine asks
    // it too, so that one Esc holds or stops both.
    bool Dalej();

    const std::vector<oc::platform::FileError> &Błędy() const { return m_błędy; }
    const Postęp &postęp() const { return m_postęp; }

private:
    // Lists the chosen directories depth first, each directory before its
    // contents, in the order each directory gives its entries. A chosen
    // directory that holds the destination is refused.
    void Skanuj();
    // The chosen files after everything the scan found, under their own names.
    void AddFilesx();
    // Makes the destination with its missing parents (unless there is nothing
    // to copy), then the directories. A destination that cannot be made is
    // reported once and nothing is copied.
    void TwórzDiry();
    // Copies the files, then gives the directories made their extended
    // attributes (an access list may take away what the copy needed). The
    // failures of all stages end sorted by path.
    void Kopiowanie();

    struct Węzeł;
    struct ZadanieSkanu;
    struct Pracownik;
    int liczbaPracowników() const;
    // The copy's: its threads wait on the disk besides working.
    int liczbaPiszących() const;
    void SkanujKatalog(ZadanieSkanu &zadanie, oc::platform::WorkQueue<ZadanieSkanu> &kolejka);
    void dodajDrzewo(const Węzeł &korzeń);
    // The whole step for one file, on the thread of the worker given; false
    // when the run was stopped inside it.
    bool kopiujPlik(Pracownik &pracownik, qsizetype j);
    void plikGotowy(Pracownik &pracownik, qsizetype j, bool skopiowany);
    // Its place in lstWynikD.
    qsizetype dodajKatalog(const QString &katalog, const QString &rel, quint32 tryb,
                           std::vector<oc::platform::ExtendedAttribute> atrybuty);
    void UstawAtrybutyKatalogów();
    // katalog: the place in lstWynikD of the directory it goes into, -1 for the destination.
    void dodajPlik(const QString &źródło, const QString &cel, qint64 rozmiar, qsizetype zaufane, bool zwykły,
                   qsizetype katalog);
    void błąd(oc::platform::FileError e);
    // Reached by descriptor, the platform named the entry alone or nothing: the report names the whole path.
    void błąd(oc::platform::FileError e, const QString &ścieżka);
    void zgłoś();

    // Beside lstWynikD: the permission bits, the extended attributes of each
    // directory, and whether TwórzDiry made it (an existing one is left as it is).
    std::vector<quint32> m_tryby;
    std::vector<std::vector<oc::platform::ExtendedAttribute>> m_atrybuty;
    std::vector<bool> m_nowe;
    // Made by TwórzDiry and the target of no other: nothing was in it.
    std::vector<bool> m_puste;
    bool m_bezCelu = false; // the destination could not be made
    // Beside lstWynikF: the length found, and how much of the source path may
    // be reached through links (the part the user named).
    std::vector<qint64> m_rozmiary;
    std::vector<qsizetype> m_zaufane;
    struct Plik
    {
        bool zwykły;       // a regular file when the scan saw it
        qsizetype katalog; // the directory it goes into, as dodajPlik has it
    };
    std::vector<Plik> m_pliki;

    std::vector<oc::platform::FileError> m_błędy;
    std::mutex m_błędyMutex;
    // The scan's directories while it runs; each entry found below points at its own.
    std::vector<std::unique_ptr<Węzeł>> m_węzły;
    std::mutex m_węzłyMutex;
    Postęp m_postęp;
    qint64 m_bajtyGotowe = 0; // of the files done; with the bytes in hand of each large one, Bajty
    qint64 m_bajtyWToku = 0;
    std::mutex m_postępMutex;
    std::mutex m_pytanieMutex;

    std::atomic<bool> m_przerwij{false};
    std::atomic<bool> m_wstrzymaj{false};
    std::mutex m_mutex;
    std::condition_variable m_budzik;
};

} // namespace occopy
