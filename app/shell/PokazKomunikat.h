#pragma once

#include <QString>
#include <QtGlobal>

// Asks through the message box component, placed over the main window;
// returns the 0-based index of the chosen button.
qint32 PokażKomunikat(const QString &Title, const QString &Text, quint8 Ikona, quint8 Buttony,
                      quint8 DefaultButton);
