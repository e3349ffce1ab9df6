#include "PokazKomunikat.h"

#include "Wywolanie.h"

#include <ui/Twips.h>

qint32 PokażKomunikat(const Wywołujący &kto, const QString &Title, const QString &Text, quint8 Ikona, quint8 Buttony,
                      quint8 DefaultButton)
{
    const qint32 left = kto.nad ? oc::ui::leftTwips(kto.nad) : 0;
    const qint32 top = kto.nad ? oc::ui::topTwips(kto.nad) : 0;
    const std::optional<QVariant> wybór = Wywołaj(kto, komponent::Komunikaty, QStringLiteral("notebox2"), left + 2200,
                                                  top + 1700, Title, Ikona, Buttony, DefaultButton, Text);
    return wybór ? wybór->toInt() : -1;
}
