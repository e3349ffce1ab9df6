#pragma once

#include <QDate>
#include <QString>
#include <QTime>

namespace oc {

// The clock's time: hours, minutes and seconds, "09:05:07".
QString TekstCzasu(const QTime &czas);
// The clock's date with the Polish day and month names, whatever the
// system's locale: "środa, 5 marca 2025".
QString TekstDaty(const QDate &data);

} // namespace oc
