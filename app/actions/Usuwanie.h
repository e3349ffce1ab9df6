#pragma once

#include <QtGlobal>

class Gospodarz;

// How the delete component's questions delete.
namespace tryb_usuwania {
constexpr qint32 DoKosza = 1;
constexpr qint32 NaZawsze = 2;
} // namespace tryb_usuwania

// F8: moves the marked entries of the active panel, or the one under its
// cursor, to the desktop trash; Shift+F8 (naZawsze) deletes them for good.
// ".." under the cursor, or an empty panel, does nothing. Where no trash
// can take them the user is told so and asked whether to delete for good.
void DeleteFileD(Gospodarz &okno, bool naZawsze = false);
// The marked entries; afterwards the cursor on the nearest unmarked one.
void MoreDelete(Gospodarz &okno, qint32 tryb);
// The one directory under the cursor.
void DeleteDirx(Gospodarz &okno, qint32 tryb);
