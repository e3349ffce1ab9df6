#include "Shape.h"

#include "Colors.h"
#include "Twips.h"

#include <QPainter>

namespace oc::ui {

Shape::Shape(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void Shape::setBorderColor(quint32 bgr)
{
    m_border = bgr;
    update();
}

void Shape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(fromBgr(m_border));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void fitFrames(Shape *outer, Shape *inner)
{
    const QWidget *window = outer->parentWidget();
    const int width = widthTwips(window);
    const int height = heightTwips(window);
    placeTwips(outer, 30, 30, width - 60, height - 60);
    placeTwips(inner, 60, 60, width - 120, height - 120);
}

} // namespace oc::ui
