#pragma once

class QWidget;

namespace oc::ui {

// Twips per pixel: 15 at 96 dpi, scaled by the screen's logical dpi.
double twipsPerPixel();
int toPixels(double twips);
int toTwips(int pixels);

// Places a control in twips relative to its parent.
void placeTwips(QWidget *widget, double left, double top, double width, double height);
void moveTwips(QWidget *widget, double left, double top);
void resizeTwips(QWidget *widget, double width, double height);

// The geometry of a control in twips.
int leftTwips(const QWidget *widget);
int topTwips(const QWidget *widget);
int widthTwips(const QWidget *widget);
int heightTwips(const QWidget *widget);

} // namespace oc::ui
