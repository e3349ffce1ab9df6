#include "frmMain.h"

#include <ui/Keys.h>
#include <ui/Twips.h>

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QTimer>

using namespace oc;

namespace {

constexpr int najdłuższyTekst = 15;

} // namespace

void frmMain::OtwórzWyszukaj(QChar litera)
{
    tmrKursor->stop();
    ui::moveTwips(picWyszukaj, 1000 + (m_aktywny == 2 ? ui::widthTwips(Gora1) : 0), ui::topTwips(picWyszukaj));
    lblNazwa->setText(litera);
    picWyszukaj->show();
    picWyszukaj->raise();
    picWyszukaj->setFocus();
    Gotowy = false;
    Wyszukaj_main();
}

// While the box is shown, the keys are its own.
bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    // A double click on the title bar rolls the window up or down.
    if (watched == Label1 && event->type() == QEvent::MouseButtonDblClick) {
        cmdB_Click(2);
        return true;
    }
    if (watched != picWyszukaj)
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        if (const int znak = ui::keyChar(static_cast<QKeyEvent *>(event)))
            picWyszukaj_KeyPress(znak);
        return true;
    }
    if (event->type() == QEvent::KeyRelease) {
        const auto *klawisz = static_cast<QKeyEvent *>(event);
        if (!klawisz->isAutoRepeat())
            picWyszukaj_KeyUp(ui::virtualKey(klawisz), ui::shiftMask(klawisz->modifiers()));
        return true;
    }
    return false;
}

void frmMain::picWyszukaj_KeyPress(int KeyAscii)
{
    QString tekst = lblNazwa->text();
    if (KeyAscii == 13) {
        SchowajWyszukaj();
        Panel_DblClick(m_aktywny, Widok(m_aktywny).Stan.WierszKursora);
    } else if (KeyAscii == 27) {
        SchowajWyszukaj();
    } else if (KeyAscii == 8) {
        tekst.chop(1);
        lblNazwa->setText(tekst);
        Wyszukaj_main();
    } else if (KeyAscii >= 32 && KeyAscii <= 126) {
        if (tekst.size() < najdłuższyTekst)
            lblNazwa->setText(tekst + QChar(KeyAscii));
        Wyszukaj_main();
    }
}

void frmMain::picWyszukaj_KeyUp(int KeyCode, int)
{
    if (KeyCode < ui::vk::Left || KeyCode > ui::vk::Down)
        return;
    SchowajWyszukaj();
    ui::sendKey(this, KeyCode);
}

void frmMain::Wyszukaj_main()
{
    const StanPanelu &s = Widok(m_aktywny).Stan;
    if (s.LiczbaPozycji == 0) {
        SchowajWyszukaj();
        return;
    }
    QString tekst = lblNazwa->text();
    if (tekst.isEmpty())
        return;
    for (qint32 k = 1; k <= s.LiczbaPozycji; ++k)
        if (s.Nazwy[size_t(k)].startsWith(tekst, Qt::CaseInsensitive)) {
            PokażWyszukany(k);
            return;
        }
    tekst.chop(1);
    lblNazwa->setText(tekst);
    QApplication::beep();
}

void frmMain::PokażWyszukany(qint32 &k)
{
    WidokPanelu &w = Widok(m_aktywny);
    const StanPanelu &s = w.Stan;
    const qint32 r = k - s.PierwszaPozycja;
    Gotowy = true;
    if (r >= 1 && r <= s.OstatniWiersz)
        w.Panel_Click(r);
    else
        w.PokażPozycję(k);
    Gotowy = false;
}

void frmMain::SchowajWyszukaj()
{
    tmrKursor->start();
    Gotowy = true;
    picWyszukaj->hide();
    setFocus();
}
