#include "LabelButton.h"

#include <QMouseEvent>

namespace oc::ui {

namespace {

// Rich text with the access letter underlined; "&&" stays a literal "&".
QString markup(const QString &caption)
{
    QString html;
    bool underlined = false;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        const QChar c = caption.at(i);
        if (c == u'&' && i + 1 < caption.size()) {
            ++i;
            const QString next = QString(caption.at(i)).toHtmlEscaped();
            if (caption.at(i) != u'&' && !underlined) {
                html += QStringLiteral("<u>") + next + QStringLiteral("</u>");
                underlined = true;
            } else {
                html += next;
            }
            continue;
        }
        html += c == u' ' ? QStringLiteral("&nbsp;") : QString(c).toHtmlEscaped();
    }
    return html;
}

} // namespace

LabelButton::LabelButton(QWidget *parent) : QLabel(parent)
{
    setTextFormat(Qt::RichText);
}

LabelButton::LabelButton(const QString &caption, QWidget *parent) : LabelButton(parent)
{
    setCaption(caption);
}

void LabelButton::setCaption(const QString &caption)
{
    m_caption = caption;
    setText(markup(caption));
}

QChar LabelButton::accessKey() const
{
    const qsizetype at = m_caption.indexOf(u'&');
    if (at < 0 || at + 1 >= m_caption.size())
        return {};
    return m_caption.at(at + 1).toUpper();
}

void LabelButton::mousePressEvent(QMouseEvent *event)
{
    emit pressed(event->button());
    QLabel::mousePressEvent(event);
}

void LabelButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

void LabelButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    emit doubleClicked();
    QLabel::mouseDoubleClickEvent(event);
}

} // namespace oc::ui
