#include "PonownyOdczyt.h"

#include "WidokPanelu.h"

#include <QHash>
#include <QSet>
#include <algorithm>

bool OdczytajPoZmianie(WidokPanelu &panel)
{
    StanPanelu &s = panel.Stan;
    const QString było = panel.Dir.Ścieżka();
    const std::vector<QString> stare = s.Rzeczywiste;
    const qint32 kursor = panel.PozycjaKursora();
    QSet<QString> zaznaczone;
    for (qint32 i = 1; i <= s.LiczbaPozycji; ++i)
        if (s.Zaznaczenia[size_t(i)])
            zaznaczone.insert(s.Rzeczywiste[size_t(i)]);

    panel.OdświeżListy();
    panel.WczytajPanel();
    if (panel.Dir.Ścieżka() != było) {
        panel.Gora->UstawNapis(panel.Dir.Ścieżka().toUpper());
        s.PierwszaPozycja = 1;
        s.WierszKursora = 0;
        panel.PokażPoOdczycie();
        return false;
    }

    QHash<QString, qint32> gdzie;
    gdzie.reserve(s.LiczbaPozycji);
    for (qint32 i = 1; i <= s.LiczbaPozycji; ++i)
        gdzie.insert(s.Rzeczywiste[size_t(i)], i);
    for (const QString &nazwa : zaznaczone)
        if (const qint32 i = gdzie.value(nazwa); i > 0)
            panel.UstawZnak(i, 1);

    qint32 nowy = 0;
    for (qint32 i = kursor; i >= 1 && i < qint32(stare.size()) && !nowy; ++i)
        nowy = gdzie.value(stare[size_t(i)]);
    for (qint32 i = kursor - 1; i >= 1 && i < qint32(stare.size()) && !nowy; --i)
        nowy = gdzie.value(stare[size_t(i)]);
    if (s.LiczbaPozycji == 0) {
        s.PierwszaPozycja = 1;
        s.WierszKursora = 0;
        panel.PokażPoOdczycie();
        return true;
    }
    nowy = std::clamp(nowy, 1, s.LiczbaPozycji);
    // The cursor keeps its row unless the list ends too soon for it.
    const qint32 pierwsza = std::clamp(nowy - s.WierszKursora, 1, std::max(1, s.LiczbaPozycji - s.OstatniWiersz));
    panel.PokażPanel(pierwsza);
    panel.Panel_Click(nowy - pierwsza);
    return true;
}
