// bench_click [marked] [clicks]: a row click on the main window's panel
// with that many files marked (10,000 by default), its repaint included;
// the mean of the clicks, which walk down the rows and back.
#include "Pomiar.h"

#include <shell/WczytajKolory.h>
#include <window/frmMain.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

namespace {

// Counts the paints, to show that each click was drawn.
class Malowania : public QObject
{
public:
    int liczba = 0;

protected:
    bool eventFilter(QObject *, QEvent *zdarzenie) override
    {
        liczba += zdarzenie->type() == QEvent::Paint;
        return false;
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    int pliki = 10000;
    int kliknięcia = 2000;
    if (!czytajArgumenty(app.arguments(), pliki, kliknięcia,
                         "bench_click [liczba zaznaczonych plików] [liczba kliknięć]"))
        return 2;
    QTextStream out(stdout);

    QTemporaryDir katalog(QStringLiteral(OC_BENCH_DIR "/click-XXXXXX"));
    if (!pustePliki(katalog.path(), 0, pliki, QStringLiteral("plik%1.txt"))) {
        out << "Nie można zbudować katalogu\n";
        return 1;
    }

    kolory() = DomyślneKolory();
    frmMain okno(katalog.path(), katalog.path());
    okno.BezPytania = true;
    okno.Form_Load();
    QApplication::processEvents();
    okno.SzaraGwiazdka();
    const StanPanelu &stan = okno.Widok(1).Stan;
    if (stan.IleZaznaczonych != pliki) {
        out << "Zaznaczonych " << stan.IleZaznaczonych << " zamiast " << pliki << '\n';
        return 1;
    }

    const int wiersze = int(okno.Panel1.size());
    Malowania malowania;
    app.installEventFilter(&malowania);
    const double czas = najlepszy(1, [&] {
        for (int i = 0; i < kliknięcia; ++i) {
            const int krok = i % (2 * wiersze);
            QTest::mouseClick(okno.Panel1[size_t(krok < wiersze ? krok : 2 * wiersze - 1 - krok)], Qt::LeftButton);
            QApplication::processEvents();
        }
    });
    out << "kliknięcie wiersza przy " << stan.IleZaznaczonych << " zaznaczonych: " << czas / kliknięcia << " ms ("
        << malowania.liczba << " odmalowań na " << kliknięcia << " kliknięć)\n";
    return 0;
}
