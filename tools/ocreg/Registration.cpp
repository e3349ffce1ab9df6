#include "Registration.h"

#include <component/ComponentError.h>
#include <component/Registry.h>
#include <component/createObject.h>

#include <QFileInfo>

namespace ocreg {

namespace {

// The classes of the library, or a failure that says why there are none.
QStringList servedClasses(const QString &libraryPath, Outcome &failure)
{
    if (!QFileInfo(libraryPath).isFile()) {
        failure.message = QStringLiteral("Nie mogę znaleźć pliku : %1").arg(libraryPath);
        return {};
    }
    try {
        return oc::classesServedBy(libraryPath);
    } catch (const oc::ComponentError &error) {
        failure.message = error.message();
        return {};
    }
}

} // namespace

Outcome registerLibrary(const QString &libraryPath, const QString &registryFile)
{
    Outcome outcome;
    const QStringList classes = servedClasses(libraryPath, outcome);
    if (classes.isEmpty())
        return outcome;
    if (!oc::Registry(registryFile).add(classes, QFileInfo(libraryPath).absoluteFilePath())) {
        outcome.message = QStringLiteral("Nie mogę zapisać rejestru %1").arg(registryFile);
        return outcome;
    }
    outcome.ok = true;
    outcome.message = QStringLiteral("Zarejestrowano %1 (%2).").arg(libraryPath, classes.join(QStringLiteral(", ")));
    return outcome;
}

Outcome unregisterLibrary(const QString &libraryPath, const QString &registryFile)
{
    Outcome outcome;
    const QStringList classes = servedClasses(libraryPath, outcome);
    if (classes.isEmpty())
        return outcome;
    if (!oc::Registry(registryFile).remove(classes)) {
        outcome.message = QStringLiteral("Nie mogę zapisać rejestru %1").arg(registryFile);
        return outcome;
    }
    outcome.ok = true;
    outcome.message = QStringLiteral("Wyrejestrowano %1 (%2).").arg(libraryPath, classes.join(QStringLiteral(", ")));
    return outcome;
}

Arguments parseArguments(const QStringList &arguments)
{
    Arguments parsed;
    for (const QString &argument : arguments) {
        const QString flag = argument.toLower();
        if (flag == QLatin1String("/s") || flag == QLatin1String("-s"))
            parsed.silent = true;
        else if (flag == QLatin1String("/u") || flag == QLatin1String("-u"))
            parsed.unregister = true;
        else
            parsed.libraries << argument;
    }
    return parsed;
}

} // namespace ocreg
