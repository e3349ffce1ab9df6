// bench_view [GiB] [runs]: the viewer on a sparse file of that size (4 GiB
// by default): from opening the file to its first page drawn, and the End
// key to the last page drawn; best of the runs, with the memory the window
// and its pages take and how much of the file was read.
#include "Pomiar.h"

#include <viewer/Otwieranie.h>
#include <viewer/frmPodglad.h>

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

// Raised when the rows have been painted.
class Malowanie : public QObject
{
public:
    bool namalowane = false;

protected:
    bool eventFilter(QObject *, QEvent *zdarzenie) override
    {
        namalowane = namalowane || zdarzenie->type() == QEvent::Paint;
        return false;
    }
};

// The process's resident memory in KiB, from the kernel's own account.
qint64 pamięćKiB()
{
    QFile stan(QStringLiteral("/proc/self/status"));
    if (!stan.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &wiersz : stan.readAll().split('\n'))
        if (wiersz.startsWith("VmRSS:"))
            return wiersz.mid(6).trimmed().split(' ').value(0).toLongLong();
    return 0;
}

// Lets events run until the rows are painted.
void czekajNaMalowanie(Malowanie &m)
{
    m.namalowane = false;
    while (!m.namalowane)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QCoreApplication::processEvents();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    int gib = 4;
    int razy = 5;
    if (!czytajArgumenty(app.arguments(), gib, razy, "bench_view [rozmiar pliku w GiB] [liczba przebiegów]"))
        return 2;
    QTextStream out(stdout);

    QTemporaryDir katalog(QStringLiteral(OC_BENCH_DIR "/view-XXXXXX"));
    QFile plik(katalog.filePath(QStringLiteral("rzadki.bin")));
    if (!plik.open(QIODevice::WriteOnly) || !plik.resize(qint64(gib) << 30)) {
        out << "Nie można utworzyć pliku\n";
        return 1;
    }
    plik.close();

    // Fonts and the first window's set-up are paid once, outside the runs.
    {
        QString komunikat;
        frmPodglad rozgrzewka(std::make_unique<Przeglądanie>(OtwórzDoPodglądu(plik.fileName(), komunikat)), {}, {});
        Malowanie m;
        rozgrzewka.picTekst->installEventFilter(&m);
        rozgrzewka.show();
        czekajNaMalowanie(m);
    }
    const qint64 przed = pamięćKiB();
    qint64 po = przed, przeczytane = 0;
    double doKońca = std::numeric_limits<double>::max();
    const double doPierwszej = najlepszy(razy, [&] {
        QString komunikat;
        auto podgląd
            = std::make_unique<frmPodglad>(std::make_unique<Przeglądanie>(OtwórzDoPodglądu(plik.fileName(), komunikat)),
                                           QStringLiteral("rzadki.bin"), BarwyPodglądu{});
        Malowanie m;
        podgląd->picTekst->installEventFilter(&m);
        podgląd->show();
        czekajNaMalowanie(m);
        po = std::max(po, pamięćKiB());
        doKońca = std::min(doKońca, najlepszy(1, [&] {
                               QKeyEvent end(QEvent::KeyPress, Qt::Key_End, Qt::NoModifier);
                               QCoreApplication::sendEvent(podgląd.get(), &end);
                               czekajNaMalowanie(m);
                           }));
        przeczytane = podgląd->przeglądanie().strony().Przeczytane();
    });
    out << "pierwsza strona pliku " << gib << " GiB: " << doPierwszej << " ms\n";
    out << "koniec pliku (End): " << doKońca << " ms\n";
    out << "pamięć: " << double(po - przed) / 1024 << " MB więcej, przeczytano " << przeczytane / 1024
        << " KiB pliku\n";
    return 0;
}
