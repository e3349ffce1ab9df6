#include "frmKalkulator.h"

#include "WygladOkna.h"

#include <ui/Colors.h>
#include <ui/Fonts.h>
#include <ui/Keys.h>
#include <ui/Twips.h>

#include <QKeyEvent>

namespace oc {

namespace {

struct Klawisz
{
    const char16_t *napis;
    char16_t znak;
    int kolumna, wiersz, szerokość, wysokość;
};

// Four columns, five rows; "0" is two keys wide and "=" two keys high.
constexpr Klawisz Klawisze[] = {
    {u"C", u'C', 0, 0, 1, 1}, {u"←", u'\b', 1, 0, 1, 1}, {u"÷", u'/', 2, 0, 1, 1}, {u"×", u'*', 3, 0, 1, 1},
    {u"7", u'7', 0, 1, 1, 1}, {u"8", u'8', 1, 1, 1, 1},  {u"9", u'9', 2, 1, 1, 1}, {u"−", u'-', 3, 1, 1, 1},
    {u"4", u'4', 0, 2, 1, 1}, {u"5", u'5', 1, 2, 1, 1},  {u"6", u'6', 2, 2, 1, 1}, {u"+", u'+', 3, 2, 1, 1},
    {u"1", u'1', 0, 3, 1, 1}, {u"2", u'2', 1, 3, 1, 1},  {u"3", u'3', 2, 3, 1, 1}, {u"=", u'=', 3, 3, 1, 2},
    {u"0", u'0', 0, 4, 2, 1}, {u",", u',', 2, 4, 1, 1},
};
static_assert(std::size(Klawisze) == std::tuple_size_v<decltype(frmKalkulator::cmdKlawisz)>);

constexpr int Lewa = 240;
constexpr int GóraKlawiszy = 1080;
constexpr int Krok = 840;
constexpr int Bok = 780;

} // namespace

frmKalkulator::frmKalkulator(QWidget *parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmKalkulator"));
    const QString tytuł = QStringLiteral("Kalkulator");
    setWindowTitle(tytuł);
    ui::setBackground(this, wygląd::TłoOkna);
    ui::resizeTwips(this, 2 * Lewa + 4 * Krok - (Krok - Bok), GóraKlawiszy + 5 * Krok + 180);
    Shape1 = wygląd::ramki(this);

    lblWynik = new QLabel(this);
    lblWynik->setTextFormat(Qt::PlainText);
    lblWynik->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblWynik->setIndent(ui::toPixels(90));
    ui::setBackground(lblWynik, 0x00FFFFFF);
    ui::setForeground(lblWynik, 0x00000000);
    ui::placeTwips(lblWynik, Lewa, 420, 4 * Krok - (Krok - Bok), 480);

    for (size_t i = 0; i < std::size(Klawisze); ++i) {
        const Klawisz &k = Klawisze[i];
        auto *przycisk = new ui::LabelButton(QString::fromUtf16(k.napis), this);
        przycisk->setFont(ui::sansFont(12, true));
        przycisk->setAlignment(Qt::AlignCenter);
        ui::setBackground(przycisk, k.znak == u'=' ? wygląd::TłoWyróżnienia : wygląd::TłoPrzycisku);
        ui::setForeground(przycisk, wygląd::TekstWyróżnienia);
        ui::placeTwips(przycisk, Lewa + k.kolumna * Krok, GóraKlawiszy + k.wiersz * Krok,
                       k.szerokość * Krok - (Krok - Bok), k.wysokość * Krok - (Krok - Bok));
        const QChar znak(k.znak);
        connect(przycisk, &ui::LabelButton::clicked, this, [this, znak] { Naciśnij(znak); });
        cmdKlawisz[i] = przycisk;
    }

    Label1 = wygląd::tytuł(this, tytuł);
    Naciśnij(u'C');
}

void frmKalkulator::keyPressEvent(QKeyEvent *event)
{
    switch (ui::virtualKey(event)) {
    case ui::vk::Escape: reject(); return;
    case ui::vk::Return: Naciśnij(u'='); return;
    case ui::vk::Back: Naciśnij(u'\b'); return;
    case ui::vk::Delete: Naciśnij(u'C'); return;
    default: break;
    }
    const QString tekst = event->text();
    if (tekst.size() == 1)
        Naciśnij(tekst.at(0));
}

void frmKalkulator::Naciśnij(QChar klawisz)
{
    m_kalkulator.Naciśnij(klawisz);
    Wynik = m_kalkulator.Wyświetlacz();
    // A message is longer than any number: a smaller face keeps it whole.
    lblWynik->setFont(ui::sansFont(m_kalkulator.Błąd() ? 9.75 : 12, true));
    lblWynik->setText(Wynik);
}

void frmKalkulator::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    wygląd::dopasuj(this, Label1, Shape1);
}

} // namespace oc
