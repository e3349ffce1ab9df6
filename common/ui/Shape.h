#pragma once

#include <QWidget>
#include <QtGlobal>

namespace oc::ui {

// A rectangle outline one pixel wide, transparent inside and to the mouse,
// as the frames drawn inside the system's borderless windows.
class Shape : public QWidget
{
public:
    explicit Shape(QWidget *parent = nullptr);

    void setBorderColor(quint32 bgr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    quint32 m_border = 0x00FFFFFF;
};

// Fits the two frames of a window: the outer inset by 30 twips from each
// edge, the inner by 60.
void fitFrames(Shape *outer, Shape *inner);

} // namespace oc::ui
