#include "frmMain.h"

#include "TekstRozmiaru.h"
#include "Zaznaczenia.h"

#include <ui/Colors.h>
#include <ui/Twips.h>

#include <QLocale>

using namespace oc;

namespace {

const char *const rozszerzeniaPodglądu[] = {".BMP", ".GIF", ".JPG", ".MID", ".WAV", ".EMF", ".ICO", ".WMF"};

} // namespace

// The status line under panel p for the entry on row r: name, size and
// date, or one centred summary while entries are marked.
void frmMain::PokażStan(int p, int r)
{
    StanPanelu &s = panel(p);
    auto &stan = Dol(p);
    const qint32 i = s.PierwszaPozycja + r;
    const qint32 n = LiczbaZaznaczonych();
    if (n == 0) {
        if (stan[1]->isHidden()) {
            stan[1]->show();
            stan[2]->show();
            ui::resizeTwips(stan[0], m_układ.DolWidth[0], 255);
            stan[0]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        }
        stan[0]->UstawNapis(Wiersze(p)[size_t(r)]->Napis());
        const platform::EntryInfo *wpis = Wpis(p, i);
        if (!wpis) { // ".."
            stan[1]->UstawNapis(QString());
            stan[2]->UstawNapis(QString());
            return;
        }
        stan[1]->UstawNapis(i <= s.LiczbaKatalogów ? QStringLiteral(">KAT<") : TekstRozmiaru(wpis->size));
        stan[2]->UstawNapis(QLocale().toString(wpis->modified, QLocale::ShortFormat));
        return;
    }
    if (!stan[1]->isHidden()) {
        stan[1]->hide();
        stan[2]->hide();
        ui::resizeTwips(stan[0], m_układ.Gora1Width, 255);
        stan[0]->setAlignment(Qt::AlignCenter);
    }
    stan[0]->UstawNapis(QStringLiteral("Zaznaczono ") + QString::number(n)
                        + QStringLiteral(" plików/katatalogów, ich rozmiar to: ") + RozmiarZaznaczonych());
    stan[1]->UstawNapis(QString());
    stan[2]->UstawNapis(QString());
}

void frmMain::CzyśćDół(int p)
{
    for (EtykietaPanelu *stan : Dol(p))
        stan->UstawNapis(QString());
}

void frmMain::Rozsz(const QString &name)
{
    bool podgląd = false;
    if (name.size() >= 4) {
        const QString e = name.right(4).toUpper();
        for (const char *rozszerzenie : rozszerzeniaPodglądu)
            podgląd = podgląd || e == QLatin1String(rozszerzenie);
    }
    ui::setForeground(Short[2], podgląd ? 0 : ui::toBgr(palette().color(QPalette::Disabled, QPalette::WindowText)));
}
