#include "frmDelF.h"

#include "Kosz.h"
#include "Pytanie.h"
#include "Usuwanie.h"

#include <ui/Colors.h>
#include <ui/Keys.h>
#include <ui/Twips.h>

#include <QKeyEvent>

namespace ocdelete {

namespace ui = oc::ui;

frmDelF::frmDelF(qint32 &wynik, QWidget *parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_wynik(wynik)
{
    setObjectName(QStringLiteral("frmDelF"));
    setWindowTitle(QStringLiteral("Usuń plik"));
    ui::setBackground(this, pytanie::TłoOkna);
    ui::resizeTwips(this, 3735, 1500);
    for (ui::Shape *&ramka : Shape1)
        ramka = new ui::Shape(this);

    Label2 = pytanie::napis(this, 240, 330, 3255, false);
    Label2->setText(QStringLiteral("Czy zamierzasz usunąc plik:"));
    Label3 = pytanie::napis(this, 240, 600, 3255, true);
    Label4 = pytanie::przyciski(this, 1005, 480, 2040);
    for (int i = 0; i < 2; ++i)
        connect(Label4[i], &ui::LabelButton::clicked, this, [this, i] { Label4_Click(i); });
    Label1 = pytanie::tytuł(this, QStringLiteral("Usuń plik"));
}

void frmDelF::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_aktywowane) {
        m_aktywowane = true;
        Form_Activate();
    }
}

void frmDelF::Form_Activate()
{
    Przycisk = 0;
    pytanie::pomaluj(Label4, Przycisk);
    Label3->setText(Plik.mid(Plik.lastIndexOf(u'/') + 1));
}

void frmDelF::UstawTryb(pytanie::Tryb tryb)
{
    Tryb = tryb;
    pytanie::ustawTryb(this, Label1, QStringLiteral("Usuń plik"), Label4, 870, tryb);
}

void frmDelF::keyPressEvent(QKeyEvent *event)
{
    const std::optional<int> naciśnięty = pytanie::klawisz(ui::virtualKey(event), Przycisk);
    pytanie::pomaluj(Label4, Przycisk);
    if (naciśnięty)
        Label4_Click(*naciśnięty);
}

void frmDelF::Label4_Click(int przycisk)
{
    m_wynik = 0;
    if (przycisk == 0 && Tryb == pytanie::Tryb::Kosz) {
        Kosz kosz;
        kosz.doKosza({Plik});
        if (kosz.Błędy.empty())
            m_wynik = 1;
        else
            oc::ui::showFailures(this, QStringLiteral("Błąd"),
                                 QStringLiteral("Nie można przenieść do kosza pliku: ") + Plik, kosz.Błędy,
                                 pytanie::Błędy);
    } else if (przycisk == 0) {
        Usuwanie usuwanie;
        if (usuwanie.usuńPlik(Plik))
            m_wynik = 1;
        else
            oc::ui::showFailures(this, QStringLiteral("Błąd"), QStringLiteral("Nie można usunąć pliku: ") + Plik,
                                 usuwanie.Błędy, pytanie::Błędy);
    }
    accept();
}

void frmDelF::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    pytanie::dopasuj(this, Label1, Shape1);
}

} // namespace ocdelete
