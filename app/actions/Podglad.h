#pragma once

class Gospodarz;

// F3: plays or shows the file under the active panel's cursor with the
// dialog component, by its extension; other files, directories and an
// empty panel do nothing.
void Viewx(Gospodarz &okno);
