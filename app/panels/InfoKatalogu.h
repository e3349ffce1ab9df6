#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

// The figures the side panels show, 64-bit so no disk or tree wraps them.

// Decimal text with a blank between groups of three digits ("1 234 567").
QString TekstZOdstępami(qint64 n);

// A directory's statistics as the "Bajty#Zajęte#Katalogi#Pliki" text counts
// them; an empty or damaged text gives zeros.
struct Liczniki
{
    qint64 Bajty = 0;
    qint64 Zajęte = 0;
    qint64 Katalogi = 0;
    qint64 Pliki = 0;
};
Liczniki RozbierzLiczniki(const QString &text);

// True for a regular file (through a link); never for a directory, a pipe
// or a device, which a reader could hang on.
bool JestPlikiem(const QString &path);

// The description files looked for, in order.
const QStringList &NazwyOpisów();

// The first six lines of a description file, each followed by CR LF; a
// line is cut at 1,000 characters so a file without line breaks stays small.
QString TekstOpisu(const QString &path);
