#include "Podglad.h"

#include "Gospodarz.h"
#include "PokazKomunikat.h"
#include "Sloty.h"
#include "Wywolanie.h"

#include <panels/Kolory.h>
#include <panels/WidokPanelu.h>
#include <ui/Twips.h>
#include <viewer/Otwieranie.h>
#include <viewer/frmPodglad.h>

#include <QImageReader>
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
    {".wav", "playwavfile", true},  {".mid", "playmidifile", true}, {".mp3", "playmp3file", true},
    {".bmp", "ShowBMPFile", false}, {".gif", "ShowBMPFile", false}, {".jpg", "ShowBMPFile", false},
    {".wmf", "ShowBMPFile", false}, {".ico", "ShowBMPFile", false}, {".emf", "ShowBMPFile", false},
    {".ani", "ShowBMPFile", false}, {".dib", "ShowBMPFile", false},
};

// A picture type one of Qt's image readers knows by its suffix (png, webp,
// svg, tiff, ...): what follows the last "." of the name, any "." counting.
bool ObrazQt(const QString &plik)
{
    const QString nazwa = plik.section(u'/', -1);
    const qsizetype kropka = nazwa.lastIndexOf(u'.');
    const QByteArray rozszerzenie = kropka < 0 ? QByteArray() : nazwa.mid(kropka + 1).toLower().toUtf8();
    return !rozszerzenie.isEmpty() && QImageReader::supportedImageFormats().contains(rozszerzenie);
}

void PokażPlik(Gospodarz &okno, const QString &plik, const QString &nazwa)
{
    QWidget *nad = okno.Okno();
    QString komunikat;
    std::shared_ptr<const platform::ReadOnlyFile> otwarty = OtwórzDoPodglądu(plik, komunikat);
    if (!otwarty) {
        PokażKomunikat(okno, QStringLiteral("Podgląd"), komunikat, 48, 0, 0);
        return;
    }
    const Kolory &k = kolory();
    const BarwyPodglądu barwy{k.filebackground, k.filetext, k.fileselbackground, k.fileseltext};
    frmPodglad podgląd(std::make_unique<Przeglądanie>(std::move(otwarty)), nazwa, barwy, nad);
    podgląd.exec();
    // The keys go back to the panels.
    nad->activateWindow();
    nad->setFocus();
}

} // namespace

void Viewx(Gospodarz &okno)
{
    WidokPanelu &panel = okno.Widok(okno.AktywnyPanel());
    const std::optional<WybranaPozycja> kursor = panel.PodKursorem();
    if (!kursor || kursor->katalog)
        return;
    const QString &plik = kursor->ścieżka;
    const QString e = plik.right(4).toLower();
    QWidget *nad = okno.Okno();
    for (const Przeglądarka &p : przeglądarki) {
        if (e != QLatin1String(p.rozszerzenie))
            continue;
        const float x = float(ui::leftTwips(nad) + (p.dźwięk ? 3680 : 0));
        const float y = float(ui::topTwips(nad) + (p.dźwięk ? 2000 : 0));
        QVariantList args{x, y, plik};
        Wywołaj(okno, komponent::Dialogi, QString::fromLatin1(p.operacja), args);
        return;
    }
    if (ObrazQt(plik)) {
        QVariantList args{float(ui::leftTwips(nad)), float(ui::topTwips(nad)), plik};
        Wywołaj(okno, komponent::Dialogi, QStringLiteral("ShowBMPFile"), args);
        return;
    }
    PokażPlik(okno, plik, kursor->nazwa);
}
