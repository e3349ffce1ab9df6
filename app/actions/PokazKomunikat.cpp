#include "PokazKomunikat.h"

#include "Sloty.h"
#include "Wywolanie.h"

#include <ui/Twips.h>

qint32 PokażKomunikat(const QWidget *nad, const QString &Title, const QString &Text, quint8 Ikona, quint8 Buttony,
                      quint8 DefaultButton)
{
    const qint32 left = nad ? oc::ui::leftTwips(nad) : 0;
    const qint32 top = nad ? oc::ui::topTwips(nad) : 0;
    const std::optional<QVariant> wybór = Wywołaj(nad, komponent::Komunikaty, QStringLiteral("notebox2"), left + 2200,
                                                  top + 1700, Title, Ikona, Buttony, DefaultButton, Text);
    return wybór ? wybór->toInt() : -1;
}
