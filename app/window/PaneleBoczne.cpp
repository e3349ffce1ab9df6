#include "PaneleBoczne.h"

#include <actions/LiczenieKatalogu.h>
#include <component/Wersja.h>
#include <panels/DyskPanelu.h>
#include <panels/InfoKatalogu.h>
#include <panels/Kolory.h>
#include <panels/TekstRozmiaru.h>
#include <panels/Uklad.h>
#include <panels/WidokPanelu.h>
#include <platform/Paths.h>
#include <ui/Colors.h>
#include <ui/Fonts.h>
#include <ui/Shape.h>
#include <ui/Twips.h>

#include <QFrame>
#include <QLabel>

using namespace oc;

namespace {

constexpr int wysokośćPanelu = WysokośćPaneluBocznego;

struct Etykieta
{
    int item, left, top, width;
    const char *text;
};

// The information panel's labels: item, left, top, width, first text.
constexpr Etykieta etykietyInfo[] = {
    {25, 1800, 0, 1335, "Info"},
    {0, 1200, 240, 2745, "Orvane Commander, Wersja x.x"},
    {1, 1800, 480, 1020, "27 luty 2003"},
    {14, 360, 960, 1335, "2 222 222 222"},
    {4, 1800, 960, 1575, "bajtów na dysku"},
    {16, 3360, 960, 375, "D:"},
    {15, 360, 1200, 1335, "2 222 222 222"},
    {5, 1800, 1200, 2295, "bajtów wolnych na dysku"},
    {17, 4080, 1200, 375, "D:"},
    {6, 360, 1440, 705, "plików:  "},
    {18, 1110, 1440, 435, "2222"},
    {19, 1560, 1440, 1155, "i katalogów:  "},
    {20, 2760, 1440, 420, "2222"},
    {7, 360, 1680, 645, "używa  "},
    {21, 990, 1680, 1185, "2 222 222 222"},
    {22, 2280, 1680, 855, "bajtów w  "},
    {8, 2280, 1920, 615, "<path>"},
    {9, 240, 2400, 1440, "Etykieta dysku:  "},
    {23, 1800, 2400, 1185, "2 222 222 222"},
    {10, 240, 2640, 1440, "Numer seryjny:  "},
    {24, 1800, 2640, 1185, "2 222 222 222"},
    {11, 240, 3060, 4695, ""},
    {2, 0, 0, 135, ""},
    {3, 4920, 120, 135, ""},
    {12, 0, 4680, 135, ""},
    {13, 5040, 4680, 135, ""},
};

// The quick view's labels.
constexpr Etykieta etykietyPodglądu[] = {
    {8, 1920, 0, 1335, "Zawartość"},
    {6, 600, 480, 225, "\"x\""},
    {7, 960, 480, 1050, "jest katalogiem"},
    {0, 600, 1080, 2055, "Katalogów:"},
    {3, 2640, 1080, 90, "0"},
    {1, 600, 1320, 2055, "Plików:"},
    {4, 2640, 1320, 90, "0"},
    {2, 600, 1560, 2055, "Łączny rozmiar plików:"},
    {5, 2640, 1560, 90, "0"},
    {9, 600, 1800, 2055, "Rozmiar na dysku"},
    {10, 2640, 1800, 90, "0"},
};

const QString proszęCzekać = QStringLiteral("Proszę czekać ...");

// The text of a label that takes the width of its text.
void Napis(QLabel *etykieta, const QString &tekst)
{
    etykieta->setText(tekst);
    etykieta->adjustSize();
}

// stała: keeps its design width (a caption column), else takes its text's.
QLabel *NowaEtykieta(QWidget *rodzic, const Etykieta &e, bool stała = false)
{
    auto *etykieta = new QLabel(rodzic);
    etykieta->setTextFormat(Qt::PlainText);
    etykieta->setFont(ui::sansFont(8.25, e.item == 25));
    ui::placeTwips(etykieta, e.left, e.top, e.width, 255);
    if (stała)
        etykieta->setText(QString::fromUtf8(e.text));
    else
        Napis(etykieta, QString::fromUtf8(e.text));
    return etykieta;
}

// The serial in two groups of four hexadecimal digits where it is long
// enough, the way volume serials are usually read out.
QString NumerSeryjny(const QString &id)
{
    QString cyfry = id;
    cyfry.remove(u'-');
    if (cyfry.size() == 8)
        return cyfry.left(4).toUpper() + u'-' + cyfry.mid(4).toUpper();
    return id;
}

} // namespace

