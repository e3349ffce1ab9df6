#include "PokazKomunikat.h"

#include "Sloty.h"

#include <component/ComponentError.h>
#include <panels/frmMain.h>
#include <ui/Twips.h>

qint32 PokażKomunikat(const QString &Title, const QString &Text, quint8 Ikona, quint8 Buttony,
                      quint8 DefaultButton)
{
    if (!Sloty().Komunikaty)
        throw oc::ComponentError(QStringLiteral("Komponent komunikatów nie został utworzony"));
    const frmMain *window = GłówneOkno();
    const qint32 left = window ? oc::ui::leftTwips(window) : 0;
    const qint32 top = window ? oc::ui::topTwips(window) : 0;
    QVariantList args{QVariant::fromValue(left + 2200), QVariant::fromValue(top + 1700),
                      QVariant::fromValue(Title),       QVariant::fromValue(Ikona),
                      QVariant::fromValue(Buttony),     QVariant::fromValue(DefaultButton),
                      QVariant::fromValue(Text)};
    return Sloty().Komunikaty->invoke(u"notebox2", args).toInt();
}
