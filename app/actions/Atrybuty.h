#pragma once

class Gospodarz;

// The attributes command: the single-file window for the file under the
// cursor, else the batch window for the marked entries or the directory
// under the cursor. An empty panel does nothing.
void AttribFile(Gospodarz &okno);
