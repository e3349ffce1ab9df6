#pragma once

#include <QString>

class Gospodarz;

// F6: moves the marked entries of the active panel, or the one under its
// cursor, into the other panel's directory. ".." alone or an empty panel
// does nothing; a move onto itself or into its own subtree is refused with
// one message before anything moves. When the move ran both panels are read
// anew, the cursor on the nearest entry that was not chosen.
void MoveFilesD(Gospodarz &okno);

// Takes one entry moved across file systems back to `cel` with the move
// engine and its window, started at once; true when it is there and no
// longer at `gdzie`.
bool PrzenieśZPowrotem(Gospodarz &okno, const QString &gdzie, const QString &cel);
