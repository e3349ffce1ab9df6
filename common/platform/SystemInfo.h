#pragma once

#include <QByteArray>
#include <QString>

namespace oc::platform {

// What the running system says of itself: the names it gives and the texts
// of its processor and memory descriptions.
struct SystemInfo
{
    QString hostName;
    QString productName; // the distribution's own name
    QString kernelType;  // as the kernel names itself ("linux")
    QString kernelVersion;
    QString cpuArchitecture;
    QByteArray cpuInfo; // "name : value" lines, a block per logical processor
    QByteArray memInfo; // "name: number kB" lines
};

SystemInfo systemInfo();

} // namespace oc::platform
