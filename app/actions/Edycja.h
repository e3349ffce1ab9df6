#pragma once

#include <QString>

class Gospodarz;

// F4: the file under the active panel's cursor in the user's editor;
// directories, ".." and an empty panel do nothing.
void Edycja(Gospodarz &okno);
// Shift+F4: asks for a name, creates that empty file in the active panel's
// directory, puts the cursor on it and opens it as F4 does.
void NowyPlik(Gospodarz &okno);

// Opens a file in the editor of $VISUAL or $EDITOR, in a terminal window
// when there is one, started in the directory; with neither set, in the
// desktop's application for its type. A failure is told over the window.
void OtwórzWEdytorze(Gospodarz &okno, const QString &plik, const QString &katalog);
