// bench_delete [files] [runs]: the delete engine against "rm -rf", each on a
// fresh copy of a tree of that many files (10,000 by default) of 1 to 16 KiB
// in 200 directories, written to disk before the clock starts; best of the
// runs, rm timed before and after the engine. OC_WORKERS sets the
// engine's number of threads.
#include "Pomiar.h"

#include <Usuwanie.h>

#include <platform/Workers.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <limits>

namespace {

constexpr int Gałęzie = 10;
constexpr int KatalogówNaGałąź = 20; // the branch itself and nineteen below it

QString katalog(const QString &root, int numer)
{
    const int gałąź = numer / KatalogówNaGałąź;
    const int podkatalog = numer % KatalogówNaGałąź;
    return podkatalog == 0 ? QStringLiteral("%1/g%2").arg(root).arg(gałąź)
                           : QStringLiteral("%1/g%2/k%3").arg(root).arg(gałąź).arg(podkatalog);
}

bool zbudujDrzewo(const QString &root, int pliki)
{
    const int katalogi = Gałęzie * KatalogówNaGałąź;
    for (int k = 0; k < katalogi; ++k)
        if (!QDir().mkpath(katalog(root, k)))
            return false;
    const QByteArray dane(16 * 1024, 'x');
    for (int i = 0; i < pliki; ++i) {
        QFile plik(QStringLiteral("%1/plik%2.dat").arg(katalog(root, i % katalogi)).arg(i));
        const qint64 rozmiar = 1024 + (qint64(i) * 7919) % (15 * 1024 + 1);
        if (!plik.open(QIODevice::WriteOnly) || plik.write(dane.constData(), rozmiar) != rozmiar)
            return false;
    }
    return true;
}

bool uruchom(const QString &program, const QStringList &argumenty)
{
    QProcess proces;
    proces.start(program, argumenty);
    return proces.waitForFinished(-1) && proces.exitStatus() == QProcess::NormalExit && proces.exitCode() == 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    int pliki = 10000;
    int razy = 5;
    if (!czytajArgumenty(app.arguments(), pliki, razy, "bench_delete [liczba plików] [liczba przebiegów]"))
        return 2;
    QTextStream out(stdout);

    QDir().mkpath(QStringLiteral(OC_BENCH_DIR));
    QTemporaryDir miejsce(QStringLiteral(OC_BENCH_DIR "/delete-XXXXXX"));
    const QString wzór = miejsce.path() + QStringLiteral("/wzor");
    out << "Budowanie drzewa " << pliki << " plików w " << wzór << "...\n";
    out.flush();
    if (!miejsce.isValid() || !zbudujDrzewo(wzór, pliki)) {
        out << "Nie można zbudować drzewa\n";
        return 1;
    }

    const QString naSilnik = miejsce.path() + QStringLiteral("/silnik");
    const QString naRm = miejsce.path() + QStringLiteral("/rm");
    const QString naRmPo = miejsce.path() + QStringLiteral("/rm-po");
    double czasSilnika = std::numeric_limits<double>::max();
    double czasRm = std::numeric_limits<double>::max();
    for (int przebieg = 0; przebieg < razy; ++przebieg) {
        if (!uruchom(QStringLiteral("cp"), {QStringLiteral("-a"), wzór, naSilnik})
            || !uruchom(QStringLiteral("cp"), {QStringLiteral("-a"), wzór, naRm})
            || !uruchom(QStringLiteral("cp"), {QStringLiteral("-a"), wzór, naRmPo})
            || !uruchom(QStringLiteral("sync"), {})) {
            out << "Nie można skopiować drzewa\n";
            return 1;
        }
        bool rmDziała = true;
        std::size_t błędy = 0;
        const auto silnik = [&] {
            ocdelete::Usuwanie usuwanie;
            usuwanie.usuń({}, {naSilnik});
            błędy = usuwanie.Błędy.size();
        };
        const auto rm = [&](const QString &drzewo) {
            return [&, drzewo] {
                rmDziała = uruchom(QStringLiteral("rm"), {QStringLiteral("-rf"), drzewo}) && rmDziała;
            };
        };
        // rm before and after the engine, the faster kept.
        czasRm = std::min(czasRm, najlepszy(1, rm(naRm)));
        czasSilnika = std::min(czasSilnika, najlepszy(1, silnik));
        czasRm = std::min(czasRm, najlepszy(1, rm(naRmPo)));
        if (błędy != 0 || QFileInfo::exists(naSilnik) || !rmDziała || QFileInfo::exists(naRm)
            || QFileInfo::exists(naRmPo)) {
            out << "Usuwanie nie powiodło się (błędy silnika: " << błędy << ")\n";
            return 1;
        }
    }

    out << "pracownicy: " << oc::platform::waitingWorkers() << '\n';
    out << "silnik: " << czasSilnika << " ms\n";
    out << "rm -rf: " << czasRm << " ms\n";
    out << "silnik / rm -rf: " << QString::number(czasSilnika / czasRm, 'f', 3) << '\n';
    return 0;
}
