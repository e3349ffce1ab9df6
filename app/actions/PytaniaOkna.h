#pragma once

#include <QString>
#include <QtGlobal>

class Gospodarz;

// What the main window asks the user through the components; the window
// does the rest with the answer.

// The exit question; true to leave, also when the message box is missing
// or fails, since that cannot keep the user in the program.
bool ZgodaNaKoniec(Gospodarz &okno);
// The volume panel p goes to, chosen in the dialog component with the
// panel's own volume offered; "" when nothing was chosen or the dialog is
// missing.
QString WybierzWolumin(Gospodarz &okno, int p, const QString &wolumin);
// The mask grey + or grey - marks by (tryb as the dialog takes it), asked
// beside the active panel p; "" when none was given or the dialog is missing.
QString PodajMaskę(Gospodarz &okno, int p, qint16 tryb);
// The dialog component's clock; a clock that cannot be shown is reported.
void PokażZegar(Gospodarz &okno);
