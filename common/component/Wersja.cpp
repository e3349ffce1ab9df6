#include "Wersja.h"

#include "WersjaBudowy.h"

namespace oc {

QString WersjaProgramu()
{
    return WersjaProgramu(budowa::major, budowa::minor, budowa::revision);
}

QString WersjaProgramu(int major, int minor, int revision)
{
    QString tekst = QString::number(major) + u'.' + QString::number(minor);
    if (revision != 0)
        tekst += u'.' + QString::number(revision);
    return tekst;
}

} // namespace oc
