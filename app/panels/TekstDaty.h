#pragma once

#include <QDateTime>
#include <QString>

// The status line's date: day, month, year and time in the program's own
// short form ("07.12.2026 14:05"), which fits its label in any locale.
QString TekstDaty(const QDateTime &czas);