namespace {

// Both side panels take the place of a file panel and start hidden.
void Umieść(QFrame *boczny)
{
    ui::placeTwips(boczny, 120, 360, 5184, wysokośćPanelu);
    boczny->hide();
}

void Koloruj(QFrame *boczny, std::initializer_list<ui::Shape *> ramki)
{
    const Kolory &k = kolory();
    ui::setBackground(boczny, k.filebackground);
    for (QLabel *etykieta : boczny->findChildren<QLabel *>())
        ui::setForeground(etykieta, k.filetext);
    for (ui::Shape *ramka : ramki)
        ramka->setBorderColor(k.filetext);
}

} // namespace

PanelInformacji::PanelInformacji(QWidget *okno) : QFrame(okno)
{
    Umieść(this);
    for (const Etykieta &e : etykietyInfo)
        Label4[size_t(e.item)] = NowaEtykieta(this, e);
    Label4[11]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label4[11]->setWordWrap(true);
    ui::resizeTwips(Label4[11], 4695, 1695);
    for (const int ukryty : {2, 3, 12, 13})
        Label4[size_t(ukryty)]->hide();
    Shape1 = new ui::Shape(this);
    Shape3 = new ui::Shape(this);
    ui::placeTwips(Shape1, 60, 60, 5184 - 140, wysokośćPanelu - 140);
    ui::placeTwips(Shape3, 120, 120, 5184 - 260, wysokośćPanelu - 260);
    static const int górneLinii[3] = {780, 2220, 2940};
    for (int i = 0; i < 3; ++i) {
        Line1[size_t(i)] = new QFrame(this);
        Line1[size_t(i)]->setFrameShape(QFrame::HLine);
        ui::placeTwips(Line1[size_t(i)], 120, górneLinii[i], 5184 - 360, 15);
    }
}

void PanelInformacji::Ułóż(int szerokość, int wysokość)
{
    ui::resizeTwips(this, szerokość, wysokość);
    ui::resizeTwips(Shape1, szerokość - 140, wysokość - 140);
    ui::resizeTwips(Shape3, szerokość - 260, wysokość - 260);
    ui::moveTwips(Label4[25], szerokość / 2 - ui::widthTwips(Label4[25]) / 2, 0);
    for (QFrame *linia : Line1)
        ui::resizeTwips(linia, szerokość - 240 - ui::leftTwips(linia), 15);
    ui::resizeTwips(Label4[11], szerokość - 450, ui::heightTwips(Label4[11]));
}

void PanelInformacji::Koloruj()
{
    ::Koloruj(this, {Shape1, Shape3});
}

void PanelInformacji::Wyśrodkuj(std::initializer_list<int> pozycje)
{
    int razem = 0;
    for (const int i : pozycje)
        razem += ui::widthTwips(Label4[size_t(i)]);
    int lewy = ui::widthTwips(this) / 2 - razem / 2;
    for (const int i : pozycje) {
        QLabel *etykieta = Label4[size_t(i)];
        ui::moveTwips(etykieta, lewy, ui::topTwips(etykieta));
        lewy += ui::widthTwips(etykieta);
    }
}

void PanelInformacji::PokażWersję()
{
    Napis(Label4[25], QStringLiteral("Info"));
    Napis(Label4[0], QStringLiteral("Orvane Commander, Wersja ") + oc::WersjaProgramu());
}

void PanelInformacji::WyśrodkujDysk()
{
    Wyśrodkuj({9, 23});
    Wyśrodkuj({10, 24});
    Wyśrodkuj({14, 4, 16});
    Wyśrodkuj({15, 5, 17});
}

