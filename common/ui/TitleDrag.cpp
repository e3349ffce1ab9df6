#include "TitleDrag.h"

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

} // namespace oc::ui
