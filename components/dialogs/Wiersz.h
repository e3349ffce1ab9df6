#pragma once

#include <QList>
#include <QString>

namespace oc {

// One line of an information window: what is shown and its value.
struct Wiersz
{
    QString Opis;
    QString Wartość;
};

} // namespace oc
