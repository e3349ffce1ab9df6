#include "frmPodglad.h"

#include <ui/Colors.h>
#include <ui/Fonts.h>
#include <ui/Keys.h>
#include <ui/TitleDrag.h>
#include <ui/Twips.h>

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QtConcurrent>

using namespace oc;

namespace {

constexpr int WierszeKółka = 3; // rows per notch of the wheel
// Ctrl+A copies the whole text of files up to this size.
constexpr qint64 NajwięcejDoSchowka = 64LL << 20;

} // namespace

frmPodglad::frmPodglad(std::unique_ptr<Przeglądanie> przeglądanie, const QString &nazwa, const BarwyPodglądu &barwy,
                       QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_p(std::move(przeglądanie)), m_barwy(barwy)
{
    const QString tytuł = nazwa + QStringLiteral(" - Podgląd");
    setWindowTitle(tytuł);
    ui::setBackground(this, m_barwy.tło);
    ui::resizeTwips(this, 9000, 6000);

    picTekst = new QWidget(this);
    picTekst->setFont(ui::monoFont(10));
    picTekst->setAttribute(Qt::WA_OpaquePaintEvent);
    picTekst->installEventFilter(this);

    lblStan = new QLabel(this);
    lblStan->setTextFormat(Qt::PlainText);
    lblStan->setFont(ui::sansFont(8.25));
    ui::setBackground(lblStan, 0x00C0C0C0);
    ui::setForeground(lblStan, 0x00000000);

    lblSzukaj = new QLabel(QStringLiteral(" Szukaj:"), this);
    lblSzukaj->setFont(ui::sansFont(8.25, true));
    ui::setBackground(lblSzukaj, 0x00C0C0C0);
    ui::setForeground(lblSzukaj, 0x00000000);
    txtSzukaj = new QLineEdit(this);
    txtSzukaj->setFont(ui::sansFont(8.25));
    txtSzukaj->setFrame(false);
    txtSzukaj->installEventFilter(this);
    lblSzukaj->hide();
    txtSzukaj->hide();

    Label1 = ui::makeTitleStrip(this, tytuł);
    connect(&m_wynik, &QFutureWatcher<std::optional<Trafienie>>::finished, this, &frmPodglad::PoSzukaniu);
    setFocusPolicy(Qt::StrongFocus);
    if (parent)
        setGeometry(parent->geometry());
}

frmPodglad::~frmPodglad()
{
    m_przerwij = true;
    m_wynik.waitForFinished();
}

void frmPodglad::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    const int góra = Label1->height();
    const int stan = ui::toPixels(255);
    picTekst->setGeometry(0, góra, width(), height() - góra - stan);
    lblStan->setGeometry(0, height() - stan, width(), stan);
    const int opis = lblSzukaj->sizeHint().width();
    lblSzukaj->setGeometry(0, height() - stan, opis, stan);
    txtSzukaj->setGeometry(opis, height() - stan, width() - opis, stan);
    Label1->move((width() - Label1->width()) / 2, 0);
    const QFontMetrics miara(picTekst->font());
    m_p->UstawRozmiar(picTekst->height() / miara.lineSpacing(), picTekst->width() / miara.horizontalAdvance(u'M'));
    Odśwież();
}

