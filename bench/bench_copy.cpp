// bench_copy [files] [runs] [directory [zostaw]]: the copy engine against "cp -r",
// each into a fresh target, on (a) a tree of that many files of 1 to 16 KiB
// in 200 directories (10,000 by default), (b) four files of 256 MiB and (c)
// a sparse file of 1 GiB holding 4 KiB of data, built in the directory (the
// build's bench/ by default; the file system decides much, so try more than
// one). For (c) the disk space each copy takes is shown too. Dirty pages are written out before every
// timed run; best of the runs, cp timed before and after the engine. The
// engine runs once more with a progress watcher like the window's, to show
// its cost. OC_WORKERS sets its number of threads. With "zostaw" the trees
// and copies of many files stay in the directory for the caller to remove.
#include "Pomiar.h"

#include <Kopiarka.h>

#include <platform/Workers.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <mutex>

namespace {

constexpr int DużePliki = 4;
constexpr qint64 DużyRozmiar = qint64(256) << 20;
constexpr qint64 DziurawyRozmiar = qint64(1) << 30;

bool dużePliki(const QString &root)
{
    if (!QDir().mkpath(root))
        return false;
    for (int i = 0; i < DużePliki; ++i)
        if (!zapiszWzór(QStringLiteral("%1/duzy%2.bin").arg(root).arg(i), DużyRozmiar))
            return false;
    return true;
}

// All hole but 4 KiB in the middle.
bool dziurawy(const QString &root)
{
    QFile plik(root + QStringLiteral("/obraz.img"));
    if (!QDir().mkpath(root) || !plik.open(QIODevice::WriteOnly) || !plik.resize(DziurawyRozmiar)
        || !plik.seek(DziurawyRozmiar / 2))
        return false;
    return plik.write(QByteArray(4096, 'd')) == 4096;
}

// The disk space the tree takes, in KiB, as du counts it.
QString naDysku(const QString &ścieżka)
{
    QProcess du;
    du.start(QStringLiteral("du"), {QStringLiteral("-sk"), ścieżka});
    du.waitForFinished();
    return QString::fromLocal8Bit(du.readAllStandardOutput()).section(u'\t', 0, 0);
}

void zapiszBrudne()
{
    QProcess::execute(QStringLiteral("sync"), {});
}

// The copy as the window runs it, less the window; false on any failure.
bool silnik(const QString &źródło, const QString &cel, bool zPostępem)
{
    occopy::Kopiarka kopiarka;
    std::mutex mutex;
    occopy::Postęp ostatni;
    bool czeka = false;
    if (zPostępem)
        kopiarka.NaPostęp = [&](const occopy::Postęp &postęp) {
            std::lock_guard blokada(mutex);
            ostatni = postęp;
            czeka = true;
        };
    kopiarka.lstDirs << źródło;
    kopiarka.KatalogDocelowy = cel + u'/';
    kopiarka.Wykonaj();
    return kopiarka.Błędy().empty();
}

bool cp(const QString &źródło, const QString &cel)
{
    return QProcess::execute(QStringLiteral("cp"), {QStringLiteral("-r"), źródło, cel + u'/'}) == 0;
}

struct Czasy
{
    double silnik = 1e300;
    double zPostępem = 1e300;
    double cp = 1e300;
    QString naDyskuSilnika; // KiB the last copy of each took
    QString naDyskuCp;
};

// Each way into a fresh directory. Thousands of files deleted between runs
// leave some file systems slow to create the next ones for minutes (ext4
// without a journal passes over the entries just freed), which would weigh
// on whichever way ran next; so a tree of many files keeps its copies until
// all runs are done, or for the caller (zostaw).
bool zmierz(const QString &źródło, const QString &roboczy, int razy, bool usuwajOdRazu, bool zostaw, Czasy &czasy)
{
    bool dobrze = true;
    int numer = 0;
    auto jeden = [&](double &najlepszyCzas, QString *naDyskuCelu, const std::function<bool(const QString &)> &kopia) {
        const QString cel = QStringLiteral("%1/cel%2").arg(roboczy).arg(++numer);
        QDir().mkpath(cel);
        zapiszBrudne();
        najlepszyCzas = std::min(najlepszyCzas, najlepszy(1, [&] { dobrze = kopia(cel) && dobrze; }));
        if (naDyskuCelu)
            *naDyskuCelu = naDysku(cel);
        if (usuwajOdRazu)
            QDir(cel).removeRecursively();
    };
    // cp before and after the engine, so that neither way always runs on a
    // cache or a disk the other one just warmed or filled.
    for (int i = 0; i < razy; ++i) {
        jeden(czasy.cp, &czasy.naDyskuCp, [&](const QString &cel) { return cp(źródło, cel); });
        jeden(czasy.silnik, &czasy.naDyskuSilnika, [&](const QString &cel) { return silnik(źródło, cel, false); });
        jeden(czasy.cp, &czasy.naDyskuCp, [&](const QString &cel) { return cp(źródło, cel); });
        jeden(czasy.zPostępem, nullptr, [&](const QString &cel) { return silnik(źródło, cel, true); });
    }
    for (int i = 1; i <= numer && !zostaw; ++i)
        QDir(QStringLiteral("%1/cel%2").arg(roboczy).arg(i)).removeRecursively();
    return dobrze;
}

void wypisz(QTextStream &out, const QString &nazwa, const Czasy &czasy)
{
    out << nazwa << '\n';
    out << "  silnik:            " << QString::number(czasy.silnik, 'f', 1) << " ms\n";
    out << "  silnik z postępem: " << QString::number(czasy.zPostępem, 'f', 1) << " ms ("
        << QString::number((czasy.zPostępem / czasy.silnik - 1) * 100, 'f', 1) << " %)\n";
    out << "  cp -r:             " << QString::number(czasy.cp, 'f', 1) << " ms\n";
    out << "  silnik / cp -r:    " << QString::number(czasy.silnik / czasy.cp, 'f', 3) << '\n';
    out << "  na dysku: silnik " << czasy.naDyskuSilnika << " KiB, cp -r " << czasy.naDyskuCp << " KiB\n";
    out.flush();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    int pliki = 10000;
    int razy = 5;
    if (!czytajArgumenty(app.arguments(), pliki, razy,
                         "bench_copy [liczba małych plików] [liczba przebiegów] [katalog]"))
        return 2;
    QTextStream out(stdout);

    const QString gdzie = app.arguments().value(3, QStringLiteral(OC_BENCH_DIR));
    QDir().mkpath(gdzie);
    QTemporaryDir katalog(gdzie + QStringLiteral("/copy-XXXXXX"));
    const bool zostaw = app.arguments().value(4) == u"zostaw";
    katalog.setAutoRemove(!zostaw);
    const QString małe = katalog.path() + QStringLiteral("/male");
    const QString duże = katalog.path() + QStringLiteral("/duze");
    const QString rzadkie = katalog.path() + QStringLiteral("/rzadkie");
    out << "Budowanie drzew w " << katalog.path() << "...\n";
    out.flush();
    if (!katalog.isValid() || !małePliki(małe, pliki) || !dużePliki(duże) || !dziurawy(rzadkie)) {
        out << "Nie można zbudować drzew\n";
        return 1;
    }

    out << "pracownicy: " << oc::platform::waitingWorkers() << '\n';
    Czasy czasyMałych, czasyDużych, czasyRzadkich;
    if (!zmierz(małe, katalog.path(), razy, false, zostaw, czasyMałych)
        || !zmierz(duże, katalog.path(), razy, true, zostaw, czasyDużych)
        || !zmierz(rzadkie, katalog.path(), razy, true, zostaw, czasyRzadkich)) {
        out << "Kopiowanie nie powiodło się\n";
        return 1;
    }
    wypisz(out, QStringLiteral("(a) %1 plików 1-16 KiB w %2 katalogach").arg(pliki).arg(MałeKatalogi), czasyMałych);
    wypisz(out, QStringLiteral("(b) %1 pliki po 256 MiB").arg(DużePliki), czasyDużych);
    wypisz(out, QStringLiteral("(c) plik rzadki 1 GiB, 4 KiB danych"), czasyRzadkich);
    return 0;
}
