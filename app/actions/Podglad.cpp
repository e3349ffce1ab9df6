#include "Podglad.h"

#include "Gospodarz.h"
#include "Sloty.h"
#include "Wywolanie.h"

#include <panels/WidokPanelu.h>
#include <platform/Paths.h>
#include <ui/Twips.h>

#include <QWidget>

using namespace oc;

namespace {

struct Przeglądarka
{
    const char *rozszerzenie;
    const char *operacja;
    bool dźwięk; // placed beside the window's corner, not on it
};

constexpr Przeglądarka przeglądarki[] = {
    {".wav", "playwavfile", true}, {".mid", "playmidifile", true}, {".mp3", "playmp3file", true},
    {".bmp", "ShowBMPFile", false}, {".gif", "ShowBMPFile", false}, {".jpg", "ShowBMPFile", false},
    {".wmf", "ShowBMPFile", false}, {".ico", "ShowBMPFile", false}, {".emf", "ShowBMPFile", false},
    {".ani", "ShowBMPFile", false}, {".dib", "ShowBMPFile", false},
};

} // namespace

void Viewx(Gospodarz &okno)
{
    WidokPanelu &panel = okno.Widok(okno.AktywnyPanel());
    const StanPanelu &s = panel.Stan;
    const qint32 k = panel.PozycjaKursora();
    if (k <= s.LiczbaKatalogów)
        return;
    const QString plik = platform::withSeparator(panel.Dir.Ścieżka()) + s.Rzeczywiste[size_t(k)];
    const QString e = plik.right(4).toLower();
    QWidget *nad = okno.Okno();
    for (const Przeglądarka &p : przeglądarki) {
        if (e != QLatin1String(p.rozszerzenie))
            continue;
        const float x = float(ui::leftTwips(nad) + (p.dźwięk ? 3680 : 0));
        const float y = float(ui::topTwips(nad) + (p.dźwięk ? 2000 : 0));
        QVariantList args{x, y, plik};
        Wywołaj(nad, Sloty().Dialogi.get(), QStringLiteral("oc.ocmd"), QString::fromLatin1(p.operacja), args);
        return;
    }
}
