#include "frmMain.h"

#include <actions/WierszPolecen.h>
#include <platform/Directory.h>
#include <platform/Paths.h>
#include <shell/Kolory.h>
#include <shell/TekstWersji.h>
#include <ui/Colors.h>
#include <ui/Fonts.h>
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

frmMain *główneOkno = nullptr;

// A small arrow picture for the scroll images.
QPixmap Strzałka(bool wGórę)
{
    const int bok = ui::toPixels(SzerokośćStrzałki);
    QPixmap obraz(bok, bok);
    obraz.fill(QColor(192, 192, 192));
    QPainter painter(&obraz);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    const double m = bok * 0.25;
    QPolygonF trójkąt;
    if (wGórę)
        trójkąt << QPointF(bok / 2.0, m) << QPointF(bok - m, bok - m) << QPointF(m, bok - m);
    else
        trójkąt << QPointF(m, m) << QPointF(bok - m, m) << QPointF(bok / 2.0, bok - m);
    painter.drawPolygon(trójkąt);
    return obraz;
}

const char *const podpisyKlawiszy[10] = {"Pomoc", "Menu", "Podgląd", "Edycja", "Kopiuj",
                                         "Zm/prze", "Nowy kat", "Usuń", "Rozwiń", "Koniec"};

} // namespace

frmMain *GłówneOkno() { return główneOkno; }

