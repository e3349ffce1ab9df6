#include "TekstRozmiaru.h"

QString DwaMiejsca(const QString &tekst)
{
    QString wynik;
    int poSeparatorze = -1;
    for (const QChar c : tekst) {
        wynik += c;
        if (poSeparatorze >= 0) {
            if (++poSeparatorze == 2)
                return wynik;
        } else if (c == u'.' || c == u',') {
            poSeparatorze = 0;
        }
    }
    if (poSeparatorze == 1)
        wynik += u'0';
    return wynik;
}

namespace {

// The decimal text of a floating-point value, with the digits a double holds.
QString TekstLiczby(double wartość)
{
    return QString::number(wartość, 'g', 15);
}

} // namespace

QString TekstRozmiaru(qint64 bajty)
{
    const double b = double(bajty);
    if (b / 1073741824.0 >= 1)
        return DwaMiejsca(TekstLiczby(b / 1073741824.0)) + QStringLiteral(" GB");
    if (b / 1048576.0 >= 1)
        return DwaMiejsca(TekstLiczby(b / 1048576.0)) + QStringLiteral(" MB");
    if (bajty / 1024 > 0)
        return QString::number(bajty / 1024) + QStringLiteral(" KB");
    return QString::number(bajty) + QStringLiteral(" B");
}
