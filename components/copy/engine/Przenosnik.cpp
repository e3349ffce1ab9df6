#include "Przenosnik.h"

#include <platform/Names.h>
#include <platform/Paths.h>
#include <platform/Rename.h>

#include <QDir>
#include <cerrno>

namespace occopy {

using oc::platform::decodeName;
using oc::platform::encodeName;
using oc::platform::EntryStatus;
using oc::platform::FileError;
using oc::platform::OpenDirectory;
using oc::platform::RenameOutcome;
using oc::platform::withSeparator;

Przenośnik::Przenośnik(Kopiarka &kopiarka) : m_kopiarka(kopiarka)
{}

void Przenośnik::Przenieś()
{
    m_przeniesione.clear();
    m_błędy.clear();
    m_doSkopiowania.clear();
    const QStringList wybrane = lstDirs + lstFiles;
    // Within one file system no bytes move: the bar counts entries.
    m_postęp = Postęp{0, wybrane.size(), 0, wybrane.size()};
    FileError błądCelu;
    const OpenDirectory cel = OpenDirectory::open(KatalogDocelowy, &błądCelu);
    if (!cel.isOpen()) {
        błąd(błądCelu);
        NaPostęp(m_postęp);
        return;
    }
    OpenDirectory źródło;
    int licznik = 0;
    for (const QString &wybrany : wybrane) {
        if (!m_kopiarka.Dalej())
            break;
        // "/a/b/.." is the directory a.
        const QString ścieżka = QDir::cleanPath(wybrany);
        const QString nazwa = NazwaPliku(ścieżka);
        const QString katalog = ścieżka.left(ścieżka.size() - nazwa.size());
        FileError e{EINVAL, wybrany};
        if (nazwa.isEmpty() || nazwa == u"." || nazwa == u"..") {
            błąd(e);
            continue;
        }
        if (!źródło.isOpen() || źródło.path() != oc::platform::withoutSeparator(katalog))
            źródło = OpenDirectory::open(katalog, &e);
        const std::size_t błędyPrzed = m_błędy.size();
        if (źródło.isOpen())
            przenieśWpis(źródło, encodeName(nazwa), cel, KatalogDocelowy + nazwa);
        else
            błąd(e);
        if (m_błędy.size() == błędyPrzed)
            ++m_postęp.Skopiowane;
        m_postęp.Bajty = ++m_postęp.Pliki;
        if (++licznik > 9) {
            licznik = 0;
            NaPostęp(m_postęp);
        }
    }
    NaPostęp(m_postęp);
    for (const auto &[dokąd, co] : m_doSkopiowania)
        if (m_kopiarka.Dalej())
            przenieśMiędzySystemami(dokąd, co);
}

void Przenośnik::przenieśWpis(const OpenDirectory &z, const QByteArray &nazwa, const OpenDirectory &doKatalogu,
                              const QString &dokąd)
{
    const QString skąd = z.pathOf(nazwa);
    FileError e;
    switch (oc::platform::renameNoReplace(z, nazwa, doKatalogu, nazwa, &e)) {
    case RenameOutcome::Renamed: przeniesiony({skąd, dokąd}); return;
    case RenameOutcome::Failed: błąd(e); return;
    case RenameOutcome::OtherFileSystem:
        if (const std::optional<EntryStatus> stan = z.status(nazwa, &e)) {
            DoSkopiowania &co = m_doSkopiowania[withSeparator(doKatalogu.path())];
            (stan->isDirectory() ? co.katalogi : co.pliki).append(skąd);
        } else {
            błąd(e);
        }
        return;
    case RenameOutcome::TargetExists: break;
    }
    const std::optional<EntryStatus> źródło = z.status(nazwa, &e);
    const std::optional<EntryStatus> cel = źródło ? doKatalogu.status(nazwa, &e) : std::nullopt;
    if (!cel) {
        błąd(e);
        return;
    }
    // Onto itself (both panels on one directory, or a hard link of it): nothing to do.
    if (źródło->sameEntry(*cel))
        return;
    if (źródło->isDirectory() && cel->isDirectory()) {
        połącz(z, nazwa, doKatalogu, dokąd);
        return;
    }
    if (źródło->isDirectory() || cel->isDirectory()) {
        błąd(FileError{źródło->isDirectory() ? ENOTDIR : EISDIR, dokąd});
        return;
    }
    if (!nadpisać(skąd, dokąd, *źródło, *cel))
        return;
    if (OdłóżZastąpiony && oc::platform::exchangeEntries(z, nazwa, doKatalogu, nazwa)) {
        // The old target now stands where the file was.
        if (!OdłóżZastąpiony(skąd, dokąd) && !oc::platform::removeFile(z, nazwa, &e))
            błąd(e);
        przeniesiony({skąd, dokąd});
    } else if (oc::platform::renameReplacing(z, nazwa, doKatalogu, nazwa, &e)) {
        przeniesiony({skąd, dokąd});
    } else {
        błąd(e);
    }
}

void Przenośnik::połącz(const OpenDirectory &z, const QByteArray &nazwa, const OpenDirectory &doKatalogu,
                        const QString &dokąd)
{
    FileError e;
    const OpenDirectory źródło = z.child(nazwa, &e);
    const OpenDirectory cel = źródło.isOpen() ? doKatalogu.child(nazwa, &e) : OpenDirectory();
    if (!cel.isOpen()) {
        błąd(e);
        return;
    }
    // A file system mounted inside the tree stays, with everything in it.
    const std::optional<EntryStatus> rodzic = z.status();
    const std::optional<EntryStatus> tu = źródło.status(&e);
    if (!rodzic || !tu || rodzic->device != tu->device) {
        błąd(FileError{EXDEV, źródło.path()});
        return;
    }
    std::vector<QByteArray> nazwy;
    if (!źródło.names(nazwy, &e))
        błąd(e);
    for (const QByteArray &n : nazwy) {
        if (!m_kopiarka.Dalej())
            return;
        przenieśWpis(źródło, n, cel, withSeparator(dokąd) + decodeName(n));
    }
    // Whatever stayed in it (skipped, failed, still to be copied) keeps it.
    if (!oc::platform::removeEmptyDirectory(z, nazwa, &e) && e.code != ENOTEMPTY && e.code != EEXIST)
        błąd(e);
}

bool Przenośnik::nadpisać(const QString &skąd, const QString &dokąd, const EntryStatus &źródło, const EntryStatus &cel)
{
    if (!m_kopiarka.Nadpisuj)
        return false;
    const Zastany zastany{skąd,
                          dokąd,
                          źródło.size,
                          cel.size,
                          CzasPliku(źródło.modified),
                          CzasPliku(cel.modified),
                          cel.kind != EntryStatus::Kind::Link && (cel.permissions & 0222) == 0};
    if (m_kopiarka.CzyNadpisać)
        return m_kopiarka.CzyNadpisać(zastany);
    // Unasked, a target its owner may not write stays and is reported.
    if (zastany.celTylkoDoOdczytu) {
        błąd(FileError{EACCES, dokąd});
        return false;
    }
    return true;
}

void Przenośnik::przenieśMiędzySystemami(const QString &cel, const DoSkopiowania &co)
{
    m_wybrane.clear();
    m_kopiarka.lstDirs.clear();
    m_kopiarka.lstFiles.clear();
    for (const QStringList *lista : {&co.katalogi, &co.pliki})
        for (const QString &ścieżka : *lista) {
            const qsizetype zaufane = ścieżka.lastIndexOf(u'/') + 1;
            FileError e;
            const OpenDirectory katalog = OpenDirectory::open(ścieżka.left(zaufane), &e);
            const std::optional<EntryStatus> stan = katalog.isOpen() ? katalog.status(&e) : std::nullopt;
            if (!stan) {
                błąd(e);
                continue;
            }
            m_wybrane.insert(ścieżka, Wybrany{zaufane, stan->device, {}});
            (lista == &co.katalogi ? m_kopiarka.lstDirs : m_kopiarka.lstFiles).append(ścieżka);
        }
    m_kopiarka.KatalogDocelowy = cel;
    m_kopiarka.PrzedPlikiem = [this](qsizetype j) { przedPlikiem(j); };
    m_kopiarka.PoPliku = [this](qsizetype j, bool skopiowany) { poPliku(j, skopiowany); };
    m_kopiarka.Wykonaj();
    m_kopiarka.PrzedPlikiem = nullptr;
    m_kopiarka.PoPliku = nullptr;
    m_przed.clear();
    m_katalogŹródła = OpenDirectory();
    m_ścieżkaKatalogu.clear();
    usuńKatalogi();

    for (const QString &ścieżka : m_kopiarka.lstDirs + m_kopiarka.lstFiles) {
        Wybrany &wybrany = m_wybrane[ścieżka];
        const OpenDirectory rodzic = OpenDirectory::open(ścieżka.left(wybrany.zaufane));
        FileError e;
        const bool poszedł = rodzic.isOpen() && !rodzic.status(encodeName(NazwaPliku(ścieżka)), &e) && e.code == ENOENT;
        if (poszedł)
            przeniesiony({ścieżka, cel + NazwaPliku(ścieżka)});
        else
            for (const Para &para : wybrany.pliki)
                przeniesiony(para);
    }
}

void Przenośnik::przedPlikiem(qsizetype j)
{
    std::lock_guard blokada(m_mutex);
    const QString &ścieżka = m_kopiarka.lstWynikF.at(j);
    if (const Wybrany *wybrany = wybranyDla(ścieżka))
        if (const OpenDirectory &katalog = katalogŹródła(ścieżka, *wybrany); katalog.isOpen())
            if (const std::optional<EntryStatus> stan = katalog.status(encodeName(NazwaPliku(ścieżka))))
                m_przed.insert_or_assign(j, *stan);
}

void Przenośnik::poPliku(qsizetype j, bool skopiowany)
{
    std::lock_guard blokada(m_mutex);
    const auto przed = m_przed.find(j);
    if (przed == m_przed.end())
        return;
    const EntryStatus stanPrzed = przed->second;
    m_przed.erase(przed);
    Wybrany *wybrany = skopiowany ? wybranyDla(m_kopiarka.lstWynikF.at(j)) : nullptr;
    if (!wybrany)
        return;
    const QString &ścieżka = m_kopiarka.lstWynikF.at(j);
    const OpenDirectory &katalog = katalogŹródła(ścieżka, *wybrany);
    const QByteArray nazwa = encodeName(NazwaPliku(ścieżka));
    FileError e;
    const std::optional<EntryStatus> teraz = katalog.status(nazwa, &e);
    if (!teraz) {
        błąd(e);
        return;
    }
    // Written to while it was copied: the copy may lack the newest bytes.
    if (!teraz->unchangedSince(stanPrzed)) {
        błąd(FileError{EBUSY, ścieżka});
        return;
    }
    // Below a file system mounted inside the tree: reported with its mount point.
    if (teraz->device != wybrany->urządzenie)
        return;
    if (oc::platform::removeFile(katalog, nazwa, &e))
        wybrany->pliki.push_back({ścieżka, m_kopiarka.lstWynikF2.at(j)});
    else
        błąd(e);
}

void Przenośnik::usuńKatalogi()
{
    const QString &cel = m_kopiarka.KatalogDocelowy;
    for (qsizetype k = m_kopiarka.lstWynikD2.size() - 1; k >= 0; --k) {
        const QString &ścieżka = m_kopiarka.lstWynikD2.at(k);
        const Wybrany *wybrany = wybranyDla(ścieżka);
        // A directory whose copy could not be made keeps its source.
        if (!wybrany || !OpenDirectory::openBelow(cel + m_kopiarka.lstWynikD.at(k), cel.size(), false).isOpen())
            continue;
        const qsizetype ukośnik = ścieżka.lastIndexOf(u'/');
        const OpenDirectory rodzic = OpenDirectory::openBelow(ścieżka.left(ukośnik), wybrany->zaufane, true);
        const QByteArray nazwa = encodeName(ścieżka.mid(ukośnik + 1));
        const std::optional<EntryStatus> stan = rodzic.isOpen() ? rodzic.status(nazwa) : std::nullopt;
        if (!stan)
            continue;
        FileError e{EXDEV, ścieżka};
        if (stan->device != wybrany->urządzenie
            || (!oc::platform::removeEmptyDirectory(rodzic, nazwa, &e) && e.code != ENOTEMPTY && e.code != EEXIST))
            błąd(e);
    }
}

Przenośnik::Wybrany *Przenośnik::wybranyDla(const QString &ścieżka)
{
    QString klucz = ścieżka;
    while (true) {
        if (const auto it = m_wybrane.find(klucz); it != m_wybrane.end())
            return &*it;
        const qsizetype ukośnik = klucz.lastIndexOf(u'/');
        if (ukośnik <= 0)
            return nullptr;
        klucz.truncate(ukośnik);
    }
}

const OpenDirectory &Przenośnik::katalogŹródła(const QString &ścieżka, const Wybrany &wybrany)
{
    const QString katalog = ścieżka.left(ścieżka.lastIndexOf(u'/'));
    if (katalog != m_ścieżkaKatalogu || m_ścieżkaKatalogu.isEmpty()) {
        m_ścieżkaKatalogu = katalog;
        FileError e;
        m_katalogŹródła = OpenDirectory::openBelow(katalog, wybrany.zaufane, true, &e);
        // Below a mount point inside the tree: reported with the mount point.
        if (!m_katalogŹródła.isOpen() && e.code != EXDEV)
            błąd(e);
    }
    return m_katalogŹródła;
}

std::vector<FileError> Przenośnik::Błędy() const
{
    std::vector<FileError> wszystkie = m_błędy;
    wszystkie.insert(wszystkie.end(), m_kopiarka.Błędy().begin(), m_kopiarka.Błędy().end());
    return wszystkie;
}

void Przenośnik::błąd(const FileError &błąd)
{
    m_błędy.push_back(błąd);
}

void Przenośnik::przeniesiony(const Para &para)
{
    m_przeniesione.push_back(para);
    if (PoPrzeniesieniu)
        PoPrzeniesieniu(para.skąd, para.dokąd);
}

} // namespace occopy
