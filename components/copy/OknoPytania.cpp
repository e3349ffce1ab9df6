#include "OknoPytania.h"

#include "WygladKopii.h"

#include <ui/Colors.h>
#include <ui/Fonts.h>
#include <ui/Keys.h>
#include <ui/TitleDrag.h>
#include <ui/Twips.h>

#include <QKeyEvent>

namespace occopy {

namespace ui = oc::ui;

namespace {

constexpr int Margines = 240;
constexpr int SzerokośćPrzycisku = 2000;
constexpr int Odstęp = 120;
constexpr int WysokośćLinii = 270;
constexpr int WysokośćPrzycisku = 300;

} // namespace

OknoPytania::OknoPytania(const QString &tytuł, const std::vector<std::pair<QString, bool>> &linie,
                         const QStringList &przyciski, int wRzędzie, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setWindowTitle(tytuł);
    ui::setBackground(this, wygląd::TłoOkna);
    const int rzędy = int((przyciski.size() + wRzędzie - 1) / wRzędzie);
    const int szerokość = 2 * Margines + wRzędzie * SzerokośćPrzycisku + (wRzędzie - 1) * Odstęp;
    const int góraPrzycisków = 360 + int(linie.size()) * WysokośćLinii + Odstęp;
    ui::resizeTwips(this, szerokość, góraPrzycisków + rzędy * (WysokośćPrzycisku + Odstęp) + Margines);
    for (ui::Shape *&ramka : Shape1)
        ramka = new ui::Shape(this);

    for (std::size_t i = 0; i < linie.size(); ++i) {
        auto *linia = new QLabel(this);
        linia->setTextFormat(Qt::PlainText); // names may look like markup
        linia->setFont(ui::sansFont(9.75, linie[i].second));
        ui::setForeground(linia, wygląd::Biały);
        ui::placeTwips(linia, Margines, 360 + int(i) * WysokośćLinii, szerokość - 2 * Margines, WysokośćLinii);
        // A long path keeps both its ends.
        linia->setText(linia->fontMetrics().elidedText(linie[i].first, Qt::ElideMiddle, linia->width()));
        lblTekst.push_back(linia);
    }
    for (qsizetype i = 0; i < przyciski.size(); ++i) {
        auto *przycisk = new ui::LabelButton(przyciski.at(i), this);
        przycisk->setFont(ui::sansFont(9.75));
        przycisk->setAlignment(Qt::AlignCenter);
        ui::setForeground(przycisk, wygląd::Czarny);
        const int kolumna = int(i) % wRzędzie;
        const int rząd = int(i) / wRzędzie;
        ui::placeTwips(przycisk, Margines + kolumna * (SzerokośćPrzycisku + Odstęp),
                       góraPrzycisków + rząd * (WysokośćPrzycisku + Odstęp), SzerokośćPrzycisku, WysokośćPrzycisku);
        connect(przycisk, &ui::LabelButton::clicked, this, [this, i] { Naciśnij(int(i)); });
        lblBut.push_back(przycisk);
    }
    Label1 = ui::makeTitleStrip(this, tytuł);
    Buttony();
}

void OknoPytania::Buttony()
{
    for (std::size_t i = 0; i < lblBut.size(); ++i)
        ui::setBackground(lblBut[i], int(i) == Przycisk ? wygląd::TłoFokusu : wygląd::TłoPola);
}

void OknoPytania::keyPressEvent(QKeyEvent *event)
{
    const int ile = int(lblBut.size());
    const int kod = ui::virtualKey(event);
    switch (kod) {
    case ui::vk::Left:
    case ui::vk::Up:
        Przycisk = (Przycisk + ile - 1) % ile;
        Buttony();
        return;
    case ui::vk::Right:
    case ui::vk::Down:
    case ui::vk::Tab:
        Przycisk = (Przycisk + 1) % ile;
        Buttony();
        return;
    case ui::vk::Return:
    case ui::vk::Space: Naciśnij(Przycisk); return;
    case ui::vk::Escape:
    case ui::vk::F10: Naciśnij(ile - 1); return;
    default: break;
    }
    for (int i = 0; i < ile; ++i)
        if (kod != 0 && lblBut[std::size_t(i)]->accessKey().unicode() == kod) {
            Naciśnij(i);
            return;
        }
}

void OknoPytania::Naciśnij(int przycisk)
{
    Wybrany = przycisk;
    accept();
}

void OknoPytania::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    Label1->move((width() - Label1->width()) / 2, 0);
    ui::fitFrames(Shape1[0], Shape1[1]);
}

} // namespace occopy
