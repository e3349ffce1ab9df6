#include "TekstWersji.h"

QString TekstWersji() { return TekstWersji(OC_VERSION_MAJOR, OC_VERSION_MINOR, OC_VERSION_PATCH); }

QString TekstWersji(int major, int minor, int revision)
{
    QString text = QString::number(major) + u'.' + QString::number(minor);
    if (revision != 0)
        text += u'.' + QString::number(revision);
    return text;
}
