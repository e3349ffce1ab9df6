#include "KoszKatalogu.h"

std::optional<oc::platform::TrashError> BrakKosza(const QString &katalog)
{
    oc::platform::TrashError błąd;
    if (oc::platform::trashFor(katalog, &błąd))
        return std::nullopt;
    return błąd;
}
