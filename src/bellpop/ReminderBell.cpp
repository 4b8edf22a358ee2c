#include "ReminderBell.h"

#include <QPainter>
#include <QPainterPath>

namespace bellpop {

QPixmap bellPixmap(int side, qreal devicePixelRatio) {
    QPixmap pixmap(QSize(side, side) * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);

    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(side / 32.0, side / 32.0);

    // A round badge in the panel's blue, the bell in gold on it.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(88, 108, 196));
    painter.drawEllipse(QRectF(0.5, 0.5, 31, 31));

    QPainterPath bell;
    bell.moveTo(16, 6.5);
    bell.cubicTo(21.5, 6.5, 23, 11, 23, 15);
    bell.lineTo(23, 19);
    bell.lineTo(25.5, 22.5);
    bell.lineTo(6.5, 22.5);
    bell.lineTo(9, 19);
    bell.lineTo(9, 15);
    bell.cubicTo(9, 11, 10.5, 6.5, 16, 6.5);
    bell.closeSubpath();
    painter.setBrush(QColor(255, 206, 64));
    painter.setPen(QPen(QColor(150, 100, 0), 1.0));
    painter.drawPath(bell);
    painter.drawEllipse(QPointF(16, 24.5), 2.3, 2.3);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 206, 64));
    painter.drawEllipse(QPointF(16, 5.6), 1.4, 1.4);
    return pixmap;
}

} // namespace bellpop
