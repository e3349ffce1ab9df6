#include "frmCopy.h"

#include "Nagranie.h"
#include "WygladKopii.h"
#include "frmBladZrodla.h"
#include "frmNadpisz.h"

#include <component/ComponentError.h>
#include <component/createObject.h>
#include <ui/Colors.h>
#include <ui/FailureReport.h>
#include <ui/Fonts.h>
#include <ui/Keys.h>
#include <ui/TitleDrag.h>
#include <ui/Twips.h>

#include <QKeyEvent>
#include <QMessageBox>
#include <initializer_list>
#include <type_traits>
#include <utility>

namespace occopy {

namespace ui = oc::ui;
using namespace wygląd;

namespace {

// Milliseconds between two showings of the progress.
constexpr qint64 OdstępPostępu = 100;

const QString Włączony = QStringLiteral("[ x ]");
const QString Wyłączony = QStringLiteral("[   ]");
const QString Pytający = QStringLiteral("[ ? ]");

template <class Etykieta = QLabel>
Etykieta *etykieta(QWidget *okno, const char *nazwa, const QString &tekst, QRect twipsy, quint32 tekstKolor = Biały)
{
    auto *e = new Etykieta(okno);
    e->setObjectName(QString::fromLatin1(nazwa));
    if constexpr (std::is_same_v<Etykieta, QLabel>) {
        e->setTextFormat(Qt::PlainText); // paths may look like markup
        e->setText(tekst);
    } else {
        e->setCaption(tekst);
    }
    e->setFont(ui::sansFont(9.75, true));
    ui::placeTwips(e, twipsy.x(), twipsy.y(), twipsy.width(), twipsy.height());
    ui::setForeground(e, tekstKolor);
    return e;
}

} // namespace

frmCopy::frmCopy(Kopiarka &kopiarka, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), kopiarka(kopiarka)
{
    setObjectName(QStringLiteral("frmCopy"));
    setWindowTitle(m_napisy.tytuł);
    ui::setBackground(this, TłoOkna);
    ui::resizeTwips(this, 4680, 1740);
    for (ui::Shape *&ramka : Shape1)
        ramka = new ui::Shape(this);

    Label3 = etykieta(this, "Label3", QStringLiteral("Kopiuj pliki/katalogi do"), {240, 330, 4200, 255});
    KopiujDo = etykieta(this, "KopiujDo", QString(), {240, 600, 4200, 285}, Czarny);
    Label5 = etykieta(this, "Label5", Włączony, {240, 990, 480, 255});
    Label6 = etykieta(this, "Label6", QStringLiteral("Nadpisuj pliki"), {720, 990, 1500, 255});
    lblBut[0] = etykieta<ui::LabelButton>(this, "lblBut0", QStringLiteral("Kopiuj"), {600, 1320, 1455, 300}, Czarny);
    lblBut[1] = etykieta<ui::LabelButton>(this, "lblBut1", QStringLiteral("Anuluj"), {2625, 1320, 1455, 300}, Czarny);
    for (ui::LabelButton *przycisk : lblBut) {
        przycisk->setFont(ui::sansFont(12));
        przycisk->setAlignment(Qt::AlignCenter);
    }
    connect(lblBut[0], &ui::LabelButton::clicked, this, &frmCopy::Kopiuj);
    connect(lblBut[1], &ui::LabelButton::clicked, this, &frmCopy::Anuluj);

    Status = etykieta(this, "Status", QStringLiteral("Trwa skanowanie katalogu"), {240, 420, 4200, 255});
    Label2 = etykieta(this, "Label2", QString(), {240, 780, 4200, 255});
    Pasek = new QProgressBar(this);
    Pasek->setObjectName(QStringLiteral("Pasek"));
    Pasek->setRange(0, 1000);
    Pasek->setTextVisible(false);
    ui::placeTwips(Pasek, 240, 1140, 4200, 210);

    Label1 = etykieta(this, "Label1", QStringLiteral(" Kopiuj "), {0, 0, 0, 240}, 0x00404040);
    Label1->setAlignment(Qt::AlignCenter);
    ui::setBackground(Label1, Biały);
    Label1->adjustSize();
    ui::resizeTwips(Label1, ui::widthTwips(Label1), 240);
    ui::makeTitleDrag(Label1);

    cmdB = etykieta<ui::LabelButton>(this, "cmdB", QStringLiteral("×"), {4350, 90, 240, 210}, Czarny);
    cmdB->setAlignment(Qt::AlignCenter);
    ui::setBackground(cmdB, Biały);
    connect(cmdB, &ui::LabelButton::clicked, this, &frmCopy::reject);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1);
    connect(Timer1, &QTimer::timeout, this, &frmCopy::Timer1_Timer);

    PokażPytanie(true);
    Buttony();
}

frmCopy::~frmCopy()
{
    ZatrzymajPracę();
}

