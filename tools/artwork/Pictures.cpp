// The larger pictures: the start-up picture, the tip-of-the-day bulb, the stop sign and the
// program icon.

#include "ArtworkDrawing.h"
#include "ArtworkFonts.h"
#include "Palette.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <array>
#include <cmath>

namespace kanavo::artwork {

using namespace palette;

namespace {

// A television set whose screen holds a few lines of a schedule. `unit` scales the whole
// drawing; the set fills `box`.
void drawTelevision(QPainter& p, const QRectF& box, bool withText) {
    const qreal u = box.width() / 100.0;
    p.save();
    p.translate(box.topLeft());
    // Antenna.
    p.setPen(QPen(kInk, 3 * u, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(50 * u, 18 * u), QPointF(32 * u, 2 * u));
    p.drawLine(QPointF(50 * u, 18 * u), QPointF(68 * u, 2 * u));
    // Body and screen.
    p.setPen(Qt::NoPen);
    QLinearGradient body(0, 18 * u, 0, 90 * u);
    body.setColorAt(0, kAccent);
    body.setColorAt(1, kAccentDark);
    p.setBrush(body);
    p.drawRoundedRect(QRectF(0, 18 * u, 100 * u, 70 * u), 10 * u, 10 * u);
    p.setBrush(QColor(250, 251, 255));
    p.drawRoundedRect(QRectF(7 * u, 25 * u, 86 * u, 56 * u), 5 * u, 5 * u);
    // Feet.
    p.setBrush(kInk);
    p.drawRoundedRect(QRectF(18 * u, 88 * u, 14 * u, 6 * u), 2 * u, 2 * u);
    p.drawRoundedRect(QRectF(68 * u, 88 * u, 14 * u, 6 * u), 2 * u, 2 * u);
    // The schedule on the screen: a time in colour, then a gray title line.
    static const std::array<QColor, 4> kRows = {QColor(225, 60, 60), QColor(240, 160, 30),
                                                QColor(50, 160, 80), QColor(60, 110, 220)};
    static const std::array<const char*, 4> kTimes = {"07:00", "09:30", "12:15", "19:00"};
    static const std::array<qreal, 4> kLengths = {40, 30, 36, 24};
    for (int row = 0; row < 4; ++row) {
        const qreal y = 31 * u + row * 12.5 * u;
        if (withText) {
            p.setPen(kRows[row]);
            p.setFont(artworkFont(int(std::lround(8 * u)), true));
            p.drawText(QRectF(12 * u, y - 1 * u, 28 * u, 10 * u), Qt::AlignLeft | Qt::AlignVCenter,
                       QString::fromLatin1(kTimes[row]));
            p.setPen(Qt::NoPen);
        } else {
            p.setBrush(kRows[row]);
            p.drawRoundedRect(QRectF(13 * u, y, 20 * u, 8 * u), 2 * u, 2 * u);
        }
        p.setBrush(QColor(185, 192, 215));
        p.drawRoundedRect(QRectF(43 * u, y + 1.5 * u, kLengths[row] * u, 5 * u), 2.5 * u, 2.5 * u);
    }
    p.restore();
}

} // namespace

QImage drawSplash() {
    QImage image = blankImage(400, 222, kWhite);
    QPainter p(&image);
    prepare(p);
    // Calm and light at the top right, where the window writes the version.
    QLinearGradient background(0, 0, 0, 222);
    background.setColorAt(0, kWhite);
    background.setColorAt(0.55, kPanelPale);
    background.setColorAt(1, kPanelLight);
    p.fillRect(image.rect(), background);
    p.fillRect(QRectF(0, 214, 400, 8), kAccent);

    drawTelevision(p, QRectF(26, 46, 140, 140), true);

    p.setPen(kInk);
    p.setFont(artworkFont(46, true));
    p.drawText(QRectF(182, 70, 210, 64), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Канаво"));
    p.setPen(kAccent);
    p.setFont(artworkFont(13, false));
    p.drawText(QRectF(185, 132, 210, 22), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("телепрограмма на неделю"));

    // The week as a row of day buttons, today's pressed.
    static const std::array<const char*, 7> kDays = {"Пн", "Вт", "Ср", "Чт", "Пт", "Сб", "Вс"};
    p.setFont(artworkFont(10, true));
    for (int day = 0; day < 7; ++day) {
        const QRectF pill(185.5 + day * 29, 168.5, 26, 17);
        const bool today = day == 3;
        p.setPen(QPen(today ? kAccentDark : kOutline, 1));
        p.setBrush(today ? kAccent : kWhite);
        p.drawRoundedRect(pill, 4, 4);
        p.setPen(today ? kWhite : kInk);
        p.drawText(pill, Qt::AlignCenter, QString::fromUtf8(kDays[day]));
    }
    return image;
}

QImage drawTip() {
    QImage image = blankImage(48, 48);
    QPainter p(&image);
    prepare(p);
    // Rays.
    p.setPen(QPen(QColor(245, 180, 20), 2.4, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 7; ++i) {
        const qreal a = (-180 + i * 30) * M_PI / 180;
        p.drawLine(QPointF(24 + 17 * std::cos(a), 19 + 17 * std::sin(a)),
                   QPointF(24 + 22 * std::cos(a), 19 + 22 * std::sin(a)));
    }
    // Glass.
    QPainterPath glass;
    glass.moveTo(18, 33);
    glass.cubicTo(18, 27, 12, 25, 12, 18);
    glass.cubicTo(12, 11, 17.5, 6.5, 24, 6.5);
    glass.cubicTo(30.5, 6.5, 36, 11, 36, 18);
    glass.cubicTo(36, 25, 30, 27, 30, 33);
    glass.closeSubpath();
    QRadialGradient light(QPointF(21, 15), 16);
    light.setColorAt(0, QColor(255, 252, 210));
    light.setColorAt(1, QColor(255, 214, 50));
    p.setPen(QPen(QColor(190, 140, 0), 1.5));
    p.setBrush(light);
    p.drawPath(glass);
    p.setPen(QPen(QColor(200, 150, 20), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(
        QPolygonF({QPointF(21, 32), QPointF(21, 23), QPointF(24, 20), QPointF(27, 23), QPointF(27, 32)}));
    // Screw base.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(130, 135, 150));
    p.drawRoundedRect(QRectF(17.5, 33, 13, 9), 2, 2);
    p.setPen(QPen(QColor(200, 204, 215), 1.2));
    p.drawLine(QPointF(18.5, 36), QPointF(29.5, 36));
    p.drawLine(QPointF(18.5, 39), QPointF(29.5, 39));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(80, 84, 100));
    p.drawRoundedRect(QRectF(21, 42, 6, 3), 1.5, 1.5);
    return image;
}

QImage drawStop() {
    QImage image = blankImage(32, 32);
    QPainter p(&image);
    prepare(p);
    QPolygonF octagon;
    for (int i = 0; i < 8; ++i) {
        const qreal a = (22.5 + i * 45) * M_PI / 180;
        octagon << QPointF(16 + 15.2 * std::cos(a), 16 + 15.2 * std::sin(a));
    }
    p.setPen(QPen(QColor(140, 10, 10), 1));
    p.setBrush(QColor(215, 30, 30));
    p.drawPolygon(octagon);
    p.setPen(QPen(kWhite, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(QTransform().translate(16, 16).scale(0.84, 0.84).translate(-16, -16).map(octagon));
    // An exclamation mark.
    p.setPen(Qt::NoPen);
    p.setBrush(kWhite);
    p.drawPolygon(QPolygonF({QPointF(13.6, 7), QPointF(18.4, 7), QPointF(17.2, 19.5), QPointF(14.8, 19.5)}));
    p.drawEllipse(QPointF(16, 23.5), 2.3, 2.3);
    return image;
}

QImage drawProgramIcon(int size) {
    QImage image = blankImage(size, size);
    QPainter p(&image);
    prepare(p);
    if (size < 32) {
        // Too small for the tile: the television alone, as large as it fits.
        drawTelevision(p, QRectF(0, 0.5, size, size), false);
        return image;
    }
    const qreal s = size / 256.0;
    // A rounded pale tile with the television on it.
    QLinearGradient tile(0, 0, 0, size);
    tile.setColorAt(0, QColor(236, 240, 255));
    tile.setColorAt(1, kPanelLight);
    p.setPen(QPen(kOutline, std::max(1.0, 4 * s)));
    p.setBrush(tile);
    const qreal inset = std::max(0.5, 2 * s);
    p.drawRoundedRect(QRectF(inset, inset, size - 2 * inset, size - 2 * inset), 44 * s, 44 * s);
    drawTelevision(p, QRectF(24 * s, 26 * s, 208 * s, 208 * s), false);
    return image;
}

} // namespace kanavo::artwork
