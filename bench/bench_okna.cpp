// bench_okna [files] [runs] [directory]: copy and delete for good as the user runs them,
// from the key on the main window (F5, Shift+F8) until the program is back
// at its panels, each window's question answered with Enter at once: the
// windows' own cost on top of the engines, which run alone on the same
// tree in the same rounds. The tree is bench_copy's small one; "cp -r" and
// "rm -rf" are timed before and after, the faster kept. The components come
// from a registry of its own.
#include "Pomiar.h"

#include <Kopiarka.h>
#include <Wsad.h>

#include <shell/WczytajKolory.h>
#include <window/frmMain.h>

#include <platform/Workers.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QTimer>
#include <functional>

namespace {

constexpr int F5 = 116;
constexpr int F8 = 119;
constexpr int Shift = 1;

bool uruchom(const QString &program, const QStringList &argumenty)
{
    return QProcess::execute(program, argumenty) == 0;
}

// Presses Enter once in every modal window that opens, as a user who
// accepts each question as it comes.
class Potakiwacz : public QObject
{
public:
    Potakiwacz()
    {
        m_zegar.setInterval(1);
        connect(&m_zegar, &QTimer::timeout, this, [this] {
            QWidget *okno = QApplication::activeModalWidget();
            if (okno && okno != m_ostatnie) {
                m_ostatnie = okno;
                QTest::keyClick(okno, Qt::Key_Return);
            }
        });
        m_zegar.start();
    }

private:
    QTimer m_zegar;
    QWidget *m_ostatnie = nullptr;
};

// The milliseconds from the key to the key's return; the entry `nazwa` of
// the left panel is marked and under the cursor first.
double klawisz(frmMain &okno, const QString &nazwa, int kod, int shift)
{
    okno.Widok(1).OdświeżListy();
    okno.Widok(1).ZaznaczPlik(nazwa);
    const StanPanelu &stan = okno.Widok(1).Stan;
    for (qint32 i = 1; i <= stan.LiczbaPozycji; ++i)
        if (stan.Rzeczywiste[size_t(i)] == nazwa)
            okno.Widok(1).UstawZnak(i, 1);
    Potakiwacz potakiwacz;
    return najlepszy(1, [&] { okno.Form_KeyDown(kod, shift); });
}

struct Czasy
{
    double kopiowanie = 1e300;
    double silnikKopii = 1e300;
    double cp = 1e300;
    double usuwanie = 1e300;
    double silnikUsuwania = 1e300;
    double rm = 1e300;
};

bool silnikKopii(const QString &źródło, const QString &cel)
{
    occopy::Kopiarka kopiarka;
    kopiarka.lstDirs << źródło;
    kopiarka.KatalogDocelowy = cel + u'/';
    kopiarka.Wykonaj();
    return kopiarka.Błędy().empty();
}

bool silnikUsuwania(const QString &katalog)
{
    ocdelete::Wsad wsad;
    wsad.Katalogi << katalog;
    wsad.Wykonaj();
    return wsad.Błędy().empty();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    int pliki = 10000;
    int razy = 3;
    if (!czytajArgumenty(app.arguments(), pliki, razy, "bench_okna [liczba plików] [liczba przebiegów] [katalog]"))
        return 2;
    QTextStream out(stdout);

    QTemporaryDir rejestr;
    // The build's bench/ unless told: on tmpfs the windows' own cost shows without the disk's.
    QTemporaryDir katalog(app.arguments().value(3, QStringLiteral(OC_BENCH_DIR)) + QStringLiteral("/okna-XXXXXX"));
    const QString źródła = katalog.filePath(QStringLiteral("zrodla"));
    const QString cele = katalog.filePath(QStringLiteral("cele"));
    if (!zarejestrujKomponenty(QStringLiteral(OC_BIN_DIR), rejestr.filePath(QStringLiteral("registry.ini")))) {
        out << "Nie można zarejestrować komponentów\n";
        return 1;
    }
    if (!małePliki(źródła + QStringLiteral("/male"), pliki) || !QDir().mkpath(cele)) {
        out << "Nie można zbudować drzewa\n";
        return 1;
    }

    kolory() = DomyślneKolory();
    Czasy czasy;
    bool dobrze = true;
    // Dirty pages are written out before each timed run; the best one kept.
    const auto zmierz = [](double &najlepszyCzas, const std::function<bool()> &praca) {
        uruchom(QStringLiteral("sync"), {});
        bool dobrze = false;
        najlepszyCzas = std::min(najlepszyCzas, najlepszy(1, [&] { dobrze = praca(); }));
        return dobrze;
    };
    const QString male = źródła + QStringLiteral("/male");
    // Every round's copies first, then their deletion: some file systems
    // (ext4 without a journal) pass over the entries freed in the last
    // minutes when they make new ones, so a copy made just after a deletion
    // pays for it, more for one side than the other as it happens.
    for (const bool kopie : {true, false})
        for (int i = 0; i < razy && dobrze; ++i) {
            const QString cel = QStringLiteral("%1/cel%2").arg(cele).arg(i);
            QDir().mkpath(cel);
            const auto cp = [&](const QString &nazwa) {
                return uruchom(QStringLiteral("cp"), {QStringLiteral("-r"), male, cel + u'/' + nazwa});
            };
            const auto rm = [&](const QString &nazwa) {
                return uruchom(QStringLiteral("rm"), {QStringLiteral("-rf"), cel + u'/' + nazwa});
            };
            // The window and the engine take turns at going first: a file
            // system slows as it fills, and neither should always meet that.
            const auto oknoKopiuje = [&] {
                frmMain okno(źródła, cel);
                okno.BezPytania = true;
                okno.Form_Load();
                QApplication::processEvents();
                uruchom(QStringLiteral("sync"), {});
                czasy.kopiowanie = std::min(czasy.kopiowanie, klawisz(okno, QStringLiteral("male"), F5, 0));
                return QFile::exists(cel + QStringLiteral("/male/k199/plik199.dat"));
            };
            const auto silnikKopiuje = [&] {
                return zmierz(czasy.silnikKopii, [&] { return silnikKopii(male, cel + QStringLiteral("/silnik")); });
            };
            const auto oknoUsuwa = [&] {
                frmMain okno(cel, źródła);
                okno.BezPytania = true;
                okno.Form_Load();
                QApplication::processEvents();
                uruchom(QStringLiteral("sync"), {});
                czasy.usuwanie = std::min(czasy.usuwanie, klawisz(okno, QStringLiteral("male"), F8, Shift));
                return !QFile::exists(cel + QStringLiteral("/male"));
            };
            const auto silnikUsuwa = [&] {
                return zmierz(czasy.silnikUsuwania,
                              [&] { return silnikUsuwania(cel + QStringLiteral("/silnik/male")); });
            };
            const bool oknoPierwsze = i % 2 == 0;
            if (kopie) {
                dobrze &= zmierz(czasy.cp, [&] { return cp(QStringLiteral("cp1")); });
                dobrze &= oknoPierwsze ? oknoKopiuje() && silnikKopiuje() : silnikKopiuje() && oknoKopiuje();
                dobrze &= zmierz(czasy.cp, [&] { return cp(QStringLiteral("cp2")); });
            } else {
                dobrze &= zmierz(czasy.rm, [&] { return rm(QStringLiteral("cp1")); });
                dobrze &= oknoPierwsze ? oknoUsuwa() && silnikUsuwa() : silnikUsuwa() && oknoUsuwa();
                dobrze &= zmierz(czasy.rm, [&] { return rm(QStringLiteral("cp2")); });
            }
        }
    if (!dobrze) {
        out << "Kopiowanie lub usuwanie nie powiodło się\n";
        return 1;
    }
    out << "pracownicy: " << oc::platform::waitingWorkers() << '\n';
    out << "pracownicy usuwania: " << oc::platform::waitingWorkers() << '\n';
    out << "okno kopiowania (F5): " << QString::number(czasy.kopiowanie, 'f', 1) << " ms\n";
    out << "silnik kopiowania: " << QString::number(czasy.silnikKopii, 'f', 1) << " ms\n";
    out << "cp -r: " << QString::number(czasy.cp, 'f', 1) << " ms\n";
    out << "okno usuwania (Shift+F8): " << QString::number(czasy.usuwanie, 'f', 1) << " ms\n";
    out << "silnik usuwania: " << QString::number(czasy.silnikUsuwania, 'f', 1) << " ms\n";
    out << "rm -rf: " << QString::number(czasy.rm, 'f', 1) << " ms\n";
    return 0;
}
