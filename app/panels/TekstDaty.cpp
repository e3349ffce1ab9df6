#include "TekstDaty.h"

QString TekstDaty(const QDateTime &czas)
{
    return czas.toString(QStringLiteral("dd.MM.yyyy hh:mm"));
}