void frmCopy::ZatrzymajPracę()
{
    if (m_wątek) {
        kopiarka.Przerwij();
        m_wątek->wait();
    }
}

void frmCopy::Timer1_Timer()
{
    PokażPytanie(true);
    Pole = 1;
    Buttony();
    Timer1->stop();
}

void frmCopy::PokażPytanie(bool pokaż)
{
    for (QWidget *postęp : std::initializer_list<QWidget *>{Label2, Status, Pasek})
        postęp->setVisible(!pokaż);
    for (QWidget *pytanie : std::initializer_list<QWidget *>{Label3, Label5, Label6, KopiujDo, lblBut[0], lblBut[1]})
        pytanie->setVisible(pokaż);
}

void frmCopy::Buttony()
{
    ui::setBackground(KopiujDo, TłoPola);
    ui::setBackground(Label5, TłoPrzełącznika);
    ui::setBackground(Label6, TłoPrzełącznika);
    ui::setBackground(lblBut[0], TłoPola);
    ui::setBackground(lblBut[1], TłoPola);
    switch (Pole) {
    case 1: ui::setBackground(KopiujDo, TłoFokusu); break;
    case 2:
        ui::setBackground(Label5, TłoFokusu);
        ui::setBackground(Label6, TłoFokusu);
        break;
    case 3: ui::setBackground(lblBut[0], TłoFokusu); break;
    case 4: ui::setBackground(lblBut[1], TłoFokusu); break;
    default: break;
    }
}

void frmCopy::keyPressEvent(QKeyEvent *event)
{
    // While copying only a request to stop is heard: no key starts a second copy.
    if (m_wątek) {
        const int kod = ui::virtualKey(event);
        if (kod == ui::vk::Escape || kod == ui::vk::F10)
            ZapytajOPrzerwanie();
        return;
    }
    Form_KeyDown(ui::virtualKey(event));
    // A key that started the copy or closed the window has no character left to give.
    if (!m_wątek && isVisible())
        Form_KeyPress(ui::keyChar(event));
}

void frmCopy::Form_KeyDown(int kod)
{
    switch (kod) {
    case ui::vk::Return:
    case ui::vk::Space:
        // Enter in the destination confirms it; Space there is typed.
        if (Pole == 3 || (Pole == 1 && kod == ui::vk::Return))
            Kopiuj();
        else if (Pole == 4)
            Anuluj();
        break;
    case ui::vk::Escape:
    case ui::vk::F10: Anuluj(); break;
    case ui::vk::Left:
    case ui::vk::Up:
        Pole = Pole == 1 ? 4 : Pole - 1;
        Buttony();
        break;
    case ui::vk::Right:
    case ui::vk::Down:
        Pole = Pole == 4 ? 1 : Pole + 1;
        Buttony();
        break;
    default: break;
    }
}

void frmCopy::Form_KeyPress(int znak)
{
    if (Pole == 2 && (znak == ' ' || znak == 13)) {
        const QString stan = Label5->text();
        Label5->setText(stan == Włączony ? Wyłączony : stan == Wyłączony ? Pytający : Włączony);
    } else if (Pole == 1) {
        QString cel = KopiujDo->text();
        if (znak == 8)
            cel.chop(1);
        // A control character (Enter, Tab) would sit unseen inside the path.
        else if (znak > 0 && QChar(char16_t(znak)).isPrint())
            cel += QChar(char16_t(znak));
        KopiujDo->setText(cel);
    }
}

void frmCopy::ZacznijOdRazu()
{
    QTimer::singleShot(0, this, &frmCopy::Kopiuj);
}

void frmCopy::Kopiuj()
{
    if (m_wątek)
        return;
    const QString cel = Cel(KopiujDo->text());
    // Refused here with its reason: the engine would refuse it too, but only as a failed entry.
    const QString wSobie = cel.isEmpty() ? QString() : WSobie(cel);
    if (cel.isEmpty() || !wSobie.isEmpty()) {
        QMessageBox okno(QMessageBox::Warning, m_napisy.tytuł,
                         cel.isEmpty() ? QStringLiteral("Nie podano katalogu docelowego.")
                                       : m_napisy.wSobie.arg(wSobie),
                         QMessageBox::Ok, this);
        okno.exec();
        Pole = 1;
        Buttony();
        return;
    }
    KopiujDo->setText(cel);
    kopiarka.KatalogDocelowy = cel;
    kopiarka.Nadpisuj = Label5->text() != Wyłączony;
    if (Label5->text() == Pytający)
        UstawPytania();
    Label2->clear();
    Status->setText(QStringLiteral("Trwa skanowanie dysku"));
    PokażPytanie(false);

    kopiarka.NaPostęp = [this](const Postęp &postęp) {
        std::lock_guard blokada(m_postępMutex);
        m_postęp = postęp;
        if (m_postępCzeka || (m_pokazany.isValid() && m_pokazany.elapsed() < OdstępPostępu))
            return;
        m_postępCzeka = true;
        m_pokazany.start();
        QMetaObject::invokeMethod(this, &frmCopy::PokażPostęp, Qt::QueuedConnection);
    };
    m_wątek = QThread::create([this] { Pracuj(); });
    m_wątek->setParent(this);
    connect(m_wątek, &QThread::finished, this, &frmCopy::Koniec);
    m_wątek->start();
}

