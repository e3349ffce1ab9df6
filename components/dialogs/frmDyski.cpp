#include "frmDyski.h"

#include "WyborDysku.h"
#include "WygladOkna.h"

#include <ui/Colors.h>
#include <ui/Fonts.h>
#include <ui/Keys.h>
#include <ui/Twips.h>

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLocale>

namespace oc {

namespace {

constexpr int Szerokość = 6600;
constexpr int GóraWierszy = 420;
constexpr int WysokośćWiersza = 300;
constexpr int SzerokośćWiersza = 6240;

// A column of a row: a plain label that lets clicks through to the row.
QLabel *kolumna(QWidget *wiersz, const QString &tekst, int lewa, int szerokość, Qt::Alignment wyrównanie)
{
    auto *etykieta = new QLabel(wiersz);
    etykieta->setTextFormat(Qt::PlainText);
    etykieta->setAttribute(Qt::WA_TransparentForMouseEvents);
    etykieta->setFont(wiersz->font());
    etykieta->setAlignment(wyrównanie | Qt::AlignVCenter);
    ui::placeTwips(etykieta, lewa, 0, szerokość, WysokośćWiersza);
    etykieta->setText(QFontMetrics(etykieta->font()).elidedText(tekst, Qt::ElideMiddle, etykieta->width()));
    return etykieta;
}

} // namespace

frmDyski::frmDyski(const QList<platform::Volume> &dyski, const QString &current, qint16 panel, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_dyski(dyski)
{
    setObjectName(QStringLiteral("frmDyski"));
    const QString tytuł
        = panel == 2 ? QStringLiteral("Wybierz dysk (prawy panel)") : QStringLiteral("Wybierz dysk (lewy panel)");
    setWindowTitle(tytuł);
    ui::setBackground(this, wygląd::TłoOkna);
    Shape1 = wygląd::ramki(this);

    const QLocale polski(QLocale::Polish);
    for (qsizetype i = 0; i < m_dyski.size(); ++i) {
        const platform::Volume &dysk = m_dyski.at(i);
        auto *wiersz = new ui::LabelButton(this);
        wiersz->setFont(ui::sansFont(9.75));
        ui::placeTwips(wiersz, 180, GóraWierszy + WysokośćWiersza * int(i), SzerokośćWiersza, WysokośćWiersza);
        kolumna(wiersz, dysk.mountPoint, 90, 2400, Qt::AlignLeft);
        kolumna(wiersz, dysk.label, 2550, 1500, Qt::AlignLeft);
        const QString wolne = polski.formattedDataSize(dysk.freeBytes, 1, QLocale::DataSizeTraditionalFormat);
        kolumna(wiersz, QStringLiteral("wolne: ") + wolne, 4110, 2040, Qt::AlignRight);
        connect(wiersz, &ui::LabelButton::clicked, this, [this, i] { Wybierz(int(i)); });
        lblDysk.push_back(wiersz);
        Podświetl(int(i), false);
    }
    int wierszy = int(lblDysk.size());
    if (lblDysk.empty()) {
        auto *brak = new QLabel(QStringLiteral("Nie znaleziono żadnego dysku"), this);
        brak->setFont(ui::sansFont(9.75));
        brak->setAlignment(Qt::AlignCenter);
        ui::setForeground(brak, wygląd::TekstWiersza);
        ui::placeTwips(brak, 180, GóraWierszy, SzerokośćWiersza, WysokośćWiersza);
        wierszy = 1;
    } else {
        Wiersz = WierszDysku(m_dyski, current);
        Podświetl(Wiersz, true);
    }
    ui::resizeTwips(this, Szerokość, GóraWierszy + WysokośćWiersza * wierszy + 180);

    Label1 = wygląd::tytuł(this, tytuł);
}

void frmDyski::keyPressEvent(QKeyEvent *event)
{
    Form_KeyDown(ui::virtualKey(event));
}

void frmDyski::Form_KeyDown(int kod)
{
    const int ostatni = int(lblDysk.size()) - 1;
    switch (kod) {
    case ui::vk::Up: Przesuń(Wiersz - 1); break;
    case ui::vk::Down: Przesuń(Wiersz + 1); break;
    case ui::vk::Home: Przesuń(0); break;
    case ui::vk::End: Przesuń(ostatni); break;
    case ui::vk::Return:
        if (ostatni >= 0)
            Wybierz(Wiersz);
        else
            reject();
        break;
    case ui::vk::Escape:
        Wynik.clear();
        reject();
        break;
    default: break;
    }
}

void frmDyski::Przesuń(int wiersz)
{
    if (lblDysk.empty())
        return;
    Podświetl(Wiersz, false);
    Wiersz = std::clamp(wiersz, 0, int(lblDysk.size()) - 1);
    Podświetl(Wiersz, true);
}

void frmDyski::Wybierz(int wiersz)
{
    Przesuń(wiersz);
    Wynik = m_dyski.at(Wiersz).mountPoint;
    accept();
}

void frmDyski::Podświetl(int wiersz, bool włączone)
{
    ui::setBackground(lblDysk[wiersz], włączone ? wygląd::TłoWyróżnienia : wygląd::TłoOkna);
    ui::setForeground(lblDysk[wiersz], włączone ? wygląd::TekstWyróżnienia : wygląd::TekstWiersza);
}

void frmDyski::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    wygląd::dopasuj(this, Label1, Shape1);
}

} // namespace oc
