#include "frmMain.h"

#include "PaneleBoczne.h"

#include <actions/ObslugaMenu.h>
#include <actions/WierszPolecen.h>
#include <component/Wersja.h>
#include <panels/DyskPanelu.h>
#include <panels/Kolory.h>
#include <panels/RysowanieWierszy.h>
#include <ui/Colors.h>
#include <ui/Fonts.h>
#include <ui/Keys.h>
#include <ui/TitleDrag.h>
#include <ui/Twips.h>

#include <QApplication>
#include <QFrame>
#include <QPainter>
#include <QResizeEvent>
#include <QScreen>
#include <QTime>
#include <QTimer>

using namespace oc;

namespace {

const char *const podpisyKlawiszy[10]
    = {"Pomoc", "Menu", "Podgląd", "Edycja", "Kopiuj", "Zm/prze", "Nowy kat", "Usuń", "Rozwiń", "Koniec"};

} // namespace

frmMain::frmMain(const QString &left, const QString &right)
    : m_panele{new WidokPanelu(1, this), new WidokPanelu(2, this)}, Panel1(m_panele[0]->Wiersze),
      Panel2(m_panele[1]->Wiersze), Gora1(m_panele[0]->Gora), Gora2(m_panele[1]->Gora), Dol1(m_panele[0]->Dol),
      Dol2(m_panele[1]->Dol), Dir1(m_panele[0]->Dir), Dir2(m_panele[1]->Dir), File1(m_panele[0]->File),
      File2(m_panele[1]->File), m_startowe{left, right}
{
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setFocusPolicy(Qt::StrongFocus);
    setAcceptDrops(true);
    ui::resizeTwips(this, MinimalnaSzerokość, MinimalnaWysokość);

    Label1 = new QLabel(this);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setFont(ui::sansFont(9.75, true));
    ui::placeTwips(Label1, 0, 0, MinimalnaSzerokość, 275);
    ui::makeTitleDrag(Label1);

    UtwórzBelkę();

    static const int lewyMenu[8] = {-120, 480, 2280, 3240, 4200, 5640, 9360, 7320};
    static const int szerokośćMenu[8] = {975, 1815, 975, 975, 1455, 1695, 1335, 2055};
    for (int i = 0; i < 8; ++i) {
        Label2[i] = new ui::LabelButton(this);
        ui::placeTwips(Label2[i], lewyMenu[i], 240, szerokośćMenu[i], 135);
        connect(Label2[i], &ui::LabelButton::clicked, this, [this, i] {
            if (Gotowy)
                PokażMenuGłówne(*this, (i == 7 ? 0 : i) + 100);
        });
    }

    UtwórzPanele();
    UtwórzObserwatora();

    Wskaznik = new QLabel(this);
    Wskaznik->setTextFormat(Qt::PlainText);
    Wskaznik->setFont(ui::sansFont(12));
    ui::placeTwips(Wskaznik, 0, 5340, 600, 270);
    DOSLab = new QLabel(this);
    DOSLab->setTextFormat(Qt::PlainText);
    DOSLab->setFont(ui::sansFont(12));
    ui::placeTwips(DOSLab, 600, 5340, MinimalnaSzerokość - 600, 270);
    DosLab2 = new QLabel(this);
    ui::placeTwips(DosLab2, 0, 5610, MinimalnaSzerokość, 30);

    UtwórzPasekKlawiszy();

    picWyszukaj = new QFrame(this);
    picWyszukaj->setFrameStyle(QFrame::Box | QFrame::Plain);
    ui::placeTwips(picWyszukaj, 1000, 0, 3975, 495);
    lblNazwa = new QLabel(picWyszukaj);
    lblNazwa->setTextFormat(Qt::PlainText);
    lblNazwa->setFont(ui::sansFont(12, true));
    ui::placeTwips(lblNazwa, 60, 60, 3735, 375);
    picWyszukaj->setFocusPolicy(Qt::StrongFocus);
    picWyszukaj->installEventFilter(this);
    picWyszukaj->hide();

    Panel = new PanelInformacji(this);
    PanelB = new SzybkiPodgląd(*this, this);

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &frmMain::Timer1_Timer);
    Timer2 = new QTimer(this);
    Timer2->setInterval(200);
    connect(Timer2, &QTimer::timeout, this, &frmMain::Timer2_Timer);
    tmrKlawisze = new QTimer(this);
    tmrKlawisze->setInterval(300);
    connect(tmrKlawisze, &QTimer::timeout, this, &frmMain::tmrKlawisze_Timer);

    tmrKursor = new QTimer(this);
    tmrKursor->setInterval(200);
    connect(tmrKursor, &QTimer::timeout, this, [this] { tmrKursor_Timer(*this); });
}

