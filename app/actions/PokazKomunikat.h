#pragma once

#include <QString>
#include <QtGlobal>

class QWidget;

// Asks through the message box component, placed over the window nad (the
// screen's corner when none); returns the 0-based index of the chosen
// button, or -1 when the message box could not be shown.
qint32 PokażKomunikat(const QWidget *nad, const QString &Title, const QString &Text, quint8 Ikona, quint8 Buttony,
                      quint8 DefaultButton);
