#include "TitleDrag.h"

#include "Colors.h"
#include "Fonts.h"
#include "Twips.h"

#include <QLabel>
#include <QEvent>
#include <QObject>
#include <QWidget>
#include <QWindow>

namespace oc::ui {

namespace {

class DragFilter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonPress)
            if (QWindow *window = static_cast<QWidget *>(watched)->window()->windowHandle())
                window->startSystemMove();
        return false;
    }
};

} // namespace

void makeTitleDrag(QWidget *label) { label->installEventFilter(new DragFilter(label)); }

QLabel *makeTitleStrip(QWidget *window, const QString &text)
{
    auto *label = new QLabel(u' ' + text + u' ', window);
    label->setTextFormat(Qt::PlainText);
    label->setFont(sansFont(9.75, true));
    label->setAlignment(Qt::AlignCenter);
    setBackground(label, 0x00FFFFFF);
    setForeground(label, 0x00404040);
    label->adjustSize();
    resizeTwips(label, widthTwips(label), 240);
    label->move((window->width() - label->width()) / 2, 0);
    label->raise();
    makeTitleDrag(label);
    return label;
}

} // namespace oc::ui
