#pragma once

#include <QtGlobal>

// Sets both panels' Katalog from the saved-directories file; a missing file,
// line or empty line gives the fall-back directory. Never fails.
void ReadPaths();

// Replaces panel n's Katalog by the fall-back directory when it cannot be
// entered, and makes the result the current directory.
void Sprawdz(qint32 n);
