#include "ProgramIcon.h"

#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

namespace oc::ui {

QPixmap programIcon(int size)
{
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap icon(QSize(size, size) * ratio);
    icon.setDevicePixelRatio(ratio);
    icon.fill(Qt::transparent);
    QSvgRenderer picture(QStringLiteral(":/oc/orvane-commander.svg"));
    QPainter painter(&icon);
    picture.render(&painter, QRectF(0, 0, size, size));
    return icon;
}

} // namespace oc::ui
