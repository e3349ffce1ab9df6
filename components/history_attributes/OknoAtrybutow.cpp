#include "OknoAtrybutow.h"

#include "Atrybuty.h"

#include <ui/Colors.h>
#include <ui/FailureReport.h>
#include <ui/Fonts.h>
#include <ui/Keys.h>
#include <ui/TitleDrag.h>
#include <ui/Twips.h>

#include <QKeyEvent>

namespace oc2 {

namespace ui = oc::ui;

namespace {

constexpr quint32 TłoOkna = 0x00808080;
constexpr quint32 TłoPaska = 0x00800000;
constexpr quint32 Biały = 0x00FFFFFF;
constexpr quint32 Czarny = 0x00000000;
constexpr quint32 TłoPrzycisku = 0x0080FFFF;
constexpr quint32 TłoFokusu = 0x00FF8080;
constexpr int WysokośćPola = 240;

} // namespace

OknoAtrybutow::OknoAtrybutow(const QString &tytuł, int szerokość, int wysokość, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    // Both windows carry one caption; the strip names the single file's own.
    setWindowTitle(QStringLiteral("Atrybuty plików"));
    ui::setBackground(this, TłoOkna);
    ui::resizeTwips(this, szerokość, wysokość);
    for (ui::Shape *&shape : Shape1)
        shape = new ui::Shape(this);

    Label1 = new QLabel(tytuł, this);
    Label1->setTextFormat(Qt::PlainText);
    Label1->setFont(ui::sansFont(9.75, true));
    Label1->setAlignment(Qt::AlignCenter);
    ui::setBackground(Label1, TłoPaska);
    ui::setForeground(Label1, Biały);
    ui::placeTwips(Label1, 90, 90, szerokość - 180, 255);
    ui::makeTitleDrag(Label1);

    CloseKey = new ui::LabelButton(QStringLiteral("x"), this);
    CloseKey->setFont(ui::sansFont(9.75, true));
    CloseKey->setAlignment(Qt::AlignCenter);
    ui::setBackground(CloseKey, TłoPaska);
    ui::setForeground(CloseKey, Biały);
    ui::placeTwips(CloseKey, szerokość - 90 - 255, 90, 255, 255);
    connect(CloseKey, &ui::LabelButton::clicked, this, [this] { Anuluj(); });

    Timer1 = new QTimer(this);
    Timer1->setInterval(1);
}

QLabel *OknoAtrybutow::nagłówek(const QString &tekst, int lewa, int góra, int szerokość)
{
    auto *etykieta = new QLabel(tekst, this);
    etykieta->setTextFormat(Qt::PlainText);
    etykieta->setFont(ui::sansFont(9.75, true));
    ui::setForeground(etykieta, Biały);
    ui::placeTwips(etykieta, lewa, góra, szerokość, WysokośćPola);
    return etykieta;
}

void OknoAtrybutow::dodajPole(const QString &tekst, int lewa, int góra, int szerokość)
{
    auto *pole = new ui::LabelButton(tekst, this);
    pole->setFont(ui::sansFont(9.75));
    ui::setForeground(pole, Biały);
    ui::placeTwips(pole, lewa, góra, szerokość, WysokośćPola);
    const int i = int(check.size());
    connect(pole, &ui::LabelButton::clicked, this, [this, i] {
        if (Pracuje())
            return;
        Przejdź(i + 1);
        Przełącz(i);
    });
    check.push_back(pole);
    Maluj(i + 1, false);
}

void OknoAtrybutow::dodajPrzyciski(int góra)
{
    const std::array<QString, 2> napisy{QStringLiteral("Ustaw"), QStringLiteral("Anuluj")};
    const int szerokość = ui::widthTwips(this);
    const std::array<int, 2> lewe{szerokość / 2 - 1500, szerokość / 2 + 165};
    for (int i = 0; i < 2; ++i) {
        auto *przycisk = new ui::LabelButton(napisy[i], this);
        przycisk->setFont(ui::sansFont(9.75, true));
        przycisk->setAlignment(Qt::AlignCenter);
        ui::setForeground(przycisk, Czarny);
        ui::setBackground(przycisk, TłoPrzycisku);
        ui::placeTwips(przycisk, lewe[i], góra, 1335, 285);
        cmd[i] = przycisk;
    }
    connect(cmd[0], &ui::LabelButton::clicked, this, [this] {
        if (!Pracuje())
            Ustaw();
    });
    connect(cmd[1], &ui::LabelButton::clicked, this, [this] { Anuluj(); });
}

bool OknoAtrybutow::Zaznaczone(int i) const
{
    return Zaznaczony(check[i]->caption());
}

void OknoAtrybutow::UstawZaznaczenie(int i, bool zaznaczone)
{
    if (Zaznaczone(i) != zaznaczone)
        Przełącz(i);
}

void OknoAtrybutow::Przełącz(int i)
{
    check[i]->setCaption(Przełączony(check[i]->caption()));
}

void OknoAtrybutow::ZacznijOdPierwszego()
{
    for (int pole = 2; pole <= LiczbaPól(); ++pole)
        Maluj(pole, false);
    Pole = 1;
    Maluj(Pole, true);
}

void OknoAtrybutow::keyPressEvent(QKeyEvent *event)
{
    Form_KeyDown(ui::virtualKey(event));
}

void OknoAtrybutow::Form_KeyDown(int kod)
{
    if (kod == ui::vk::Escape || kod == ui::vk::F10) {
        Anuluj();
        return;
    }
    if (Pracuje())
        return;
    const int n = LiczbaPól();
    switch (kod) {
    case ui::vk::Down:
    case ui::vk::Right: Przejdź(Pole % n + 1); break;
    case ui::vk::Up:
    case ui::vk::Left: Przejdź(Pole == 1 ? n : Pole - 1); break;
    case ui::vk::Return:
    case ui::vk::Space: Działaj(); break;
    default: break;
    }
}

void OknoAtrybutow::Przejdź(int pole)
{
    Maluj(Pole, false);
    Pole = pole;
    Maluj(Pole, true);
}

void OknoAtrybutow::Działaj()
{
    if (Pole <= int(check.size()))
        Przełącz(Pole - 1);
    else if (Pole == LiczbaPól() - 1)
        Ustaw();
    else
        Anuluj();
}

oc::ui::LabelButton *OknoAtrybutow::Kontrolka(int pole) const
{
    const int pól = int(check.size());
    return pole <= pól ? check[pole - 1] : cmd[pole - pól - 1];
}

void OknoAtrybutow::Maluj(int pole, bool fokus)
{
    const bool przycisk = pole > int(check.size());
    ui::setBackground(Kontrolka(pole), fokus ? TłoFokusu : przycisk ? TłoPrzycisku : Czarny);
}

void OknoAtrybutow::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    ui::fitFrames(Shape1[0], Shape1[1]);
}

void OknoAtrybutow::ZgłośBłędy(const std::vector<oc::platform::FileError> &błędy)
{
    oc::ui::showFailures(this, QStringLiteral("Błąd"),
                         QStringLiteral("Nie udało się zmienić atrybutów. Liczba błędów: %1").arg(błędy.size()), błędy,
                         {5, QStringLiteral("..."), false});
}

} // namespace oc2
