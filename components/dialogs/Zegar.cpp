#include "Zegar.h"

#include <array>

namespace oc {

namespace {

// Monday first, as QDate::dayOfWeek counts.
const std::array<const char16_t *, 7> Dni{u"poniedziałek", u"wtorek", u"środa",    u"czwartek",
                                          u"piątek",       u"sobota", u"niedziela"};
// In the genitive, as a date reads.
const std::array<const char16_t *, 12> Miesiące{u"stycznia", u"lutego",       u"marca",     u"kwietnia",
                                                u"maja",     u"czerwca",      u"lipca",     u"sierpnia",
                                                u"września", u"października", u"listopada", u"grudnia"};

} // namespace

QString TekstCzasu(const QTime &czas)
{
    return czas.toString(QStringLiteral("HH:mm:ss"));
}

QString TekstDaty(const QDate &data)
{
    if (!data.isValid())
        return {};
    return QStringLiteral("%1, %2 %3 %4")
        .arg(QString::fromUtf16(Dni[size_t(data.dayOfWeek() - 1)]))
        .arg(data.day())
        .arg(QString::fromUtf16(Miesiące[size_t(data.month() - 1)]))
        .arg(data.year());
}

} // namespace oc
