// bench_zzm [files] [runs]: the directory statistics against "du -sb" on a
// tree of that many files (100,000 by default), warm cache, best of the
// runs, du timed before and after. OC_WORKERS sets the number of threads.
#include "Pomiar.h"

#include <CrtlQ.h>

#include <platform/Workers.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdio>

namespace {

constexpr int PlikówWKatalogu = 1000;
constexpr int PodkatalogówNaPoziom = 10;

// Spreads the files over two levels of directories, sizes from 0 to a few
// units so that both rounding cases occur.
bool zbudujDrzewo(const QString &root, int pliki)
{
    for (int i = 0; i < pliki; ++i) {
        const int katalog = i / PlikówWKatalogu;
        const QString ścieżka = QStringLiteral("%1/k%2/p%3").arg(root).arg(katalog / PodkatalogówNaPoziom).arg(katalog);
        if (i % PlikówWKatalogu == 0 && !QDir().mkpath(ścieżka))
            return false;
        QFile plik(QStringLiteral("%1/plik%2.dat").arg(ścieżka).arg(i));
        if (!plik.open(QIODevice::WriteOnly) || !plik.resize((qint64(i) * 7919) % 20000))
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    int pliki = 100000;
    int razy = 7;
    if (!czytajArgumenty(app.arguments(), pliki, razy, "bench_zzm [liczba plików] [liczba przebiegów]"))
        return 2;
    QTextStream out(stdout);

    QDir().mkpath(QStringLiteral(OC_BENCH_DIR));
    QTemporaryDir katalog(QStringLiteral(OC_BENCH_DIR "/zzm-XXXXXX"));
    out << "Budowanie drzewa " << pliki << " plików w " << katalog.path() << "...\n";
    out.flush();
    if (!katalog.isValid() || !zbudujDrzewo(katalog.path(), pliki)) {
        out << "Nie można zbudować drzewa\n";
        return 1;
    }

    oc2::CrtlQ statystyka;
    QString wynikZzm;
    QByteArray wynikDu;
    bool duDziała = true;
    auto zzm = [&] { wynikZzm = statystyka.ZZM(katalog.path()); };
    auto du = [&] {
        QProcess proces;
        proces.start(QStringLiteral("du"), {QStringLiteral("-sb"), katalog.path()});
        duDziała = proces.waitForFinished(-1) && proces.exitCode() == 0;
        wynikDu = proces.readAllStandardOutput().split('\t').value(0);
    };
    // One untimed run of each warms the cache.
    zzm();
    du();
    if (!duDziała) {
        out << "Nie można uruchomić du\n";
        return 1;
    }
    // du before and after, the faster kept.
    double czasDu = najlepszy(razy, du);
    const double czasZzm = najlepszy(razy, zzm);
    czasDu = std::min(czasDu, najlepszy(razy, du));

    out << "pracownicy: " << oc::platform::defaultWorkers() << '\n';
    out << "ZZM:    " << czasZzm << " ms  (" << wynikZzm << ")\n";
    out << "du -sb: " << czasDu << " ms  (" << wynikDu << " B)\n";
    out << "ZZM / du: " << QString::number(czasZzm / czasDu, 'f', 3) << '\n';
    return 0;
}
