// bench_resize [entries] [runs]: the main window made taller and back with
// that many entries (100,000 by default) in both panels, in the brief and the
// full view; each change measured to its repaint, the best of the runs.
#include "Pomiar.h"

#include <shell/WczytajKolory.h>
#include <ui/Twips.h>
#include <window/frmMain.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

constexpr int wysoka = 15000; // twips: a 1000-pixel screen at 96 dpi

// One change of height, handled and painted.
void ZmieńWysokość(frmMain &okno, int twips)
{
    okno.resize(okno.width(), oc::ui::toPixels(twips));
    QApplication::processEvents();
    okno.repaint();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    int wpisy = 100000;
    int razy = 20;
    if (!czytajArgumenty(app.arguments(), wpisy, razy, "bench_resize [liczba pozycji] [liczba przebiegów]"))
        return 2;
    QTextStream out(stdout);

    QTemporaryDir katalog(QStringLiteral(OC_BENCH_DIR "/resize-XXXXXX"));
    if (!pustePliki(katalog.path(), 1, wpisy, QStringLiteral("plik_o_dość_długiej_nazwie_%1.txt"))) {
        out << "Nie można zbudować katalogu\n";
        return 1;
    }

    kolory() = DomyślneKolory();
    frmMain okno(katalog.path(), katalog.path());
    okno.BezPytania = true;
    okno.Form_Load();
    QApplication::processEvents();
    if (okno.Widok(1).Stan.LiczbaPozycji != wpisy || okno.Widok(2).Stan.LiczbaPozycji != wpisy) {
        out << "Pozycji " << okno.Widok(1).Stan.LiczbaPozycji << " zamiast " << wpisy << '\n';
        return 1;
    }
    // Both cursors deep in the list, so every redraw moves the view.
    for (int p = 1; p <= 2; ++p)
        okno.Widok(p).PokażPozycję(wpisy / 2);

    for (const bool pełny : {false, true}) {
        for (int p = 1; p <= 2; ++p)
            okno.Widok(p).UstawWidok(pełny);
        int wiersze = 0;
        const double czas = najlepszy(razy,
                                      [&] {
                                          ZmieńWysokość(okno, wysoka);
                                          wiersze = int(okno.Panel1.size() + okno.Panel2.size());
                                          ZmieńWysokość(okno, MinimalnaWysokość);
                                      })
                            / 2;
        out << "zmiana wysokości okna, " << (pełny ? "widok pełny" : "widok skrócony") << ", " << wpisy
            << " pozycji w obu panelach: " << czas << " ms (" << wiersze << " wierszy w wysokim oknie)\n";
    }
    return 0;
}
