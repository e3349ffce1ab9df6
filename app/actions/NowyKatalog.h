#pragma once

#include <QString>

class Gospodarz;

// F7: asks for a name and creates the directory in the active panel's
// directory (an absolute name where it points); the cursor then stands on it.
void NewDir(Gospodarz &okno);
