// bench_move [files] [runs] [directory]: the move engine against "mv" on
// that many files of 1 to 16 KiB (10,000 by default), all chosen one by one
// as when every file of a panel is marked: (a) into another directory of the
// same file system (the build's bench/ by default), (b) from a tmpfs
// (/dev/shm) into that directory, across file systems. Between timed runs
// the files go back untimed; dirty pages are written out before every
// timed run; best of the runs, the two taking turns at going first.
#include "Pomiar.h"

#include <Przenosnik.h>

#include <platform/Workers.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <sys/stat.h>

namespace {

bool zbuduj(const QString &katalog, int pliki)
{
    if (!QDir().mkpath(katalog))
        return false;
    const QByteArray dane(16 * 1024, 'x');
    for (int i = 0; i < pliki; ++i) {
        QFile plik(QStringLiteral("%1/plik%2.dat").arg(katalog).arg(i));
        const qint64 rozmiar = 1024 + (qint64(i) * 7919) % (15 * 1024 + 1);
        if (!plik.open(QIODevice::WriteOnly) || plik.write(dane.constData(), rozmiar) != rozmiar)
            return false;
    }
    return true;
}

QStringList wszystkie(const QString &katalog)
{
    QStringList ścieżki;
    for (const QString &nazwa : QDir(katalog).entryList(QDir::Files | QDir::NoDotAndDotDot))
        ścieżki << katalog + u'/' + nazwa;
    return ścieżki;
}

void zapiszBrudne()
{
    QProcess::execute(QStringLiteral("sync"), {});
}

// The move as the window runs it, less the window; false on any failure.
bool silnik(const QString &z, const QString &cel)
{
    occopy::Kopiarka kopiarka;
    occopy::Przenośnik przenośnik(kopiarka);
    przenośnik.lstFiles = wszystkie(z);
    przenośnik.KatalogDocelowy = cel + u'/';
    przenośnik.Przenieś();
    return przenośnik.Błędy().empty() && QDir(z).isEmpty();
}

bool mv(const QString &z, const QString &cel)
{
    QProcess proces;
    proces.start(QStringLiteral("mv"), wszystkie(z) << cel + u'/');
    return proces.waitForFinished(-1) && proces.exitStatus() == QProcess::NormalExit && proces.exitCode() == 0
           && QDir(z).isEmpty();
}

struct Czasy
{
    double silnik = 1e300;
    double mv = 1e300;
};

bool zmierz(const QString &z, const QString &cel, int razy, Czasy &czasy)
{
    bool dobrze = true;
    const auto jeden = [&](double &najlepszyCzas, bool (*przenieś)(const QString &, const QString &)) {
        zapiszBrudne();
        najlepszyCzas = std::min(najlepszyCzas, najlepszy(1, [&] { dobrze = przenieś(z, cel) && dobrze; }));
        dobrze = mv(cel, z) && dobrze;
    };
    for (int i = 0; i < razy; ++i) {
        if (i % 2 == 0) {
            jeden(czasy.silnik, silnik);
            jeden(czasy.mv, mv);
        } else {
            jeden(czasy.mv, mv);
            jeden(czasy.silnik, silnik);
        }
    }
    return dobrze;
}

void wypisz(QTextStream &out, const QString &nazwa, const Czasy &czasy)
{
    out << nazwa << '\n';
    out << "  silnik:      " << QString::number(czasy.silnik, 'f', 1) << " ms\n";
    out << "  mv:          " << QString::number(czasy.mv, 'f', 1) << " ms\n";
    out << "  silnik / mv: " << QString::number(czasy.silnik / czasy.mv, 'f', 3) << '\n';
    out.flush();
}

bool jedenSystem(const QString &a, const QString &b)
{
    struct stat x, y;
    return stat(QFile::encodeName(a).constData(), &x) == 0 && stat(QFile::encodeName(b).constData(), &y) == 0
           && x.st_dev == y.st_dev;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    int pliki = 10000;
    int razy = 5;
    if (!czytajArgumenty(app.arguments(), pliki, razy, "bench_move [liczba plików] [liczba przebiegów] [katalog]"))
        return 2;
    QTextStream out(stdout);

    const QString gdzie = app.arguments().value(3, QStringLiteral(OC_BENCH_DIR));
    QDir().mkpath(gdzie);
    QTemporaryDir katalog(gdzie + QStringLiteral("/move-XXXXXX"));
    QTemporaryDir pamięć(QStringLiteral("/dev/shm/move-XXXXXX"));
    if (!katalog.isValid() || !pamięć.isValid() || jedenSystem(katalog.path(), pamięć.path())) {
        out << "Potrzebny katalog w /dev/shm, na innym systemie plików niż " << gdzie << '\n';
        return 1;
    }
    const QString z = katalog.path() + QStringLiteral("/z");
    const QString cel = katalog.path() + QStringLiteral("/cel");
    const QString zPamięci = pamięć.path() + QStringLiteral("/z");
    out << "Budowanie plików w " << katalog.path() << " i " << pamięć.path() << "...\n";
    out.flush();
    if (!zbuduj(z, pliki) || !QDir().mkpath(cel) || !zbuduj(zPamięci, pliki)) {
        out << "Nie można zbudować plików\n";
        return 1;
    }

    out << "pracownicy: " << oc::platform::waitingWorkers() << '\n';
    Czasy wJednym, międzySystemami;
    if (!zmierz(z, cel, razy, wJednym) || !zmierz(zPamięci, cel, razy, międzySystemami)) {
        out << "Przenoszenie nie powiodło się\n";
        return 1;
    }
    wypisz(out, QStringLiteral("(a) %1 plików w jednym systemie plików").arg(pliki), wJednym);
    wypisz(out, QStringLiteral("(b) %1 plików 1-16 KiB z tmpfs na dysk").arg(pliki), międzySystemami);
    return 0;
}
