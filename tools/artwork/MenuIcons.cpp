// The nine 16x16 menu images, in the order of MenuIcon.

#include "ArtworkDrawing.h"
#include "ArtworkFonts.h"
#include "ArtworkNames.h"
#include "Palette.h"

#include <QPainterPath>
#include <cmath>

namespace kanavo::artwork {

namespace {

constexpr int kSize = kMenuIconSize;
const QColor kLine(45, 48, 64);

void week(QPainter& p) { // a calendar page
    p.setPen(roundPen(kLine, 1));
    p.setBrush(QColor(255, 255, 255));
    p.drawRect(QRectF(1.5, 2.5, 13, 12));
    p.fillRect(QRectF(2, 3, 12, 3.5), QColor(215, 45, 45));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 100, 130));
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 4; ++col) {
            p.drawRect(QRectF(3 + col * 2.7, 7.8 + row * 2.2, 1.6, 1.4));
        }
    }
    p.setPen(roundPen(kLine, 1.3));
    p.drawLine(QPointF(5, 1), QPointF(5, 4));
    p.drawLine(QPointF(11, 1), QPointF(11, 4));
}

void print(QPainter& p) { // a printer with a sheet
    p.setPen(roundPen(kLine, 1));
    p.setBrush(QColor(255, 255, 255));
    p.drawRect(QRectF(4.5, 1.5, 7, 5));
    p.setBrush(QColor(150, 155, 170));
    p.drawRoundedRect(QRectF(1.5, 5.5, 13, 6), 1.5, 1.5);
    p.setBrush(QColor(255, 255, 255));
    p.drawRect(QRectF(4.5, 9.5, 7, 5));
    p.setPen(roundPen(QColor(120, 125, 140), 1));
    p.drawLine(QPointF(6, 11.5), QPointF(10, 11.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 200, 80));
    p.drawEllipse(QPointF(12.3, 7.6), 0.9, 0.9);
}

void settings(QPainter& p) { // a gear
    QPainterPath gear;
    for (int i = 0; i < 8; ++i) {
        QPainterPath tooth;
        tooth.addRect(QRectF(-1.6, -7.3, 3.2, 3.5));
        gear.addPath(QTransform().translate(8, 8).rotate(i * 45).map(tooth));
    }
    gear.addEllipse(QPointF(8, 8), 5, 5);
    gear = gear.simplified();
    QPainterPath hole;
    hole.addEllipse(QPointF(8, 8), 2, 2);
    p.setPen(roundPen(QColor(50, 60, 90), 1));
    p.setBrush(QColor(125, 140, 175));
    p.drawPath(gear.subtracted(hole));
}

void download(QPainter& p) { // an arrow down into a tray
    p.setPen(roundPen(kLine, 1));
    p.setBrush(QColor(200, 205, 220));
    p.drawPolygon(
        QPolygonF({QPointF(1.5, 10.5), QPointF(4.5, 10.5), QPointF(6, 12.5), QPointF(10, 12.5),
                   QPointF(11.5, 10.5), QPointF(14.5, 10.5), QPointF(14.5, 14.5), QPointF(1.5, 14.5)}));
    p.setPen(roundPen(QColor(20, 110, 40), 1));
    p.setBrush(QColor(50, 175, 70));
    p.drawPolygon(QPolygonF({QPointF(6, 1.5), QPointF(10, 1.5), QPointF(10, 6), QPointF(12.5, 6),
                             QPointF(8, 11), QPointF(3.5, 6), QPointF(6, 6)}));
}

void skins(QPainter& p) { // a painter's palette
    QPainterPath palette;
    palette.addEllipse(QRectF(1, 2, 14, 12));
    QPainterPath thumb;
    thumb.addEllipse(QRectF(8.5, 9, 3.5, 3));
    p.setPen(roundPen(QColor(120, 90, 50), 1));
    p.setBrush(QColor(235, 205, 160));
    p.drawPath(palette.subtracted(thumb));
    p.setPen(Qt::NoPen);
    const QColor dots[] = {QColor(220, 40, 40), QColor(250, 190, 20), QColor(40, 160, 60),
                           QColor(40, 90, 220)};
    const QPointF at[] = {QPointF(4.5, 6.5), QPointF(7.5, 4.5), QPointF(11, 5), QPointF(4.5, 10)};
    for (int i = 0; i < 4; ++i) {
        p.setBrush(dots[i]);
        p.drawEllipse(at[i], 1.5, 1.5);
    }
}

void alarm(QPainter& p) { // an alarm clock
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 40, 40));
    p.drawEllipse(QRectF(0.5, 0.5, 5.5, 5.5));
    p.drawEllipse(QRectF(10, 0.5, 5.5, 5.5));
    p.setPen(roundPen(QColor(150, 25, 25), 1.2));
    p.drawLine(QPointF(4, 14), QPointF(3, 15.3));
    p.drawLine(QPointF(12, 14), QPointF(13, 15.3));
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(QRectF(2, 2.5, 12, 12));
    p.setPen(roundPen(kLine, 1.2));
    p.drawLine(QPointF(8, 8.5), QPointF(8, 5));
    p.drawLine(QPointF(8, 8.5), QPointF(10.5, 10));
}

void roundSign(QPainter& p, const QColor& colour, const QString& mark) {
    p.setPen(roundPen(colour.darker(140), 1));
    p.setBrush(colour);
    p.drawEllipse(QRectF(0.5, 0.5, 15, 15));
    p.setFont(artworkFont(12, true));
    p.setPen(QColor(255, 255, 255));
    p.drawText(QRectF(0, 0.5, 16, 16), Qt::AlignCenter, mark);
}

void help(QPainter& p) {
    roundSign(p, QColor(45, 105, 215), QStringLiteral("?"));
}

void about(QPainter& p) { // an "i", drawn as a dot and a bar so it stays an "i" at 16 pixels
    const QColor colour(20, 150, 140);
    p.setPen(roundPen(colour.darker(140), 1));
    p.setBrush(colour);
    p.drawEllipse(QRectF(0.5, 0.5, 15, 15));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(QPointF(8, 4.6), 1.5, 1.5);
    p.drawRect(QRectF(6.8, 7, 2.4, 6));
}

void exitIcon(QPainter& p) { // a door and an arrow leaving through it
    p.setPen(roundPen(QColor(90, 55, 25), 1));
    p.setBrush(QColor(175, 115, 60));
    p.drawRect(QRectF(1.5, 1.5, 8, 13));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 220, 120));
    p.drawEllipse(QPointF(7.5, 8.5), 0.9, 0.9);
    p.setPen(roundPen(QColor(170, 30, 30), 1));
    p.setBrush(QColor(225, 55, 50));
    p.drawPolygon(QPolygonF({QPointF(7, 6.5), QPointF(11, 6.5), QPointF(11, 4), QPointF(15.3, 8),
                             QPointF(11, 12), QPointF(11, 9.5), QPointF(7, 9.5)}));
}

} // namespace

QImage drawMenuIcons() {
    using Drawer = void (*)(QPainter&);
    static const Drawer kIcons[MenuIconCount] = {week,  print, settings, download, skins,
                                                 alarm, help,  about,    exitIcon};
    QImage image = blankImage(kSize * MenuIconCount, kSize);
    QPainter painter(&image);
    prepare(painter);
    for (int i = 0; i < MenuIconCount; ++i) {
        painter.save();
        painter.translate(i * kSize, 0);
        painter.setClipRect(0, 0, kSize, kSize);
        kIcons[i](painter);
        painter.restore();
    }
    return image;
}

} // namespace kanavo::artwork
