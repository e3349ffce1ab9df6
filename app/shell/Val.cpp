#include "Val.h"

#include <QString>
#include <cmath>
#include <limits>

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

int digitValue(QChar c, int base)
{
    int value = -1;
    if (isDigit(c))
        value = c.unicode() - u'0';
    else if (c >= u'a' && c <= u'f')
        value = c.unicode() - u'a' + 10;
    else if (c >= u'A' && c <= u'F')
        value = c.unicode() - u'A' + 10;
    return value < base ? value : -1;
}

double radixNumber(const QString &digits, qsizetype from, int base)
{
    quint64 value = 0;
    bool tooLong = false;
    for (qsizetype i = from; i < digits.size(); ++i) {
        const int digit = digitValue(digits.at(i), base);
        if (digit < 0)
            break;
        if (value > (std::numeric_limits<quint64>::max() >> 4))
            tooLong = true;
        else
            value = value * base + quint64(digit);
    }
    if (tooLong)
        return std::numeric_limits<double>::infinity();
    if (value <= 0xFFFFFFFFu)
        return double(qint32(quint32(value)));
    return double(value);
}

double decimalNumber(const QString &text)
{
    qsizetype i = 0;
    QString number;
    if (i < text.size() && (text.at(i) == u'+' || text.at(i) == u'-'))
        number += text.at(i++);
    bool digits = false;
    while (i < text.size() && isDigit(text.at(i))) {
        number += text.at(i++);
        digits = true;
    }
    if (i < text.size() && text.at(i) == u'.') {
        number += text.at(i++);
        while (i < text.size() && isDigit(text.at(i))) {
            number += text.at(i++);
            digits = true;
        }
    }
    if (!digits)
        return 0;
    // An exponent counts only when digits follow it.
    if (i < text.size() && QStringLiteral("eEdD").contains(text.at(i))) {
        qsizetype j = i + 1;
        QString exponent = QStringLiteral("e");
        if (j < text.size() && (text.at(j) == u'+' || text.at(j) == u'-'))
            exponent += text.at(j++);
        if (j < text.size() && isDigit(text.at(j))) {
            while (j < text.size() && isDigit(text.at(j)))
                exponent += text.at(j++);
            number += exponent;
        }
    }
    bool ok = false;
    const double value = number.toDouble(&ok);
    if (!ok && value != 0)
        return std::copysign(std::numeric_limits<double>::infinity(), value);
    return value;
}

} // namespace

double Val(QStringView text)
{
    QString compact;
    compact.reserve(text.size());
    for (QChar c : text)
        if (c != u' ' && c != u'\t' && c != u'\n')
            compact += c;

    if (compact.startsWith(u'&')) {
        if (compact.size() > 1 && (compact.at(1) == u'H' || compact.at(1) == u'h'))
            return radixNumber(compact, 2, 16);
        if (compact.size() > 1 && (compact.at(1) == u'O' || compact.at(1) == u'o'))
            return radixNumber(compact, 2, 8);
        return 0;
    }
    return decimalNumber(compact);
}
