#include "SystemInfo.h"

#include <QFile>
#include <QSysInfo>

namespace oc::platform {

namespace {

// Files under /proc report no size: read to their end.
QByteArray readWhole(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace

SystemInfo systemInfo()
{
    return {QSysInfo::machineHostName(),
            QSysInfo::prettyProductName(),
            QSysInfo::kernelType(),
            QSysInfo::kernelVersion(),
            QSysInfo::currentCpuArchitecture(),
            readWhole(QStringLiteral("/proc/cpuinfo")),
            readWhole(QStringLiteral("/proc/meminfo"))};
}

} // namespace oc::platform
