#pragma once

#include "Wiersz.h"

#include <QByteArray>

namespace oc {

// What the system information window is made from: the names the system
// gives and the texts of its processor and memory descriptions.
struct DaneSystemu
{
    QString Komputer;     // host name
    QString System;       // the distribution's own name
    QString Jądro;        // kernel name and version
    QString Architektura; // of the processor
    QString Qt;           // version of the Qt libraries in use
    QByteArray Cpuinfo;   // "name : value" lines, a block per logical processor
    QByteArray Meminfo;   // "name: number kB" lines
};

// The running machine's own figures.
DaneSystemu ZbierzDaneSystemu();
// The window's rows; a figure the texts do not give shows as unknown.
QList<Wiersz> WierszeSystemu(const DaneSystemu &dane);

} // namespace oc
