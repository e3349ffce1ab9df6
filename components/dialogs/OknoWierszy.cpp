#include "OknoWierszy.h"

#include "WygladOkna.h"

#include <ui/Colors.h>
#include <ui/Fonts.h>
#include <ui/Keys.h>
#include <ui/Twips.h>

#include <QFontMetrics>
#include <QKeyEvent>
#include <algorithm>

namespace oc {

namespace {

constexpr int Margines = 240;
constexpr int Odstęp = 120;
constexpr int GóraWierszy = 420;
constexpr int WysokośćWiersza = 270;
constexpr int NajmniejszaSzerokość = 4320;
constexpr int NajwiększaSzerokość = 9600;

QLabel *etykieta(QWidget *okno, const QString &tekst, bool pogrubiona)
{
    auto *nowa = new QLabel(okno);
    // Labels, device names and processor models come from outside: never markup.
    nowa->setTextFormat(Qt::PlainText);
    nowa->setFont(ui::sansFont(9.75, pogrubiona));
    ui::setForeground(nowa, wygląd::TekstWiersza);
    nowa->setText(tekst);
    return nowa;
}

int szerokośćTekstu(const QLabel *etykieta)
{
    return ui::toTwips(QFontMetrics(etykieta->font()).horizontalAdvance(etykieta->text()));
}

} // namespace

OknoWierszy::OknoWierszy(const QString &tytuł, const QList<Wiersz> &wiersze, const QString &uwaga, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setWindowTitle(tytuł);
    ui::setBackground(this, wygląd::TłoOkna);
    Shape1 = wygląd::ramki(this);

    int szerokośćOpisu = 0;
    int szerokośćWartości = 0;
    for (const Wiersz &wiersz : wiersze) {
        lblOpis.push_back(etykieta(this, wiersz.Opis, true));
        lblWartość.push_back(etykieta(this, wiersz.Wartość, false));
        szerokośćOpisu = std::max(szerokośćOpisu, szerokośćTekstu(lblOpis.back()));
        szerokośćWartości = std::max(szerokośćWartości, szerokośćTekstu(lblWartość.back()));
    }
    const int szerokość = std::clamp(2 * Margines + szerokośćOpisu + Odstęp + szerokośćWartości + Odstęp,
                                     NajmniejszaSzerokość, NajwiększaSzerokość);
    const int lewaWartości = Margines + szerokośćOpisu + Odstęp;
    const int miejsceNaWartość = szerokość - Margines - lewaWartości;
    int góra = GóraWierszy;
    for (size_t i = 0; i < lblOpis.size(); ++i, góra += WysokośćWiersza) {
        ui::placeTwips(lblOpis[i], Margines, góra, szerokośćOpisu, WysokośćWiersza);
        QLabel *wartość = lblWartość[i];
        ui::placeTwips(wartość, lewaWartości, góra, miejsceNaWartość, WysokośćWiersza);
        // Too long a value is cut in the middle; the whole stays in the tip.
        const QString cała = wartość->text();
        const QString widoczna = QFontMetrics(wartość->font()).elidedText(cała, Qt::ElideMiddle, wartość->width());
        if (widoczna != cała) {
            wartość->setText(widoczna);
            wartość->setToolTip(cała);
        }
    }

    if (!uwaga.isEmpty()) {
        lblUwaga = etykieta(this, uwaga, false);
        lblUwaga->setWordWrap(true);
        const int szerokośćUwagi = szerokość - 2 * Margines;
        const int wysokośćUwagi = ui::toTwips(lblUwaga->heightForWidth(ui::toPixels(szerokośćUwagi)));
        góra += Odstęp;
        ui::placeTwips(lblUwaga, Margines, góra, szerokośćUwagi, wysokośćUwagi);
        góra += wysokośćUwagi;
    }

    cmdOK = new ui::LabelButton(QStringLiteral("OK"), this);
    cmdOK->setFont(ui::sansFont(12));
    cmdOK->setAlignment(Qt::AlignCenter);
    ui::setBackground(cmdOK, wygląd::TłoWyróżnienia);
    ui::setForeground(cmdOK, wygląd::TekstWyróżnienia);
    ui::placeTwips(cmdOK, (szerokość - 1455) / 2, góra + 2 * Odstęp, 1455, 300);
    connect(cmdOK, &ui::LabelButton::clicked, this, &QDialog::accept);
    ui::resizeTwips(this, szerokość, góra + 2 * Odstęp + 300 + 2 * Odstęp);

    Label1 = wygląd::tytuł(this, tytuł);
}

void OknoWierszy::keyPressEvent(QKeyEvent *event)
{
    wygląd::zamknijKlawiszem(this, event);
}

void OknoWierszy::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    wygląd::dopasuj(this, Label1, Shape1);
}

} // namespace oc
