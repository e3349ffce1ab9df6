#include "Przywracanie.h"

#include <platform/Directory.h>
#include <platform/Entries.h>
#include <platform/Paths.h>

#include <QFileInfo>

using namespace oc;

QString WolnaNazwa(const QString &zajęte)
{
    const QFileInfo miejsce(zajęte);
    const QString nazwa = miejsce.fileName();
    const qsizetype kropka = nazwa.lastIndexOf(u'.');
    const QString rdzeń = kropka > 0 ? nazwa.left(kropka) : nazwa;
    const QString rozszerzenie = kropka > 0 ? nazwa.mid(kropka) : QString();
    for (int n = 2;; ++n) {
        const QString kandydat = QStringLiteral("%1 (%2)%3").arg(rdzeń).arg(n).arg(rozszerzenie);
        if (!platform::identityOf(platform::withSeparator(miejsce.path()) + kandydat))
            return kandydat;
    }
}

QString MiejscePodNazwą(const QString &zajęte, const QString &nazwa)
{
    if (nazwa.isEmpty() || nazwa.contains(u'/') || nazwa == QStringLiteral(".") || nazwa == QStringLiteral(".."))
        return QString();
    return platform::withSeparator(QFileInfo(zajęte).path()) + nazwa;
}

std::optional<WybranaPozycja> PozycjaDoPowrotu(const QString &gdzie)
{
    const std::optional<platform::EntryInfo> wpis = platform::entryInfo(gdzie);
    if (!wpis)
        return std::nullopt;
    const bool katalog = wpis->isDirectory && !wpis->isLink;
    return WybranaPozycja{gdzie, katalog, gdzie.mid(gdzie.lastIndexOf(u'/') + 1)};
}

bool Wróciło(const QString &gdzie, const QString &cel)
{
    return !platform::entryInfo(gdzie) && platform::entryInfo(cel);
}