void frmCopy::Pracuj()
{
    const Nagranie nagranie(kopiarka);
    kopiarka.NaEtap = [this](Etap etap) {
        switch (etap) {
        case Etap::Skanowanie: break; // shown as the work was started
        case Etap::Katalogi: Faza(QStringLiteral("Trwa struktury tworzenie katalogów")); break;
        case Etap::Kopiowanie: Faza(QStringLiteral("Trwa kopiowanie plików")); break;
        }
    };
    kopiarka.Wykonaj();
}

void frmCopy::Faza(const QString &tekst)
{
    QMetaObject::invokeMethod(
        this, [this, tekst] { Status->setText(tekst); }, Qt::QueuedConnection);
}

void frmCopy::UstawPytania()
{
    m_pytania.Przerwij = [this] { kopiarka.Przerwij(); };
    m_pytania.PytajONadpisanie = [this](const Zastany &zastany) {
        return NaWątkuOkna([this, &zastany] { return frmNadpisz::Zapytaj(this, zastany); });
    };
    m_pytania.PytajOBłąd = [this](const oc::platform::FileError &błąd) {
        return NaWątkuOkna([this, &błąd] { return frmBladZrodla::Zapytaj(this, błąd); });
    };
    kopiarka.CzyNadpisać = [this](const Zastany &zastany) { return m_pytania.Nadpisać(zastany); };
    kopiarka.PoBłędzieŹródła = [this](const oc::platform::FileError &błąd) { m_pytania.BłądŹródła(błąd); };
}

Odpowiedź frmCopy::NaWątkuOkna(const std::function<Odpowiedź()> &pytanie)
{
    Odpowiedź odpowiedź = Odpowiedź::Anuluj;
    QMetaObject::invokeMethod(
        this, [&] { odpowiedź = pytanie(); }, Qt::BlockingQueuedConnection);
    return odpowiedź;
}

void frmCopy::Anuluj()
{
    QDialog::reject();
}

void frmCopy::reject()
{
    if (m_wątek)
        ZapytajOPrzerwanie();
    else
        Anuluj();
}

void frmCopy::ZapytajOPrzerwanie()
{
    if (m_pyta || m_wątek->isFinished())
        return;
    m_pyta = true;
    // Held while the user decides, so that "yes" stops where the question came.
    kopiarka.Wstrzymaj();
    const QString &pytanie = m_napisy.pytanieOPrzerwanie;
    int odpowiedź = 1;
    try {
        const oc::ComponentPtr komunikaty = oc::createObject(QStringLiteral("notebox.notebox2"));
        odpowiedź = komunikaty
                        ->call(u"notebox2", qint32(ui::leftTwips(this) + 240), qint32(ui::topTwips(this) + 240),
                               m_napisy.tytuł, quint8(32), quint8(4), quint8(0), pytanie)
                        .toInt();
    } catch (const oc::ComponentError &) {
        odpowiedź = QMessageBox::question(this, m_napisy.tytuł, pytanie) == QMessageBox::Yes ? 0 : 1;
    }
    m_pyta = false;
    if (odpowiedź == 0)
        kopiarka.Przerwij();
    else
        kopiarka.Wznów();
    if (m_koniecCzeka)
        Koniec();
}

void frmCopy::PokażPostęp()
{
    Postęp postęp;
    {
        std::lock_guard blokada(m_postępMutex);
        postęp = m_postęp;
        m_postępCzeka = false;
    }
    Label2->setText(m_napisy.postęp.arg(postęp.Skopiowane).arg(postęp.WszystkiePliki));
    Pasek->setValue(postęp.WszystkieBajty > 0 ? int(postęp.Bajty * 1000 / postęp.WszystkieBajty) : 0);
}

void frmCopy::Koniec()
{
    if (m_pyta) {
        m_koniecCzeka = true;
        return;
    }
    m_wątek->wait();
    PokażPostęp();
    ZgłośBłędy();
    accept();
}

void frmCopy::ZgłośBłędy()
{
    const std::vector<oc::platform::FileError> błędy = BłędyPracy();
    ui::showFailures(this, m_napisy.tytuł, m_napisy.niewykonane.arg(błędy.size()) + u'\n', błędy);
}

void frmCopy::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    Label1->move((width() - Label1->width()) / 2, 0);
    ui::fitFrames(Shape1[0], Shape1[1]);
}

} // namespace occopy