void frmMain::UtwórzPanele()
{
    for (int p = 1; p <= 2; ++p) {
        WidokPanelu *widok = &Widok(p);
        connect(widok, &WidokPanelu::wierszKlik, this, [this, p](int r) { Panel_Click(p, r); });
        connect(widok, &WidokPanelu::wierszDwuklik, this, [this, p](int r) { Panel_DblClick(p, r); });
        connect(widok, &WidokPanelu::wierszPrzycisk, this,
                [this, p](int r, Qt::MouseButton button) { Panel_MouseDown(p, r, button); });
        connect(widok, &WidokPanelu::aktywowany, this, [this, p] { Gora_Click(p); });
        connect(widok, &WidokPanelu::kursorNaWpisie, this, [this, p] { Rozsz(p); });
        connect(widok, &WidokPanelu::kursorNaWpisie, this, [this, p] { OdświeżPanelBoczny(p); });
        connect(widok, &WidokPanelu::katalogZmieniony, this, [this, p] { ZmianaKatalogu(p); });
        connect(widok, &WidokPanelu::plikWybrany, this,
                [this, p](const QString &ścieżka, const QString &nazwa) { OtwórzPlik(*this, p, ścieżka, nazwa); });
        connect(widok, &WidokPanelu::klawiszPrzewijania, this, [this](int klawisz) { ui::sendKey(this, klawisz); });
    }
    Zegar = new ui::LabelButton(QStringLiteral("22:22"), this);
    connect(Zegar, &ui::LabelButton::clicked, this, &frmMain::Zegar_Click);
    Zegar->setAlignment(Qt::AlignCenter);
    Zegar->setFont(ui::sansFont(8.25, true));
}

void frmMain::UtwórzPasekKlawiszy()
{
    for (int i = 0; i < 10; ++i) {
        Short[i] = new ui::LabelButton(QString::fromUtf8(podpisyKlawiszy[i]), this);
        Short[i]->setFont(ui::sansFont(8.25));
        ShortCyfra[i] = new ui::LabelButton(QString::number(i + 1), this);
        ShortCyfra[i]->setFont(ui::sansFont(8.25, true));
        ShortCyfra[i]->adjustSize();
        connect(Short[i], &ui::LabelButton::clicked, this, [this, i] { Short_Click(i); });
        connect(ShortCyfra[i], &ui::LabelButton::clicked, this, [this, i] { Short_Click(i); });
    }
    Short[2]->setToolTip(QStringLiteral("F3: podgląd pliku – dźwięk, obraz, tekst albo zapis szesnastkowy"));
    Short[3]->setToolTip(QStringLiteral("F4: edycja pliku w edytorze, Shift+F4: nowy plik"));
}

