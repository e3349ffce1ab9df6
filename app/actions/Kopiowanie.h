#pragma once

#include <QStringList>

class Gospodarz;

// F5: copies the marked entries of the active panel, or the one under its
// cursor, into the other panel's directory. ".." alone, or an empty panel,
// hands nothing over and shows nothing.
void CopyFilesD(Gospodarz &okno);

// Paths dropped from another program onto panel p are copied into its
// directory; the panel is re-read when the copy ran.
void UpuśćPliki(Gospodarz &okno, int p, const QStringList &ścieżki);
