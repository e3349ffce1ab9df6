// bench_start [runs]: the program's start-up as the user sees it, from
// starting the process to the first paint of the main window, with the
// components registered in a registry of its own; best of the runs.
// It starts itself again as the program ("--program").
#include "Pomiar.h"

#include <platform/Paths.h>
#include <shell/frmSplash.h>
#include <ui/Fonts.h>
#include <window/frmMain.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdio>
#include <cstdlib>

namespace {

// Says so on the first paint of anything in the main window, then ends the run.
class PierwszeMalowanie : public QObject
{
protected:
    bool eventFilter(QObject *obiekt, QEvent *zdarzenie) override
    {
        auto *widżet = qobject_cast<QWidget *>(obiekt);
        if (zdarzenie->type() == QEvent::Paint && widżet && qobject_cast<frmMain *>(widżet->window())) {
            std::fputs("namalowane\n", stdout);
            std::fflush(stdout);
            std::_Exit(0);
        }
        return false;
    }
};

// main.cpp's start-up, with the program's directory set to the build's bin/.
int program(int argc, char *argv[])
{
    QApplication app(argc, argv);
    oc::platform::setProgramDirectory(QStringLiteral(OC_BIN_DIR));
    QApplication::setApplicationName(QStringLiteral("Orvane Commander"));
    QApplication::setFont(oc::ui::sansFont(8.25));
    PierwszeMalowanie malowanie;
    app.installEventFilter(&malowanie);
    frmSplash splash;
    splash.show();
    return app.exec();
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 1 && QByteArray(argv[1]) == "--program")
        return program(argc, argv);

    QCoreApplication app(argc, argv);
    int razy = 5;
    int nieużywane = 1;
    QStringList argumenty = app.arguments();
    argumenty.insert(1, QStringLiteral("1"));
    if (!czytajArgumenty(argumenty, nieużywane, razy, "bench_start [liczba przebiegów]"))
        return 2;
    QTextStream out(stdout);

    QTemporaryDir katalog;
    const QString rejestr = katalog.filePath(QStringLiteral("registry.ini"));
    if (!zarejestrujKomponenty(QStringLiteral(OC_BIN_DIR), rejestr)) {
        out << "Nie można zarejestrować komponentów\n";
        return 1;
    }

    bool dobrze = true;
    const double czas = najlepszy(razy, [&] {
        QProcess proces;
        proces.start(app.applicationFilePath(), {QStringLiteral("--program")});
        dobrze = proces.waitForReadyRead(30000) && proces.readAllStandardOutput().startsWith("namalowane") && dobrze;
        proces.waitForFinished(30000);
    });
    if (!dobrze) {
        out << "Program nie pokazał okna głównego\n";
        return 1;
    }
    out << "start do pierwszego malowania okna głównego: " << czas << " ms\n";
    return 0;
}
