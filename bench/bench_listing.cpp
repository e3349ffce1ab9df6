// bench_listing [entries] [runs]: reading a directory for a panel against
// "ls -la" on the same directory (both stat every entry and sort by name,
// the panel by the Polish alphabet),
// warm cache, best of the runs.
#include "Pomiar.h"

#include <panels/ListaKatalogow.h>
#include <panels/ListaPlikow.h>
#include <platform/Directory.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

// One directory in fifty, the rest files of mixed-case names and sizes.
bool zbudujKatalog(const QString &root, int wpisy)
{
    for (int i = 0; i < wpisy; ++i) {
        const QString nazwa
            = QStringLiteral("%1/%2%3").arg(root, i % 3 ? QStringLiteral("plik") : QStringLiteral("Plik")).arg(i);
        if (i % 50 == 0) {
            if (!QDir().mkdir(nazwa))
                return false;
            continue;
        }
        QFile plik(nazwa + QStringLiteral(".txt"));
        if (!plik.open(QIODevice::WriteOnly) || !plik.resize(i % 5000))
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    int wpisy = 100000;
    int razy = 5;
    if (!czytajArgumenty(app.arguments(), wpisy, razy, "bench_listing [liczba pozycji] [liczba przebiegów]"))
        return 2;
    QTextStream out(stdout);
    QTemporaryDir katalog(QStringLiteral(OC_BENCH_DIR "/listing-XXXXXX"));
    if (!katalog.isValid() || !zbudujKatalog(katalog.path(), wpisy)) {
        out << "nie mogę zbudować katalogu testowego\n";
        return 1;
    }

    qint32 pokazane = 0;
    const double nasz = najlepszy(razy, [&] {
        oc::platform::DirectoryListing listing = oc::platform::readDirectory(katalog.path(), false);
        ListaKatalogów katalogi;
        ListaPlików pliki;
        katalogi.Wczytaj(katalog.path(), std::move(listing.directories), false);
        pliki.Wczytaj(katalog.path(), std::move(listing.files));
        pokazane = katalogi.Liczba() + pliki.Liczba();
    });
    const double ls = najlepszy(razy, [&] {
        QProcess proces;
        proces.setStandardOutputFile(QProcess::nullDevice());
        proces.start(QStringLiteral("ls"), {QStringLiteral("-la"), QStringLiteral("--color=never"), katalog.path()});
        proces.waitForFinished(-1);
    });

    out << "pozycji: " << pokazane << "\n"
        << "odczyt dla panelu: " << nasz << " ms\n"
        << "ls -la:            " << ls << " ms\n"
        << "stosunek: " << nasz / ls << "\n";
    return 0;
}
