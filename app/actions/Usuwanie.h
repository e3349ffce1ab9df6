#pragma once

class Gospodarz;

// F8: deletes the marked entries of the active panel, or the one under its
// cursor; ".." under the cursor, or an empty panel, does nothing.
void DeleteFileD(Gospodarz &okno);
// The marked entries; afterwards the cursor on the nearest unmarked one.
void MoreDelete(Gospodarz &okno);
// The one directory under the cursor.
void DeleteDirx(Gospodarz &okno);
