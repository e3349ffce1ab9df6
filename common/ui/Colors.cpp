#include "Colors.h"

#include <QWidget>

namespace oc::ui {

QColor fromBgr(quint32 bgr)
{
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

quint32 toBgr(const QColor &color)
{
    return quint32(color.red()) | (quint32(color.green()) << 8) | (quint32(color.blue()) << 16);
}

void setBackground(QWidget *widget, quint32 bgr)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, fromBgr(bgr));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setForeground(QWidget *widget, quint32 bgr)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, fromBgr(bgr));
    palette.setColor(QPalette::Text, fromBgr(bgr));
    widget->setPalette(palette);
}

quint32 background(const QWidget *widget)
{
    return toBgr(widget->palette().color(QPalette::Window));
}

quint32 foreground(const QWidget *widget)
{
    return toBgr(widget->palette().color(QPalette::WindowText));
}

} // namespace oc::ui
