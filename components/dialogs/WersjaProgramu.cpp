#include "WersjaProgramu.h"

namespace oc {

QString WersjaProgramu(int major, int minor, int revision)
{
    QString tekst = QString::number(major) + u'.' + QString::number(minor);
    if (revision != 0)
        tekst += u'.' + QString::number(revision);
    return tekst;
}

} // namespace oc