frmMain::frmMain()
{
    główneOkno = this;
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setFocusPolicy(Qt::StrongFocus);
    ui::resizeTwips(this, MinimalnaSzerokość, MinimalnaWysokość);

    Label1 = new QLabel(this);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setFont(ui::sansFont(9.75, true));
    ui::placeTwips(Label1, 0, 0, MinimalnaSzerokość, 275);
    ui::makeTitleDrag(Label1);

    static const char *const podpowiedziPrzycisków[4] = {"Minimalizuj", "Zamknij", "Zwiń do paska",
                                                         "Maksymalizuj"};
    static const char *const znakiPrzycisków[4] = {"_", "x", "=", "\u25A1"};
    for (int i = 0; i < 4; ++i) {
        cmdB[i] = new QLabel(QString::fromUtf8(znakiPrzycisków[i]), this);
        cmdB[i]->setAlignment(Qt::AlignCenter);
        cmdB[i]->setToolTip(QString::fromUtf8(podpowiedziPrzycisków[i]));
        ui::setBackground(cmdB[i], 0x00C0C0C0);
        ui::placeTwips(cmdB[i], 0, 15, 240, 210);
    }
    imgRogu = new QLabel(this);
    ui::placeTwips(imgRogu, 20, 20, 240, 240);

    static const int lewyMenu[8] = {-120, 480, 2280, 3240, 4200, 5640, 9360, 7320};
    static const int szerokośćMenu[8] = {975, 1815, 975, 975, 1455, 1695, 1335, 2055};
    for (int i = 0; i < 8; ++i) {
        Label2[i] = new ui::LabelButton(this);
        ui::placeTwips(Label2[i], lewyMenu[i], 240, szerokośćMenu[i], 135);
    }

    UtwórzPanele();

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

    Panel = new QFrame(this);
    PanelB = new QFrame(this);
    for (QFrame *boczny : {Panel, PanelB}) {
        ui::placeTwips(boczny, 120, 360, 5184, 4935);
        boczny->hide();
    }

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

frmMain::~frmMain()
{
    if (główneOkno == this)
        główneOkno = nullptr;
}

void frmMain::UtwórzPanele()
{
    for (int p = 1; p <= 2; ++p) {
        EtykietaPanelu *nagłówek = new EtykietaPanelu(this);
        nagłówek->setAlignment(Qt::AlignCenter);
        nagłówek->setFont(ui::sansFont(8.25, true));
        connect(nagłówek, &EtykietaPanelu::clicked, this, [this, p] { Gora_Click(p); });
        (p == 1 ? Gora1 : Gora2) = nagłówek;

        for (int r = 0; r < 54; ++r) {
            EtykietaPanelu *wiersz = new EtykietaPanelu(this);
            wiersz->setFont(ui::sansFont(9.75));
            connect(wiersz, &EtykietaPanelu::clicked, this, [this, p, r] { Panel_Click(p, r); });
            connect(wiersz, &EtykietaPanelu::doubleClicked, this, [this, p, r] { Panel_DblClick(p, r); });
            connect(wiersz, &EtykietaPanelu::pressed, this,
                    [this, p, r](Qt::MouseButton button) { Panel_MouseDown(p, r, button); });
            Wiersze(p)[r] = wiersz;
        }
        for (int i = 0; i < 3; ++i) {
            EtykietaPanelu *stan = new EtykietaPanelu(this);
            stan->setFont(ui::sansFont(8.25));
            stan->setAlignment(i == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
            connect(stan, &EtykietaPanelu::clicked, this, [this, p] { Dol_Click(p); });
            Dol(p)[i] = stan;
        }
        imgGora[p] = new ui::LabelButton(this);
        imgGora[p]->setPixmap(Strzałka(true));
        imgGora[p]->setToolTip(QStringLiteral("Strzałka w górę dla myszomaniaków"));
        connect(imgGora[p], &ui::LabelButton::clicked, this, [this, p] { imgGora_Click(p); });
        imgDol[p] = new ui::LabelButton(this);
        imgDol[p]->setPixmap(Strzałka(false));
        imgDol[p]->setToolTip(p == 1 ? QStringLiteral("Strzałka w dół dla myszomaniaków")
                                     : QStringLiteral(" Strzałka w dół dla myszomaniaków"));
        connect(imgDol[p], &ui::LabelButton::clicked, this, [this, p] { imgDol_Click(p); });
    }
    Zegar = new QLabel(QStringLiteral("22:22"), this);
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
}

void frmMain::ZastosujKolory()
{
    const Kolory &k = kolory();
    ui::setBackground(this, k.background);
    for (int p = 1; p <= 2; ++p) {
        for (EtykietaPanelu *wiersz : Wiersze(p)) {
            ui::setBackground(wiersz, k.filebackground);
            ui::setForeground(wiersz, k.filetext);
        }
        // The scheme has no key of their own; the row text reads well on
        // both header colours.
        ui::setForeground(Gora(p), k.filetext);
        for (EtykietaPanelu *stan : Dol(p))
            ui::setForeground(stan, k.filetext);
    }
    ui::setForeground(Zegar, k.filetext);
    ui::setForeground(Wskaznik, k.filetext);
    ui::setForeground(DOSLab, k.filetext);
    ui::setBackground(DosLab2, k.filebackground);
    ui::setBackground(Panel, k.filebackground);
    ui::setBackground(PanelB, k.filebackground);
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

    kolory() = WczytajKolory(platform::colourSchemeFile());
    ZastosujKolory();

    Zegar->setText(QTime::currentTime().toString(QStringLiteral("hh:mm")));

    for (int p = 1; p <= 2; ++p) {
        const QString zapisany = panel(p).Katalog;
        UstawŚcieżkę(p, zapisany.isEmpty() ? platform::fallbackDirectory() : zapisany);
        Gora(p)->UstawNapis(Dir(p).Ścieżka().toUpper());
    }

    WczytajPanel(1);
    WczytajPanel(2);
    PokażPanel(1, 1);
    PokażPanel(2, 1);
    CzyśćDół(1);
    CzyśćDół(2);
    Panel_Click(2, 0);
    Panel_Click(1, 0);

    ui::resizeTwips(this, ui::widthTwips(this), 6090);
    ui::placeTwips(picWyszukaj, 1000, 6090 - (12 * ui::twipsPerPixel() + 495), 3975 - 120, 495);

    StanPanelu &aktywny = panel(AktywnyPanel);
    aktywny.Katalog = platform::withSeparator(aktywny.Katalog);
    Wskaznik->setText(aktywny.Katalog + u'>');
    Wskaznik->adjustSize();
    UłóżLinięPoleceń();

    const QString tytuł = QStringLiteral(".: Orvane Commander wersja ") + TekstWersji() + QStringLiteral(" :.");
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
    if (ui::heightTwips(this) == WysokośćZwinięta)
        return;
    const int szerokość = std::max(width(), ui::toPixels(MinimalnaSzerokość));
    const int wysokość = std::max(height(), ui::toPixels(MinimalnaWysokość));
    if (szerokość != width() || wysokość != height())
        resize(szerokość, wysokość);
    ZastosujUkład(ui::toTwips(szerokość));
}

void frmMain::closeEvent(QCloseEvent *event)
{
    bool anuluj = false;
    Form_Unload(anuluj);
    if (anuluj)
        event->ignore();
    else
        event->accept();
}
