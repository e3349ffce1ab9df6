#pragma once

#include <QColor>
#include <QtGlobal>

class QWidget;

namespace oc::ui {

// A colour from the system's 0x00BBGGRR value (red in the low byte).
QColor fromBgr(quint32 bgr);
quint32 toBgr(const QColor &color);

// Background and text colour of a control; a background fills the control.
void setBackground(QWidget *widget, quint32 bgr);
void setForeground(QWidget *widget, quint32 bgr);
quint32 background(const QWidget *widget);
quint32 foreground(const QWidget *widget);

} // namespace oc::ui
