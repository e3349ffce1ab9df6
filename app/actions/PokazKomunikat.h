#pragma once

#include "Wywolanie.h"

#include <QString>
#include <QtGlobal>

// Asks through the message box component, placed over the caller's window
// (the screen's corner when none); returns the 0-based index of the chosen
// button, or -1 when the message box could not be shown.
qint32 PokażKomunikat(const Wywołujący &kto, const QString &Title, const QString &Text, quint8 Ikona, quint8 Buttony,
                      quint8 DefaultButton);