void frmMain::ZastosujKolory()
{
    const Kolory &k = kolory();
    ui::setBackground(this, k.background);
    for (int p = 1; p <= 2; ++p) {
        for (EtykietaPanelu *wiersz : Widok(p).Wiersze) {
            ui::setBackground(wiersz, k.filebackground);
            ui::setForeground(wiersz, k.filetext);
        }
        // The scheme has no key of their own; the row text reads well on
        // both header colours.
        ui::setForeground(Widok(p).Gora, k.filetext);
        for (EtykietaPanelu *stan : Widok(p).Dol)
            ui::setForeground(stan, k.filetext);
    }
    ui::setForeground(Zegar, k.filetext);
    ui::setForeground(Wskaznik, k.filetext);
    ui::setForeground(DOSLab, k.filetext);
    ui::setBackground(DosLab2, k.filebackground);
    Panel->Koloruj();
    PanelB->Koloruj();
    ui::setBackground(Label1, k.titlebar);
    ui::setForeground(Label1, k.filetext);
    for (int i = 0; i < 10; ++i) {
        ui::setBackground(Short[i], k.shorts);
        ui::setForeground(ShortCyfra[i], k.filetext);
    }
    ui::setBackground(picWyszukaj, k.fileselbackground);
    ui::setForeground(lblNazwa, k.fileseltext);
}

void frmMain::Form_Load()
{
    hide();
    Gotowy = true;
    QCoreApplication::processEvents();

    ZastosujKolory();

    Zegar->setText(QTime::currentTime().toString(QStringLiteral("hh:mm")));

    for (int p = 1; p <= 2; ++p) {
        WidokPanelu &widok = Widok(p);
        const QString &zapisany = m_startowe[size_t(p - 1)];
        widok.UstawŚcieżkę(KatalogStartowy(zapisany));
        widok.Gora->UstawNapis(widok.Dir.Ścieżka().toUpper());
    }

    for (int p = 1; p <= 2; ++p) {
        Widok(p).WczytajPanel();
        Widok(p).PokażPanel(1);
        Widok(p).CzyśćDół();
    }
    Panel_Click(2, 0);
    Panel_Click(1, 0);

    // Asked for 6090 twips, the window snaps to its minimum height; the
    // search box sits on the snapped height, and the window is centred on it.
    const int wysokość = std::max(6090, MinimalnaWysokość);
    ui::resizeTwips(this, ui::widthTwips(this), wysokość);
    ui::placeTwips(picWyszukaj, 1000, wysokość - int(12 * ui::twipsPerPixel() + 495), 3975 - 120, 495);

    Wskaznik->setText(Widok(m_aktywny).Stan.Katalog + u'>');
    Wskaznik->adjustSize();
    UłóżLinięPoleceń();

    const QString tytuł = QStringLiteral(".: Orvane Commander wersja ") + oc::WersjaProgramu() + QStringLiteral(" :.");
    Label1->setText(tytuł);
    setWindowTitle(tytuł);
    QGuiApplication::setApplicationDisplayName(tytuł);

    ui::resizeTwips(this, ui::widthTwips(this) + 500, ui::heightTwips(this));
    if (const QScreen *ekran = screen())
        move(ekran->availableGeometry().center() - rect().center());
    Timer1->start();
    Timer2->start();
    PokażKursor(*this);
    tmrKursor->start();
    show();
    activateWindow();
    setFocus();
}

void frmMain::Timer1_Timer()
{
    const QString czas = QTime::currentTime().toString(QStringLiteral("hh:mm"));
    if (Zegar->text() != czas)
        Zegar->setText(czas);
}

void frmMain::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_zwinięte)
        return;
    const int szerokość = std::max(width(), ui::toPixels(MinimalnaSzerokość));
    const int wysokość = std::max(height(), ui::toPixels(MinimalnaWysokość));
    if (szerokość != width() || wysokość != height())
        resize(szerokość, wysokość);
    ZastosujUkład(ui::toTwips(szerokość), ui::toTwips(wysokość));
}

void frmMain::closeEvent(QCloseEvent *event)
{
    bool anuluj = false;
    Form_Unload(anuluj);
    if (anuluj) {
        event->ignore();
        return;
    }
    // The program waits for its workers on the way out.
    PanelB->PorzućLiczenie();
    event->accept();
}
