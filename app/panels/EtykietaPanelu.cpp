#include "EtykietaPanelu.h"

#include "Skracanie.h"
#include "WidokPelny.h"

#include <QMouseEvent>
#include <QPainter>

QString TekstDoWyświetlenia(const QString &napis)
{
    QString tekst = napis;
    for (qsizetype i = 0; i < tekst.size(); ++i) {
        const QChar c = tekst.at(i);
        if (c.isHighSurrogate() && i + 1 < tekst.size() && tekst.at(i + 1).isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            tekst[i] = QChar(QChar::ReplacementCharacter);
        else if (c.unicode() < 32 || c.unicode() == 127)
            tekst[i] = u'?';
    }
    return tekst;
}

EtykietaPanelu::EtykietaPanelu(QWidget *parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void EtykietaPanelu::UstawSkracanie(Skracanie sposób)
{
    m_skracanie = sposób;
    Odśwież();
}

void EtykietaPanelu::UstawNapis(const QString &napis)
{
    if (napis == m_napis)
        return;
    m_napis = napis;
    Odśwież();
}

void EtykietaPanelu::UstawKolumny(const std::array<QString, 3> &teksty)
{
    if (teksty == m_kolumny)
        return;
    m_kolumny = teksty;
    update();
}

void EtykietaPanelu::UstawSzerokościKolumn(const std::array<int, 3> &szerokości)
{
    if (szerokości == m_szerokości)
        return;
    m_szerokości = szerokości;
    Odśwież();
    update();
}

int EtykietaPanelu::SzerokośćNapisu() const
{
    int szerokość = contentsRect().width();
    for (const int w : m_szerokości)
        szerokość -= w ? w + OdstępKolumn : 0;
    return szerokość;
}

void EtykietaPanelu::Odśwież()
{
    const QString pełny = TekstDoWyświetlenia(m_napis);
    QString widoczny = pełny;
    const int szerokość = SzerokośćNapisu();
    switch (m_skracanie) {
    case Skracanie::Nazwa: widoczny = SkróćNazwę(pełny, fontMetrics(), szerokość); break;
    case Skracanie::Środek: widoczny = fontMetrics().elidedText(pełny, Qt::ElideMiddle, szerokość); break;
    case Skracanie::Ścieżka: widoczny = SkróćŚcieżkę(pełny, fontMetrics(), szerokość); break;
    case Skracanie::Brak: break;
    }
    if (widoczny != text())
        setText(widoczny);
    const QString podpowiedź = widoczny != pełny ? pełny : QString();
    if (podpowiedź != toolTip())
        setToolTip(podpowiedź);
}

void EtykietaPanelu::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    Odśwież();
}

void EtykietaPanelu::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (m_szerokości == std::array<int, 3>{})
        return;
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const QRect obszar = contentsRect();
    int prawa = obszar.right() + 1;
    for (int i = 2; i >= 0; --i) {
        const int w = m_szerokości[size_t(i)];
        if (!w)
            continue;
        prawa -= w;
        // Sizes line up on their last digit.
        const Qt::Alignment wyrównanie = (i == 0 ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
        painter.drawText(QRect(prawa, obszar.top(), w, obszar.height()), wyrównanie,
                         fontMetrics().elidedText(m_kolumny[size_t(i)], Qt::ElideRight, w));
        prawa -= OdstępKolumn;
    }
}

void EtykietaPanelu::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_wciśnięty = true;
    emit pressed(event->button());
}

void EtykietaPanelu::mouseReleaseEvent(QMouseEvent *event)
{
    // The release that ends a double click is no click of its own.
    if (event->button() == Qt::LeftButton && m_wciśnięty && rect().contains(event->position().toPoint()))
        emit clicked();
    m_wciśnięty = false;
}

void EtykietaPanelu::mouseDoubleClickEvent(QMouseEvent *event)
{
    m_wciśnięty = false;
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
}
