#include "Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace oc::ui {

double twipsPerPixel()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchX() : 96.0;
    return 1440.0 / (dpi > 0 ? dpi : 96.0);
}

int toPixels(double twips)
{
    return int(std::lround(twips / twipsPerPixel()));
}

int toTwips(int pixels)
{
    return int(std::lround(pixels * twipsPerPixel()));
}

void placeTwips(QWidget *widget, double left, double top, double width, double height)
{
    widget->setGeometry(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

void moveTwips(QWidget *widget, double left, double top)
{
    widget->move(toPixels(left), toPixels(top));
}

void resizeTwips(QWidget *widget, double width, double height)
{
    widget->resize(toPixels(width), toPixels(height));
}

int leftTwips(const QWidget *widget)
{
    return toTwips(widget->x());
}
int topTwips(const QWidget *widget)
{
    return toTwips(widget->y());
}
int widthTwips(const QWidget *widget)
{
    return toTwips(widget->width());
}
int heightTwips(const QWidget *widget)
{
    return toTwips(widget->height());
}

} // namespace oc::ui