void PanelInformacji::PanelInfo(const WidokPanelu &d)
{
    const StanPanelu &s = d.Stan;
    Napis(Label4[8], d.Gora->Napis());
    const platform::Volume wolumin = OpisWoluminu(d.Dir.Ścieżka());
    Napis(Label4[23], wolumin.label.isEmpty() ? QStringLiteral("<brak>") : wolumin.label);
    Napis(Label4[18], QString::number(d.File.Liczba()));
    Napis(Label4[20], QString::number(s.LiczbaKatalogów));
    if (wolumin.id.isEmpty()) {
        Label4[24]->clear();
        Label4[24]->hide();
        Napis(Label4[10], QStringLiteral("Dysk nie posiada numeru seryjnego"));
    } else {
        Napis(Label4[10], QStringLiteral("Numer seryjny:"));
        Label4[24]->show();
        Napis(Label4[24], NumerSeryjny(wolumin.id));
    }
    Napis(Label4[15], TekstZOdstępami(wolumin.freeBytes) + u' ');
    Napis(Label4[14], TekstZOdstępami(wolumin.totalBytes) + u' ');
    Napis(Label4[16], wolumin.mountPoint);
    Napis(Label4[17], wolumin.mountPoint);

    const QString katalog = platform::withSeparator(d.Dir.Ścieżka());
    qint64 suma = 0;
    for (qint32 i = s.LiczbaKatalogów + 1; i <= s.LiczbaPozycji; ++i)
        if (const platform::EntryInfo *plik = d.Wpis(i))
            suma += plik->size;
    Napis(Label4[21], TekstZOdstępami(suma + wolumin.clusterSize * s.LiczbaKatalogów));

    QString opis;
    for (const QString &nazwa : NazwyOpisów())
        if (JestPlikiem(katalog + nazwa)) {
            opis = katalog + nazwa;
            break;
        }
    if (!opis.isEmpty())
        PokażDirInfo(opis);
    else
        Label4[11]->setText(QStringLiteral("Katalog nie zawiera pliku żadnego z podanych plików: ")
                            + NazwyOpisów().join(QStringLiteral(",  ")));

    Napis(Label4[21], Label4[21]->text() + QStringLiteral("  "));
    Wyśrodkuj({7, 21, 22});
    Napis(Label4[18], Label4[18]->text() + QStringLiteral("  "));
    Wyśrodkuj({6, 18, 19, 20});
    Wyśrodkuj({8});
}

void PanelInformacji::PokażDirInfo(const QString &path)
{
    Label4[11]->setText(TekstOpisu(path));
}

SzybkiPodgląd::SzybkiPodgląd(Gospodarz &okno, QWidget *rodzic)
    : QFrame(rodzic), m_okno(okno), m_zzm(new QFutureWatcher<QString>(this))
{
    Umieść(this);
    for (const Etykieta &e : etykietyPodglądu)
        Label3[size_t(e.item)] = NowaEtykieta(this, e, e.item <= 2 || e.item == 9);
    Shape2[1] = new ui::Shape(this);
    Shape2[0] = new ui::Shape(this);
    ui::placeTwips(Shape2[1], 60, 60, 5184 - 120, wysokośćPanelu - 120);
    ui::placeTwips(Shape2[0], 105, 105, 5184 - 210, wysokośćPanelu - 210);
    imgPrv = new QLabel(this);
    imgPrv->hide();
    connect(m_zzm, &QFutureWatcherBase::finished, this, &SzybkiPodgląd::PoZliczeniu);
}

