#include "Wybrane.h"

#include <panels/WidokPanelu.h>
#include <platform/Paths.h>

std::vector<WybranaPozycja> WybranePozycje(const WidokPanelu &panel)
{
    const StanPanelu &s = panel.Stan;
    const QString katalog = oc::platform::withSeparator(panel.Dir.Ścieżka());
    std::vector<WybranaPozycja> wybrane;
    if (s.IleZaznaczonych == 0) {
        const qint32 k = panel.PozycjaKursora();
        if (k > 0 && s.Rzeczywiste[size_t(k)] != QStringLiteral(".."))
            wybrane.push_back({katalog + s.Rzeczywiste[size_t(k)], k <= s.LiczbaKatalogów});
        return wybrane;
    }
    for (qint32 i = 1; i <= s.LiczbaPozycji; ++i)
        if (s.Zaznaczenia[size_t(i)] == 1)
            wybrane.push_back({katalog + s.Rzeczywiste[size_t(i)], i <= s.LiczbaKatalogów});
    return wybrane;
}

QString SąsiadWybranych(const WidokPanelu &panel)
{
    const StanPanelu &s = panel.Stan;
    QString nazwa;
    if (s.IleZaznaczonych > 0) {
        panel.UstalNastępneNieInsertowePole(nazwa);
        return nazwa;
    }
    const qint32 k = panel.PozycjaKursora();
    if (k < s.LiczbaPozycji)
        return s.Rzeczywiste[size_t(k + 1)];
    return k > 1 ? s.Rzeczywiste[size_t(k - 1)] : QString();
}

qint32 PozycjaNazwy(const WidokPanelu &panel, const QString &nazwa)
{
    for (qint32 i = 1; i <= panel.Stan.LiczbaPozycji; ++i)
        if (panel.Stan.Rzeczywiste[size_t(i)] == nazwa)
            return i;
    return 0;
}