bool frmPodglad::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == picTekst && event->type() == QEvent::Paint) {
        QPainter painter(picTekst);
        Rysuj(painter);
        return true;
    }
    if (watched == txtSzukaj && event->type() == QEvent::KeyPress) {
        const int klawisz = ui::virtualKey(static_cast<QKeyEvent *>(event));
        if (klawisz == ui::vk::Return) {
            const QString tekst = txtSzukaj->text();
            ZamknijSzukanie();
            Szukaj(tekst);
            return true;
        }
        if (klawisz == ui::vk::Escape) {
            ZamknijSzukanie();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmPodglad::Rysuj(QPainter &painter)
{
    painter.fillRect(picTekst->rect(), ui::fromBgr(m_barwy.tło));
    const QFontMetrics miara(picTekst->font());
    const int znak = miara.horizontalAdvance(u'M');
    const int wysokość = miara.lineSpacing();
    int y = 0;
    for (const WierszEkranu &w : m_p->Ekran()) {
        painter.setPen(ui::fromBgr(m_barwy.tekst));
        painter.drawText(0, y + miara.ascent(), w.tekst);
        for (const auto &[od, przed] : w.wyróżnione) {
            const QRect pole(od * znak, y, (przed - od) * znak, wysokość);
            painter.fillRect(pole, ui::fromBgr(m_barwy.tłoTrafienia));
            painter.setPen(ui::fromBgr(m_barwy.tekstTrafienia));
            painter.drawText(pole.x(), y + miara.ascent(), w.tekst.mid(od, przed - od));
        }
        y += wysokość;
    }
}

// Redraws the rows and the status line, with the pending message once.
void frmPodglad::Odśwież()
{
    picTekst->update();
    m_p->Ekran();
    const QString stan = m_p->Stan();
    lblStan->setText(u' ' + (m_komunikat.isEmpty() ? stan : stan + QStringLiteral(" · ") + m_komunikat));
}

void frmPodglad::keyPressEvent(QKeyEvent *event)
{
    const int klawisz = ui::virtualKey(event);
    const int shift = ui::shiftMask(event->modifiers());
    if (Szuka()) {
        if (klawisz == ui::vk::Escape)
            m_przerwij = true;
        return;
    }
    m_komunikat.clear();
    Przeglądanie &p = *m_p;
    switch (klawisz) {
    case ui::vk::Escape:
    case ui::vk::F10: accept(); return;
    case ui::vk::F3:
        if (shift != 0)
            break;
        if (!p.trafienie()) {
            accept();
            return;
        }
        Szukaj(m_szukany);
        break;
    case ui::vk::F7:
        if (shift == 0)
            OtwórzSzukanie();
        else if (shift == 1)
            m_szukany.isEmpty() ? OtwórzSzukanie() : Szukaj(m_szukany);
        break;
    case ui::vk::F2: p.PrzełączZawijanie(); break;
    case ui::vk::F4: p.PrzełączTryb(); break;
    case ui::vk::F8: p.NastępneKodowanie(); break;
    case ui::vk::Down: p.Dół(1); break;
    case ui::vk::Up: p.Góra(1); break;
    case ui::vk::Next: p.StronaDół(); break;
    case ui::vk::Prior: p.StronaGóra(); break;
    case ui::vk::Home: p.Początek(); break;
    case ui::vk::End: p.Koniec(); break;
    case ui::vk::Left: p.Lewo(); break;
    case ui::vk::Right: p.Prawo(); break;
    case 'R':
        if (shift == 2)
            p.Odśwież();
        break;
    case 'A':
    case 'C':
        if (shift == 2)
            Kopiuj(klawisz == 'A');
        break;
    default: QDialog::keyPressEvent(event); return;
    }
    Odśwież();
}

void frmPodglad::wheelEvent(QWheelEvent *event)
{
    const int ząbki = event->angleDelta().y() / 120;
    if (ząbki > 0)
        m_p->Góra(ząbki * WierszeKółka);
    else if (ząbki < 0)
        m_p->Dół(-ząbki * WierszeKółka);
    Odśwież();
}

void frmPodglad::OtwórzSzukanie()
{
    txtSzukaj->setText(m_szukany);
    txtSzukaj->selectAll();
    lblSzukaj->show();
    txtSzukaj->show();
    txtSzukaj->setFocus();
}

void frmPodglad::ZamknijSzukanie()
{
    lblSzukaj->hide();
    txtSzukaj->hide();
    setFocus();
}

void frmPodglad::Szukaj(const QString &tekst)
{
    if (tekst.isEmpty())
        return;
    m_szukany = tekst;
    const Wzorzec wzorzec = m_p->WzorzecDla(tekst);
    if (wzorzec.pusty()) {
        m_komunikat = QStringLiteral("„%1” nie da się zapisać w kodowaniu %2").arg(tekst, m_p->kodowanie().nazwa);
        Odśwież();
        return;
    }
    m_przerwij = false;
    m_szuka = true;
    const std::shared_ptr<const platform::ReadOnlyFile> plik = m_p->strony().Plik();
    const qint64 od = m_p->PoczątekSzukania();
    std::atomic<bool> *przerwij = &m_przerwij;
    // The worker reads through pages of its own; the window keeps drawing from its.
    m_wynik.setFuture(QtConcurrent::run([plik, wzorzec, od, przerwij] {
        Strony strony(plik);
        return ::Szukaj(strony, wzorzec, od, przerwij);
    }));
    m_komunikat = QStringLiteral("szukam „%1”… (Esc przerywa)").arg(tekst);
    Odśwież();
}

void frmPodglad::PoSzukaniu()
{
    m_szuka = false;
    const std::optional<Trafienie> trafienie = m_wynik.result();
    if (trafienie) {
        m_p->PokażTrafienie(*trafienie);
        m_komunikat.clear();
    } else {
        m_komunikat
            = m_przerwij ? QStringLiteral("szukanie przerwane") : QStringLiteral("nie znaleziono „%1”").arg(m_szukany);
    }
    Odśwież();
}

void frmPodglad::Kopiuj(bool całość)
{
    if (!całość) {
        QApplication::clipboard()->setText(m_p->TekstEkranu());
        m_komunikat = QStringLiteral("skopiowano tekst z ekranu");
        return;
    }
    const std::optional<QString> tekst = m_p->CałyTekst(NajwięcejDoSchowka);
    if (!tekst) {
        m_komunikat = QStringLiteral("plik jest za duży, by skopiować go w całości");
        return;
    }
    QApplication::clipboard()->setText(*tekst);
    m_komunikat = QStringLiteral("skopiowano cały tekst");
}
