#include "frmMain.h"

#include <actions/Cofnij.h>
#include <actions/Edycja.h>
#include <actions/Kopiowanie.h>
#include <actions/NowyKatalog.h>
#include <actions/ObslugaMenu.h>
#include <actions/Podglad.h>
#include <actions/Przenoszenie.h>
#include <actions/Usuwanie.h>
#include <actions/WierszPolecen.h>
#include <actions/ZmianaNazwy.h>
#include <panels/Kolory.h>
#include <ui/Colors.h>
#include <ui/Keys.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>

using namespace oc;

void frmMain::keyPressEvent(QKeyEvent *event)
{
    Form_KeyDown(ui::virtualKey(event), ui::shiftMask(event->modifiers()));
    // Alt combinations are commands, never typed characters.
    if (!(event->modifiers() & Qt::AltModifier))
        if (const int znak = ui::keyChar(event))
            Form_KeyPress(znak);
}

void frmMain::keyReleaseEvent(QKeyEvent *event)
{
    if (!event->isAutoRepeat())
        Form_KeyUp(ui::virtualKey(event), ui::shiftMask(event->modifiers()), event->text());
}

// Tab switches panels here; it never moves the focus.
bool frmMain::focusNextPrevChild(bool)
{
    return false;
}

void frmMain::Form_KeyDown(int KeyCode, int Shift)
{
    if (Shift == 4) {
        Short[3]->setCaption(QStringLiteral("Edytuj..."));
        tmrKlawisze->start();
    }
    if (KlawiszWidoku(KeyCode, Shift))
        return;
    const bool bez = Shift == 0;
    switch (KeyCode) {
    case ui::vk::Return:
        if (Shift == 2 && Widok(m_aktywny).Stan.LiczbaPozycji > 0)
            WstawNazwę(*this);
        else if (bez)
            Enter(*this);
        break;
    case ui::vk::Space:
        if (Shift == 4 || Shift == 6)
            imgRogu_MouseDown();
        break;
    case ui::vk::End:
        if (!RuchZablokowany())
            k_End();
        break;
    case ui::vk::Home:
        if (!RuchZablokowany())
            k_Home();
        break;
    case ui::vk::Left:
        if (!RuchZablokowany())
            StrzałkaWLewo();
        break;
    case ui::vk::Up:
        if (!RuchZablokowany())
            StrzałkaWGórę();
        break;
    case ui::vk::Right:
        if (!RuchZablokowany())
            StrzałkaWPrawo();
        break;
    case ui::vk::Down:
        if (!RuchZablokowany())
            StrzałkaWDół();
        break;
    case ui::vk::Insert: k_Insert(); break;
    case 'E':
        if (Shift == 2)
            ShowHistoryString(*this);
        break;
    case 'L':
        if (Shift == 2 && TrybPaneluInfo != 2)
            PanelL();
        break;
    case 'Q':
        if (Shift == 2 && TrybPaneluInfo != 1)
            PanelQ();
        break;
    case 'R':
        if (Shift == 2) {
            qint32 który = m_aktywny;
            RefreshPanel(który);
        }
        break;
    case 'Z':
        if (Shift == 2)
            CofnijOstatnią(*this);
        break;
    case ui::vk::Multiply: SzaraGwiazdka(); break;
    case ui::vk::Add: SzaryPlus(); break;
    case ui::vk::Subtract: SzaryMinus(); break;
    case ui::vk::F1:
        if (Shift == 4) {
            AltF1();
        } else if (bez || Shift == 1) {
            qint32 który = Shift == 1 ? 1 : 0;
            PokażPomoc(*this, który);
        }
        break;
    case ui::vk::F2:
        if (Shift == 4)
            AltF2();
        break;
    case ui::vk::F4:
        if (Shift == 4)
            close();
        else if (bez)
            Edycja(*this);
        else if (Shift == 1)
            NowyPlik(*this);
        break;
    case ui::vk::F3:
        if (bez)
            Viewx(*this);
        break;
    case ui::vk::F5:
        if (bez)
            CopyFilesD(*this);
        break;
    case ui::vk::F6:
        if (bez)
            MoveFilesD(*this);
        else if (Shift == 1)
            ZmieńNazwę(*this);
        break;
    case ui::vk::F7:
        if (bez)
            Short_Click(6);
        break;
    case ui::vk::F8:
        if (bez)
            DeleteFileD(*this);
        else if (Shift == 1)
            DeleteFileD(*this, true);
        else if (Shift == 4)
            HistoryWindow(*this);
        break;
    case ui::vk::F9:
        if (bez)
            Short_Click(8);
        break;
    case ui::vk::F10:
        if (bez)
            close();
        break;
    default: break;
    }
}

void frmMain::Form_KeyPress(int KeyAscii)
{
    if (PomińZnak == 1) {
        PomińZnak = 0;
        return;
    }
    switch (KeyAscii) {
    case 9: UstawAktywnyPanel(3 - m_aktywny); break;
    case 21: SwapPanels(); break;
    case 8: UsuńZnak(*this); break;
    default: WpiszZnak(*this, KeyAscii); break;
    }
}

void frmMain::Form_KeyUp(int KeyCode, int Shift, const QString &text)
{
    if (KeyCode < 'A' || KeyCode > 'Z' || (Shift != 4 && Shift != 5))
        return;
    if (text.size() == 1 && text.at(0).isLetter())
        OtwórzWyszukaj(text.at(0));
    else
        OtwórzWyszukaj(Shift == 5 ? QChar(KeyCode) : QChar(KeyCode + 32));
}

void frmMain::Short_Click(int i)
{
    if (!Gotowy || i < 0 || i > 9)
        return;
    switch (i) {
    case 0: {
        qint32 pomoc = 0;
        PokażPomoc(*this, pomoc);
        break;
    }
    case 2: Viewx(*this); break;
    case 3: Edycja(*this); break;
    case 4: CopyFilesD(*this); break;
    case 5: MoveFilesD(*this); break;
    case 6: NewDir(*this); break;
    case 7: DeleteFileD(*this); break;
    case 8: PokażMenuGłówne(*this, 0); break;
    case 9: close(); break;
    default: break;
    }
}

void frmMain::tmrKlawisze_Timer()
{
    if (QGuiApplication::queryKeyboardModifiers() & Qt::AltModifier)
        return;
    Short[3]->setCaption(QStringLiteral("Edytuj"));
    tmrKlawisze->stop();
}

void frmMain::Timer2_Timer()
{
    const QWidget *aktywne = QApplication::activeWindow();
    if (!aktywne)
        return;
    if (aktywne == this) {
        ui::setBackground(Label1, kolory().titlebar);
        if (picWyszukaj->isVisible())
            picWyszukaj->setFocus();
    } else {
        ui::setBackground(Label1, kolory().titlebardeactiv);
    }
}
