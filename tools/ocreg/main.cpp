#include "Registration.h"

#include <component/Registry.h>
#include <ui/Activate.h>

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QTextStream>
#include <memory>

// ocreg [/s] [/u] LIBRARY...: registers (or removes) the classes each library serves.
int main(int argc, char *argv[])
{
    QStringList rawArguments;
    for (int i = 1; i < argc; ++i)
        rawArguments << QString::fromLocal8Bit(argv[i]);
    const ocreg::Arguments arguments = ocreg::parseArguments(rawArguments);

    // Silent runs come from scripts and tests, which may have no display.
    std::unique_ptr<QCoreApplication> app;
    if (arguments.silent)
        app = std::make_unique<QCoreApplication>(argc, argv);
    else
        app = std::make_unique<QApplication>(argc, argv);

    // On a platform without a screen nobody could answer a message box and
    // the calling script would wait for ever: report on the terminal instead.
    const QString platform = QGuiApplication::platformName();
    const bool boxes
        = !arguments.silent && platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");

    const auto report = [&](bool ok, const QString &message) {
        if (!boxes) {
            if (!ok)
                QTextStream(stderr) << message << '\n';
            else if (!arguments.silent)
                QTextStream(stdout) << message << '\n';
        } else {
            QMessageBox box(ok ? QMessageBox::Information : QMessageBox::Critical, QStringLiteral("ocreg"), message);
            oc::ui::execActivated(box);
        }
    };

    if (arguments.libraries.isEmpty()) {
        report(false, QStringLiteral("Użycie: ocreg [/s] [/u] BIBLIOTEKA..."));
        return 2;
    }
    const QString registry = oc::Registry::defaultFile();
    int status = 0;
    for (const QString &library : arguments.libraries) {
        const ocreg::Outcome outcome = arguments.unregister ? ocreg::unregisterLibrary(library, registry)
                                                            : ocreg::registerLibrary(library, registry);
        report(outcome.ok, outcome.message);
        if (!outcome.ok)
            status = 1;
    }
    return status;
}
