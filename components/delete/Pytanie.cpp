#include "Pytanie.h"

#include <ui/Colors.h>
#include <ui/Fonts.h>
#include <ui/Keys.h>
#include <ui/TitleDrag.h>
#include <ui/Twips.h>

#include <QLabel>

namespace ocdelete::pytanie {

namespace ui = oc::ui;

QLabel *tytuł(QWidget *okno, const QString &tekst)
{
    return ui::makeTitleStrip(okno, tekst);
}

QLabel *napis(QWidget *okno, int lewa, int góra, int szerokość, bool pogrubiony)
{
    auto *etykieta = new QLabel(okno);
    etykieta->setTextFormat(Qt::PlainText);
    etykieta->setFont(ui::sansFont(9.75, pogrubiony));
    ui::setForeground(etykieta, 0x00FFFFFF);
    ui::placeTwips(etykieta, lewa, góra, szerokość, 255);
    return etykieta;
}

std::array<ui::LabelButton *, 2> przyciski(QWidget *okno, int góra, int lewaTak, int lewaNie)
{
    std::array<ui::LabelButton *, 2> para{new ui::LabelButton(QStringLiteral("&Tak"), okno),
                                          new ui::LabelButton(QStringLiteral("&Nie"), okno)};
    const std::array<int, 2> lewe{lewaTak, lewaNie};
    for (int i = 0; i < 2; ++i) {
        para[i]->setFont(ui::sansFont(12));
        para[i]->setAlignment(Qt::AlignCenter);
        ui::setForeground(para[i], 0x00000000);
        ui::placeTwips(para[i], lewe[i], góra, 1215, 300);
    }
    return para;
}

void dopasuj(QWidget *okno, QLabel *tytuł, const std::array<ui::Shape *, 2> &ramki)
{
    tytuł->move((okno->width() - tytuł->width()) / 2, 0);
    ui::fitFrames(ramki[0], ramki[1]);
}

void pomaluj(const std::array<ui::LabelButton *, 2> &przyciski, int przycisk)
{
    for (int i = 0; i < 2; ++i)
        ui::setBackground(przyciski[i], i == przycisk ? TłoFokusu : TłoPrzycisku);
}

void ustawTryb(QWidget *okno, QLabel *tytuł, const QString &własny, const std::array<ui::LabelButton *, 2> &przyciski,
               int góra, Tryb tryb)
{
    const QString tekst = tryb == Tryb::Kosz       ? własny + QStringLiteral(" do kosza")
                          : tryb == Tryb::NaZawsze ? własny + QStringLiteral(" na zawsze")
                                                   : własny;
    okno->setWindowTitle(tekst);
    tytuł->setText(u' ' + tekst + u' ');
    tytuł->adjustSize();
    ui::resizeTwips(tytuł, ui::widthTwips(tytuł), 240);
    tytuł->move((okno->width() - tytuł->width()) / 2, 0);
    if (tryb != Tryb::NaZawsze)
        return;
    constexpr int Miejsce = 300;
    QLabel *ostrzeżenie = napis(okno, 240, góra, ui::widthTwips(okno) - 480, true);
    ostrzeżenie->setText(QStringLiteral("Tego nie można cofnąć."));
    ui::setForeground(ostrzeżenie, 0x0000FFFF);
    for (ui::LabelButton *przycisk : przyciski)
        ui::moveTwips(przycisk, ui::leftTwips(przycisk), ui::topTwips(przycisk) + Miejsce);
    ui::resizeTwips(okno, ui::widthTwips(okno), ui::heightTwips(okno) + Miejsce);
}

std::optional<int> klawisz(int kod, int &przycisk)
{
    switch (kod) {
    case ui::vk::Home:
    case ui::vk::Left:
    case ui::vk::Up:
    case ui::vk::Right:
    case ui::vk::Down: przycisk = przycisk == 0 ? 1 : 0; return std::nullopt;
    case 'T': return 0;
    case 'N':
    case ui::vk::Escape: return 1;
    case ui::vk::Space:
    case ui::vk::Return: return przycisk;
    default: return std::nullopt;
    }
}

} // namespace ocdelete::pytanie
