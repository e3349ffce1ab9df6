#pragma once

#include "Kopiarka.h"

#include <platform/FileError.h>
#include <platform/OpenDirectory.h>

#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <vector>

namespace occopy {

// Moves chosen files and directory trees into one directory; knows nothing
// of windows. Within one file system each entry is renamed in one step,
// never over an entry already there: where one is, a directory merges into
// the directory of its name and a file follows the copy engine's overwrite
// rules. Across file systems the copy engine copies the entry and each
// source is removed only once its copy is whole and closed, so a run
// stopped or failing at any point leaves every file whole in one place at
// least. Holding and stopping go through the copy engine's.
class Przenośnik
{
public:
    explicit Przenośnik(Kopiarka &kopiarka);

    QStringList lstDirs;     // chosen directories, full paths
    QStringList lstFiles;    // chosen files, full paths
    QString KatalogDocelowy; // ends with "/"
    // Called on the working thread after every tenth entry and at the end.
    std::function<void(const Postęp &)> NaPostęp = [](const Postęp &) {};

    // Called on the working thread as each entry of Przeniesione() goes, for the undo.
    std::function<void(const QString &skąd, const QString &dokąd)> PoPrzeniesieniu;
    // Set, a target a file replaces is handed over instead of lost, under
    // the path the file had (odłożony), with the path it had itself; true
    // when it was taken away from there. The copy engine's own goes for
    // files going to another file system.
    std::function<bool(const QString &odłożony, const QString &cel)> OdłóżZastąpiony;

    void Przenieś();

    // An entry moved whole: from where, to where.
    struct Para
    {
        QString skąd;
        QString dokąd;
    };
    // What was moved, in order: a chosen entry when it went whole, else each
    // entry below it that went.
    const std::vector<Para> &Przeniesione() const { return m_przeniesione; }
    // This engine's failures, then the copy engine's.
    std::vector<oc::platform::FileError> Błędy() const;

private:
    struct Wybrany
    {
        qsizetype zaufane = 0;   // the part of the path that may pass links: its directory
        quint64 urządzenie = 0;  // of that directory; nothing on another file system is removed
        std::vector<Para> pliki; // moved while the entry as a whole stayed
    };
    // Entries going across file systems, by the directory they go into.
    struct DoSkopiowania
    {
        QStringList katalogi;
        QStringList pliki;
    };

    void przenieśWpis(const oc::platform::OpenDirectory &z, const QByteArray &nazwa,
                      const oc::platform::OpenDirectory &doKatalogu, const QString &dokąd);
    void połącz(const oc::platform::OpenDirectory &z, const QByteArray &nazwa,
                const oc::platform::OpenDirectory &doKatalogu, const QString &dokąd);
    bool nadpisać(const QString &skąd, const QString &dokąd, const oc::platform::EntryStatus &źródło,
                  const oc::platform::EntryStatus &cel);
    void przenieśMiędzySystemami(const QString &cel, const DoSkopiowania &co);
    void przedPlikiem(qsizetype j);
    void poPliku(qsizetype j, bool skopiowany);
    void usuńKatalogi();
    Wybrany *wybranyDla(const QString &ścieżka);
    const oc::platform::OpenDirectory &katalogŹródła(const QString &ścieżka, const Wybrany &wybrany);
    void błąd(const oc::platform::FileError &błąd);
    void przeniesiony(const Para &para);

    Kopiarka &m_kopiarka;
    std::vector<Para> m_przeniesione;
    std::vector<oc::platform::FileError> m_błędy;
    Postęp m_postęp;
    std::map<QString, DoSkopiowania> m_doSkopiowania;

    // The chosen entries of the copy in hand, the last source directory and
    // the state of each file in hand before its copy; the copy's workers
    // reach them one at a time.
    QHash<QString, Wybrany> m_wybrane;
    QString m_ścieżkaKatalogu;
    oc::platform::OpenDirectory m_katalogŹródła;
    std::map<qsizetype, oc::platform::EntryStatus> m_przed;
    std::mutex m_mutex;
};

} // namespace occopy
