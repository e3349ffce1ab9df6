#include "InfoSystemu.h"

#include <QFile>
#include <QSysInfo>

namespace oc {

namespace {

// Files under /proc report no size: read to their end.
QByteArray przeczytaj(const QString &ścieżka)
{
    QFile plik(ścieżka);
    if (!plik.open(QIODevice::ReadOnly))
        return {};
    return plik.readAll();
}

} // namespace

DaneSystemu ZbierzDaneSystemu()
{
    DaneSystemu dane;
    dane.Komputer = QSysInfo::machineHostName();
    dane.System = QSysInfo::prettyProductName();
    QString jądro = QSysInfo::kernelType();
    if (!jądro.isEmpty())
        jądro[0] = jądro[0].toUpper(); // "linux" is a name
    dane.Jądro = jądro + u' ' + QSysInfo::kernelVersion();
    dane.Architektura = QSysInfo::currentCpuArchitecture();
    dane.Qt = QString::fromLatin1(qVersion());
    dane.Cpuinfo = przeczytaj(QStringLiteral("/proc/cpuinfo"));
    dane.Meminfo = przeczytaj(QStringLiteral("/proc/meminfo"));
    return dane;
}

} // namespace oc
