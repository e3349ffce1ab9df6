#pragma once

#include <QString>
#include <array>

// The two panels' directories from the saved-directories file, each ending
// with "/"; a missing file, line or empty line, or a directory that cannot
// be entered, gives the fall-back directory. Never fails.
std::array<QString, 2> ReadPaths();

// The directory as it is when it is absolute and can be entered, else the
// fall-back directory; with "/" at the end.
QString Sprawdz(const QString &katalog);
