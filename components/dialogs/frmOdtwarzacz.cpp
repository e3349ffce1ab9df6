#include "frmOdtwarzacz.h"

#include "WygladOkna.h"

#include <ui/Colors.h>
#include <ui/Fonts.h>
#include <ui/Keys.h>
#include <ui/Twips.h>

#include <QFontMetrics>
#include <QKeyEvent>

namespace oc {

namespace {

constexpr int Lewa = 240;
constexpr int Szerokość = 4800;
constexpr int GóraPrzycisków = 2040;
constexpr int KrokPrzycisków = 1230;
constexpr quint32 TekstNieczynny = 0x00A0A0A0;
enum { Odtwórz, Pauza, Stop, Zamknij };

QLabel *etykieta(QWidget *okno, bool pogrubiona, int góra, int wysokość)
{
    auto *nowa = new QLabel(okno);
    nowa->setTextFormat(Qt::PlainText);
    nowa->setFont(ui::sansFont(9.75, pogrubiona));
    ui::setForeground(nowa, wygląd::TekstWiersza);
    ui::placeTwips(nowa, Lewa, góra, Szerokość, wysokość);
    return nowa;
}

} // namespace

frmOdtwarzacz::frmOdtwarzacz(const QString &plik, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_dźwięk(UtwórzOdtwarzanie(plik))
{
    setObjectName(QStringLiteral("frmOdtwarzacz"));
    const QString tytuł = QStringLiteral("Odtwarzacz");
    setWindowTitle(tytuł);
    ui::setBackground(this, wygląd::TłoOkna);
    ui::resizeTwips(this, 2 * Lewa + Szerokość, GóraPrzycisków + 300 + 240);
    Shape1 = wygląd::ramki(this);

    lblPlik = etykieta(this, true, 360, 270);
    const QString nazwa = plik.section(u'/', -1);
    lblPlik->setText(QFontMetrics(lblPlik->font()).elidedText(nazwa, Qt::ElideMiddle, lblPlik->width()));
    lblPlik->setToolTip(plik);
    lblCzas = etykieta(this, false, 660, 270);

    shpPasek = new QLabel(this);
    ui::setBackground(shpPasek, 0x00FFFFFF);
    ui::placeTwips(shpPasek, Lewa, 990, Szerokość, 120);
    shpPostęp = new QLabel(shpPasek);
    ui::setBackground(shpPostęp, wygląd::TłoWyróżnienia);
    shpPostęp->setGeometry(0, 0, 0, shpPasek->height());

    lblKomunikat = etykieta(this, false, 1230, 720);
    lblKomunikat->setWordWrap(true);
    lblKomunikat->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    const std::array<QString, 4> napisy{QStringLiteral("&Odtwórz"), QStringLiteral("&Pauza"), QStringLiteral("&Stop"),
                                        QStringLiteral("&Zamknij")};
    for (int i = 0; i < int(napisy.size()); ++i) {
        auto *przycisk = new ui::LabelButton(napisy[size_t(i)], this);
        przycisk->setFont(ui::sansFont(12));
        przycisk->setAlignment(Qt::AlignCenter);
        ui::placeTwips(przycisk, Lewa + i * KrokPrzycisków, GóraPrzycisków, KrokPrzycisków - 120, 300);
        connect(przycisk, &ui::LabelButton::clicked, this, [this, i] { Przycisk(i); });
        cmdPrzycisk[size_t(i)] = przycisk;
    }

    Label1 = wygląd::tytuł(this, tytuł);
    connect(m_dźwięk.get(), &Odtwarzanie::changed, this, &frmOdtwarzacz::Odśwież);
    m_dźwięk->Odtwórz();
    Odśwież();
}

void frmOdtwarzacz::keyPressEvent(QKeyEvent *event)
{
    switch (ui::virtualKey(event)) {
    case ui::vk::Return:
    case ui::vk::Space: Przycisk(Domyślny()); return;
    case ui::vk::Escape:
    case ui::vk::F10: reject(); return;
    default: break;
    }
    const QString tekst = event->text().toUpper();
    for (int i = 0; i < int(cmdPrzycisk.size()); ++i)
        if (tekst.size() == 1 && cmdPrzycisk[size_t(i)]->accessKey() == tekst.at(0))
            Przycisk(i);
}

void frmOdtwarzacz::Przycisk(int indeks)
{
    switch (indeks) {
    case Odtwórz: m_dźwięk->Odtwórz(); break;
    case Pauza:
        if (m_dźwięk->MożnaWstrzymać())
            m_dźwięk->Pauza();
        break;
    case Stop: m_dźwięk->Zatrzymaj(); break;
    case Zamknij: reject(); break;
    default: break;
    }
}

// What Enter does: play, pause (stop when the player cannot pause), or close
// when the file cannot be played.
int frmOdtwarzacz::Domyślny() const
{
    const Odtwarzanie &d = *m_dźwięk;
    if (!d.Komunikat().isEmpty())
        return Zamknij;
    if (d.stan() != Odtwarzanie::Stan::Gra)
        return Odtwórz;
    return d.MożnaWstrzymać() ? Pauza : Stop;
}

void frmOdtwarzacz::Odśwież()
{
    const Odtwarzanie &d = *m_dźwięk;
    const qint64 długość = d.Długość();
    lblCzas->setText(TekstCzasuUtworu(d.Pozycja()) + QStringLiteral(" / ")
                     + (długość > 0 ? TekstCzasuUtworu(długość) : QStringLiteral("-:--")));
    const int szerokość = długość > 0 ? int(shpPasek->width() * qBound<qint64>(0, d.Pozycja(), długość) / długość) : 0;
    shpPostęp->setFixedWidth(szerokość);
    lblKomunikat->setText(d.Komunikat());

    const bool sprawny = d.Komunikat().isEmpty();
    const bool gra = d.stan() == Odtwarzanie::Stan::Gra;
    const std::array<bool, 4> czynne{sprawny && !gra, sprawny && gra && d.MożnaWstrzymać(),
                                     sprawny && d.stan() != Odtwarzanie::Stan::Zatrzymane, true};
    const int domyślny = Domyślny();
    for (size_t i = 0; i < cmdPrzycisk.size(); ++i) {
        ui::setBackground(cmdPrzycisk[i], int(i) == domyślny ? wygląd::TłoWyróżnienia : wygląd::TłoPrzycisku);
        ui::setForeground(cmdPrzycisk[i], czynne[i] ? wygląd::TekstWyróżnienia : TekstNieczynny);
    }
}

void frmOdtwarzacz::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    wygląd::dopasuj(this, Label1, Shape1);
}

} // namespace oc
