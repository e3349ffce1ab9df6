#pragma once

#include <QString>
#include <QtGlobal>

// The text up to two digits after its first "." or ",", cut, not rounded;
// one digit gets a "0" after it.
QString DwaMiejsca(const QString &tekst);

// A byte count as "1023 B", "5 KB", "1.50 MB", "1.19 GB".
QString TekstRozmiaru(qint64 bajty);