void SzybkiPodgląd::Ułóż(int szerokość, int wysokość)
{
    ui::resizeTwips(this, szerokość, wysokość);
    ui::resizeTwips(Shape2[1], szerokość - 120, wysokość - 120);
    ui::resizeTwips(Shape2[0], szerokość - 210, wysokość - 210);
    ui::moveTwips(Label3[8], szerokość / 2 - ui::widthTwips(Label3[8]) / 2, 0);
    for (const int podpis : {0, 1, 2, 9})
        ui::moveTwips(Label3[size_t(podpis)], szerokość / 2 - 1515, ui::topTwips(Label3[size_t(podpis)]));
    const int wartości = ui::leftTwips(Label3[0]) + ui::widthTwips(Label3[0]);
    for (const int wartość : {3, 4, 5, 10})
        ui::moveTwips(Label3[size_t(wartość)], wartości, ui::topTwips(Label3[size_t(wartość)]));
    ui::moveTwips(Label3[6], ui::leftTwips(Label3[0]), ui::topTwips(Label3[6]));
    ui::moveTwips(Label3[7], ui::leftTwips(Label3[6]) + ui::widthTwips(Label3[6]), ui::topTwips(Label3[7]));
}

void SzybkiPodgląd::Koloruj()
{
    ::Koloruj(this, {Shape2[0], Shape2[1]});
}

void SzybkiPodgląd::CtrlQInfo(const WidokPanelu &d)
{
    const StanPanelu &s = d.Stan;
    const qint32 k = d.PozycjaKursora();
    PorzućLiczenie();
    const bool katalog = k > 0 && k <= s.LiczbaKatalogów && s.Rzeczywiste[size_t(k)] != QStringLiteral("..");
    if (!katalog) {
        for (const int i : {0, 1, 2, 3, 4, 5, 6, 9, 10})
            Label3[size_t(i)]->hide();
        Napis(Label3[7], s.LiczbaPozycji == 0
                             ? QStringLiteral("Dysk ") + d.Dir.Ścieżka() + QStringLiteral(" jest pusty")
                             : QStringLiteral("Podgląd w tej wersji programu nie jest dostępny"));
        ui::moveTwips(Label3[7], 200, 300);
        return;
    }
    for (QLabel *etykieta : Label3)
        etykieta->show();
    imgPrv->hide();
    for (const int i : {3, 4, 5, 10})
        Napis(Label3[size_t(i)], proszęCzekać);
    Napis(Label3[6], u'"' + s.Nazwy[size_t(k)] + u'"');
    Napis(Label3[7], QStringLiteral("jest katalogiem"));
    ui::moveTwips(Label3[7], ui::leftTwips(Label3[6]) + ui::widthTwips(Label3[6]) + 120, 480);
    m_czekającyZZM = platform::withSeparator(d.Dir.Ścieżka()) + s.Rzeczywiste[size_t(k)];
    if (!m_zzm->isRunning())
        PoliczKatalog();
}

void SzybkiPodgląd::PorzućLiczenie()
{
    ++m_pokolenieZZM;
    m_czekającyZZM.clear();
    if (m_zzm->isRunning())
        PrzerwijLiczenie(m_okno, true);
}

// The count runs on a worker, one at a time; the window keeps answering, and
// a count the cursor has left behind is stopped and thrown away. Only this
// thread lets counts run again, and only while none runs, so no stop can
// be lost on its way.
void SzybkiPodgląd::PoliczKatalog()
{
    const QString ścieżka = m_czekającyZZM;
    m_czekającyZZM.clear();
    m_liczonePokolenie = m_pokolenieZZM;
    PrzerwijLiczenie(m_okno, false);
    m_zzm->setFuture(::PoliczKatalog(m_okno, ścieżka));
}

// Every way out of the quick view gives the count up, so an answer of the
// count's own generation is one the open quick view waits for.
void SzybkiPodgląd::PoZliczeniu()
{
    if (m_liczonePokolenie == m_pokolenieZZM && !isHidden()) {
        const Liczniki l = RozbierzLiczniki(m_zzm->result());
        Napis(Label3[3], QString::number(l.Katalogi));
        Napis(Label3[4], QString::number(l.Pliki));
        Napis(Label3[5], TekstRozmiaru(l.Bajty));
        Napis(Label3[10], TekstRozmiaru(l.Zajęte));
    }
    if (!m_czekającyZZM.isEmpty())
        PoliczKatalog();
}
