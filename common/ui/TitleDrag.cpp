#include "TitleDrag.h"

#include "Colors.h"
#include "Fonts.h"
#include "Twips.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QObject>
#include <QWidget>
#include <QWindow>

namespace oc::ui {

namespace {

std::function<void(QWindow *)> &systemMove()
{
    static std::function<void(QWindow *)> move;
    return move;
}

class DragFilter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            m_press = static_cast<QMouseEvent *>(event)->globalPosition().toPoint();
            m_held = true;
            break;
        case QEvent::MouseMove: {
            const auto *move = static_cast<QMouseEvent *>(event);
            if (!m_held || move->buttons() == Qt::NoButton)
                break;
            if ((move->globalPosition().toPoint() - m_press).manhattanLength() < QApplication::startDragDistance())
                break;
            // The window manager keeps the pointer until the button goes up.
            m_held = false;
            if (QWindow *window = static_cast<QWidget *>(watched)->window()->windowHandle()) {
                if (systemMove())
                    systemMove()(window);
                else
                    window->startSystemMove();
            }
            break;
        }
        case QEvent::MouseButtonRelease: m_held = false; break;
        default: break;
        }
        return false;
    }

private:
    QPoint m_press;
    bool m_held = false;
};

} // namespace

void makeTitleDrag(QWidget *label)
{
    label->installEventFilter(new DragFilter(label));
}

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

void setSystemMove(std::function<void(QWindow *)> move)
{
    systemMove() = std::move(move);
}

} // namespace oc::ui
