#include "EtykietaPanelu.h"

#include <QMouseEvent>

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

void EtykietaPanelu::UstawNapis(const QString &napis)
{
    if (napis == m_napis)
        return;
    m_napis = napis;
    setText(TekstDoWyświetlenia(napis));
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
