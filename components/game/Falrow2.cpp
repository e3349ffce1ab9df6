#include "Falrow2.h"

#include "Falrow.h"
#include "Oprawa.h"

#include <ui/Colors.h>
#include <ui/Fonts.h>
#include <ui/Keys.h>
#include <ui/LabelButton.h>
#include <ui/Twips.h>

#include <QKeyEvent>
#include <QLabel>
#include <QTime>

namespace ocfalrow {

namespace ui = oc::ui;

namespace {

constexpr quint32 Czarny = 0x00000000;
constexpr quint32 Biały = 0x00FFFFFF;
constexpr quint32 TłoPrzycisku = 0x0080FFFF;
constexpr quint32 TłoFokusu = 0x00FF8080;
constexpr int LiczbaPól = 5;
constexpr int PoleZakończ = 3;
constexpr int PoleGraj = 4;
quint32 tłoBezFokusu(int pole)
{
    return pole < PoleZakończ ? Czarny : TłoPrzycisku;
}

const QString Wybrany = QStringLiteral("[o]");
const QString Niewybrany = QStringLiteral("[  ]");
constexpr std::array<int, 3> Szybkości{275, 125, 40};

} // namespace

Falrow2::Falrow2(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      m_losowanie(Gra::zZiarna(quint32(QTime::currentTime().msecsSinceStartOfDay())))
{
    setObjectName(QStringLiteral("Falrow2"));
    setWindowTitle(QStringLiteral("Falrow"));
    ui::setBackground(this, Czarny);
    ui::resizeTwips(this, 3840, 2640);

    Label3 = new QLabel(QStringLiteral("Wybierz poziom trudności:"), this);
    Label3->setFont(ui::sansFont(9.75, true));
    ui::setForeground(Label3, Biały);
    ui::placeTwips(Label3, 360, 420, 3120, 270);

    const std::array<QString, 3> poziomy{QStringLiteral("[  ] Łatwy"), QStringLiteral("[o] Średni"),
                                         QStringLiteral("[  ] Trudny")};
    for (int i = 0; i < 3; ++i) {
        auto *etykieta = new ui::LabelButton(poziomy[i], this);
        etykieta->setFont(ui::sansFont(9.75, true));
        ui::setForeground(etykieta, Biały);
        ui::placeTwips(etykieta, 600, 780 + i * 300, 2640, 270);
        connect(etykieta, &ui::LabelButton::clicked, this, [this, i] { Wybierz(i); });
        Label4[i] = etykieta;
    }

    const std::array<QString, 2> napisy{QStringLiteral("Graj"), QStringLiteral("Zakończ")};
    // Left to right in the order the arrows reach them.
    const std::array<int, 2> lewe{2025, 360};
    for (int i = 0; i < 2; ++i) {
        auto *przycisk = new ui::LabelButton(napisy[i], this);
        przycisk->setFont(ui::sansFont(12));
        przycisk->setAlignment(Qt::AlignCenter);
        ui::setForeground(przycisk, Czarny);
        ui::placeTwips(przycisk, lewe[i], 1920, 1455, 300);
        Label5[i] = przycisk;
    }
    connect(Label5[0], &ui::LabelButton::clicked, this, &Falrow2::Graj);
    connect(Label5[1], &ui::LabelButton::clicked, this, &Falrow2::Zakończ);

    for (int numer = 0; numer < LiczbaPól; ++numer)
        ui::setBackground(pole(numer), tłoBezFokusu(numer));
    NewPoz();

    Label1 = oprawa(this);
}

void Falrow2::keyPressEvent(QKeyEvent *event)
{
    Form_KeyDown(ui::virtualKey(event));
}

void Falrow2::Form_KeyDown(int kod)
{
    switch (kod) {
    case ui::vk::Left:
    case ui::vk::Up:
        OldPoz();
        Pole = (Pole + LiczbaPól - 1) % LiczbaPól;
        NewPoz();
        break;
    case ui::vk::Right:
    case ui::vk::Down:
        OldPoz();
        Pole = (Pole + 1) % LiczbaPól;
        NewPoz();
        break;
    case ui::vk::Return:
    case ui::vk::Space:
        if (Pole == PoleZakończ)
            Zakończ();
        else if (Pole == PoleGraj)
            Graj();
        else
            Wybierz(Pole);
        break;
    case ui::vk::Escape:
    case ui::vk::F10: Zakończ(); break;
    default: break;
    }
}

void Falrow2::Wybierz(int poziom)
{
    for (int i = 0; i < int(Label4.size()); ++i) {
        QString tekst = Label4[i]->caption();
        if (i == poziom)
            tekst.replace(Niewybrany, Wybrany);
        else
            tekst.replace(Wybrany, Niewybrany);
        Label4[i]->setCaption(tekst);
    }
}

void Falrow2::Graj()
{
    for (int i = 0; i < int(Label4.size()); ++i)
        if (Label4[i]->caption().contains(Wybrany))
            Szybkość = Szybkości[i];
    Zakończ();
    auto *gra = new Falrow(Szybkość, m_losowanie);
    gra->show();
    gra->activateWindow();
}

void Falrow2::Zakończ()
{
    close();
}

void Falrow2::OldPoz()
{
    ui::setBackground(pole(Pole), tłoBezFokusu(Pole));
}

void Falrow2::NewPoz()
{
    ui::setBackground(pole(Pole), TłoFokusu);
}

QWidget *Falrow2::pole(int numer) const
{
    if (numer < PoleZakończ)
        return Label4[numer];
    return numer == PoleZakończ ? Label5[1] : Label5[0];
}

} // namespace ocfalrow
