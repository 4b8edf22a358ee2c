// The programme-type icons (20x20), their switched-off forms and the two bells. Each type has
// its own picture and its own colour; the switched-off form is the same picture gray and
// faint, so a hidden type reads as "off" next to the shown ones.

#include "ArtworkDrawing.h"
#include "ArtworkFonts.h"
#include "ArtworkNames.h"

#include <QPainterPath>
#include <cmath>
#include <functional>

namespace kanavo::artwork {

namespace {

constexpr int kSize = kTypeGlyphSize;
const QColor kLine(40, 40, 48);

void news(QPainter& p) { // a folded newspaper: headline bar and text lines
    p.setPen(roundPen(QColor(60, 80, 120)));
    p.setBrush(QColor(250, 250, 246));
    p.drawRect(QRectF(2.5, 3.5, 15, 13));
    p.fillRect(QRectF(4, 5, 12, 3), QColor(47, 111, 208));
    p.fillRect(QRectF(4, 9, 5, 5), QColor(160, 175, 200));
    p.setPen(roundPen(QColor(110, 110, 120)));
    for (qreal y : {9.5, 11.5, 13.5}) {
        p.drawLine(QPointF(10.5, y), QPointF(15.5, y));
    }
}

void film(QPainter& p) { // a clapperboard, its clapper raised
    const QColor body(45, 45, 52);
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawRoundedRect(QRectF(2, 9, 16, 9.5), 1.5, 1.5);
    p.setBrush(QColor(250, 250, 250));
    for (int i = 0; i < 4; ++i) { // stripes of the lower jaw
        const qreal x = 2.5 + i * 4;
        p.drawPolygon(
            QPolygonF({QPointF(x, 11.5), QPointF(x + 2, 9), QPointF(x + 3.5, 9), QPointF(x + 1.5, 11.5)}));
    }
    p.save();
    p.translate(2.5, 8.5);
    p.rotate(-12);
    QPainterPath clapper;
    clapper.addRect(QRectF(0, -3.5, 15.5, 3.5));
    p.fillPath(clapper, body);
    p.setClipPath(clapper);
    p.setBrush(QColor(250, 250, 250));
    for (int i = 0; i < 4; ++i) {
        const qreal x = 0.5 + i * 4;
        p.drawPolygon(
            QPolygonF({QPointF(x, 0), QPointF(x + 2, -3.5), QPointF(x + 3.5, -3.5), QPointF(x + 1.5, 0)}));
    }
    p.restore();
    p.setPen(roundPen(QColor(200, 200, 210), 1.0));
    p.drawLine(QPointF(4.5, 14.5), QPointF(15.5, 14.5));
    p.drawLine(QPointF(4.5, 16.5), QPointF(11.5, 16.5));
}

void series(QPainter& p) { // a television with a heart: the soap of the evening
    p.setPen(roundPen(QColor(90, 50, 160), 1.2));
    p.drawLine(QPointF(7, 2), QPointF(10, 5));
    p.drawLine(QPointF(13, 2), QPointF(10, 5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(123, 79, 201));
    p.drawRoundedRect(QRectF(1.5, 5, 17, 12.5), 2.5, 2.5);
    p.setBrush(QColor(236, 230, 250));
    p.drawRoundedRect(QRectF(3.5, 7, 13, 8.5), 1.5, 1.5);
    QPainterPath heart;
    heart.moveTo(10, 14);
    heart.cubicTo(5, 10.5, 6.5, 7, 10, 9.5);
    heart.cubicTo(13.5, 7, 15, 10.5, 10, 14);
    p.fillPath(heart, QColor(225, 40, 80));
}

void cartoon(QPainter& p) { // a cartoon bear cub: round ears, big eyes, a muzzle
    const QColor fur(196, 120, 52);
    p.setPen(roundPen(fur.darker(170), 0.9));
    p.setBrush(fur);
    p.drawEllipse(QRectF(1.5, 2, 6.5, 6.5));
    p.drawEllipse(QRectF(12, 2, 6.5, 6.5));
    p.drawEllipse(QRectF(2.5, 4, 15, 14));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 190, 140));
    p.drawEllipse(QRectF(3.3, 3.8, 3, 3));
    p.drawEllipse(QRectF(13.7, 3.8, 3, 3));
    p.setBrush(QColor(255, 228, 190));
    p.drawEllipse(QRectF(6, 11, 8, 6));
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(QRectF(5.5, 7, 4, 4.5));
    p.drawEllipse(QRectF(10.5, 7, 4, 4.5));
    p.setBrush(kLine);
    p.drawEllipse(QRectF(7, 8.3, 2, 2.6));
    p.drawEllipse(QRectF(11, 8.3, 2, 2.6));
    p.drawEllipse(QRectF(8.6, 11.8, 2.8, 2));
    p.setPen(roundPen(kLine, 0.9));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(8, 12.5, 4, 3), 200 * 16, 140 * 16);
}

void sport(QPainter& p) { // a football: a black pentagon in the middle, patches at the rim
    const QRectF ball(1.5, 1.5, 17, 17);
    const QPointF centre = ball.center();
    auto pentagon = [&](QPointF at, qreal radius, qreal turn) {
        QPolygonF shape;
        for (int i = 0; i < 5; ++i) {
            const qreal a = (turn - 90 + i * 72) * M_PI / 180;
            shape << at + QPointF(radius * std::cos(a), radius * std::sin(a));
        }
        return shape;
    };
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(ball);
    QPainterPath clip;
    clip.addEllipse(ball);
    p.save();
    p.setClipPath(clip);
    const QPolygonF middle = pentagon(centre, 3.3, 0);
    p.setPen(roundPen(kLine, 1));
    for (int i = 0; i < 5; ++i) {
        const qreal a = (-90 + i * 72) * M_PI / 180;
        const QPointF rim = centre + QPointF(9.2 * std::cos(a), 9.2 * std::sin(a));
        p.drawLine(middle[i], rim);
        p.setBrush(kLine);
        p.drawPolygon(pentagon(rim, 2.3, 180));
    }
    p.drawPolygon(middle);
    p.restore();
    p.setPen(roundPen(kLine, 1.1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(ball);
}

void bubble(QPainter& p, const QRectF& r, const QColor& colour, bool tailLeft) {
    QPainterPath path;
    path.addRoundedRect(r, 3, 3);
    QPolygonF tail =
        tailLeft
            ? QPolygonF({QPointF(r.left() + 2.5, r.bottom() - 1), QPointF(r.left() + 1, r.bottom() + 3.5),
                         QPointF(r.left() + 6, r.bottom() - 1)})
            : QPolygonF({QPointF(r.right() - 2.5, r.bottom() - 1), QPointF(r.right() - 1, r.bottom() + 3.5),
                         QPointF(r.right() - 6, r.bottom() - 1)});
    path.addPolygon(tail);
    path.setFillRule(Qt::WindingFill);
    p.setPen(roundPen(colour.darker(140), 1));
    p.setBrush(colour);
    p.drawPath(path.simplified());
}

void talkShow(QPainter& p) { // two speech bubbles
    bubble(p, QRectF(1.5, 2.5, 11, 8), QColor(31, 167, 155), true);
    bubble(p, QRectF(7.5, 8.5, 11, 7.5), QColor(245, 150, 40), false);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255));
    for (qreal x : {10.5, 13.0, 15.5}) {
        p.drawEllipse(QPointF(x, 12.3), 0.9, 0.9);
    }
}

void investigation(QPainter& p) { // a magnifying glass
    p.setPen(roundPen(QColor(70, 50, 30), 3.2));
    p.drawLine(QPointF(12.5, 12.5), QPointF(17.5, 17.5));
    p.setPen(roundPen(QColor(60, 60, 70), 2));
    p.setBrush(QColor(190, 225, 250));
    p.drawEllipse(QRectF(2, 2, 11.5, 11.5));
    p.setPen(roundPen(QColor(255, 255, 255), 1.2));
    p.drawArc(QRectF(4.5, 4.5, 6.5, 6.5), 100 * 16, 70 * 16);
}

void education(QPainter& p) { // a graduation cap
    const QColor navy(36, 59, 122);
    p.setPen(Qt::NoPen);
    p.setBrush(navy.lighter(120));
    QPainterPath cap;
    cap.moveTo(5, 9.5);
    cap.lineTo(5, 14);
    cap.cubicTo(7, 16.5, 13, 16.5, 15, 14);
    cap.lineTo(15, 9.5);
    p.drawPath(cap);
    p.setBrush(navy);
    p.drawPolygon(QPolygonF({QPointF(10, 3), QPointF(19.5, 7.5), QPointF(10, 12), QPointF(0.5, 7.5)}));
    p.setPen(roundPen(QColor(240, 185, 30), 1.2));
    p.drawLine(QPointF(10, 7.5), QPointF(16.5, 9));
    p.drawLine(QPointF(16.5, 9), QPointF(16.5, 15));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 185, 30));
    p.drawEllipse(QPointF(16.5, 15.5), 1.3, 1.6);
}

void music(QPainter& p) { // two beamed notes
    const QColor colour(194, 54, 143);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.save();
    for (QPointF head : {QPointF(5.5, 15.5), QPointF(14, 13.5)}) {
        p.save();
        p.translate(head);
        p.rotate(-20);
        p.drawEllipse(QRectF(-3, -2.2, 6, 4.4));
        p.restore();
    }
    p.restore();
    p.setPen(roundPen(colour, 1.6));
    p.drawLine(QPointF(8, 15), QPointF(8, 4));
    p.drawLine(QPointF(16.5, 13), QPointF(16.5, 2));
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygonF({QPointF(7.2, 3), QPointF(17.3, 1), QPointF(17.3, 4.5), QPointF(7.2, 6.5)}));
}

void gameShow(QPainter& p) { // a die showing five
    p.setPen(roundPen(QColor(150, 20, 30), 1));
    p.setBrush(QColor(216, 52, 58));
    p.drawRoundedRect(QRectF(2.5, 2.5, 15, 15), 3.5, 3.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255));
    for (QPointF pip :
         {QPointF(6.5, 6.5), QPointF(13.5, 6.5), QPointF(10, 10), QPointF(6.5, 13.5), QPointF(13.5, 13.5)}) {
        p.drawEllipse(pip, 1.6, 1.6);
    }
}

void humour(QPainter& p) { // a laughing face
    p.setPen(roundPen(QColor(190, 130, 0), 1));
    p.setBrush(QColor(255, 206, 40));
    p.drawEllipse(QRectF(1.5, 1.5, 17, 17));
    p.setPen(roundPen(kLine, 1.3));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(4.5, 6, 4, 3), 0, 180 * 16);
    p.drawArc(QRectF(11.5, 6, 4, 3), 0, 180 * 16);
    QPainterPath mouth;
    mouth.moveTo(5, 11);
    mouth.lineTo(15, 11);
    mouth.cubicTo(14.5, 17, 5.5, 17, 5, 11);
    p.setPen(roundPen(kLine, 1));
    p.setBrush(QColor(170, 40, 40));
    p.drawPath(mouth);
}

void children(QPainter& p) { // a toy block with a letter
    p.setPen(roundPen(QColor(120, 80, 20), 0.8));
    p.setBrush(QColor(250, 200, 50));
    p.drawPolygon(QPolygonF({QPointF(2.5, 6), QPointF(6.5, 2), QPointF(18, 2), QPointF(14, 6)}));
    p.setBrush(QColor(60, 170, 80));
    p.drawPolygon(QPolygonF({QPointF(14, 6), QPointF(18, 2), QPointF(18, 14), QPointF(14, 18)}));
    p.setBrush(QColor(230, 60, 60));
    p.drawRect(QRectF(2.5, 6, 11.5, 12));
    QFont font = artworkFont(11, true);
    p.setFont(font);
    p.setPen(QColor(255, 255, 255));
    p.drawText(QRectF(2.5, 6.5, 11.5, 12), Qt::AlignCenter, QStringLiteral("А"));
}

void nature(QPainter& p) { // a tree
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(130, 85, 40));
    p.drawRect(QRectF(8.8, 12, 2.4, 7));
    p.setBrush(QColor(46, 150, 60));
    p.drawEllipse(QRectF(3, 5.5, 8, 8));
    p.drawEllipse(QRectF(9, 5.5, 8, 8));
    p.drawEllipse(QRectF(5.5, 1, 9, 9));
    p.setBrush(QColor(90, 190, 90));
    p.drawEllipse(QRectF(7, 3, 4, 4));
}

void culture(QPainter& p) { // a building with columns: theatre, museum
    const QColor stone(176, 138, 79);
    p.setPen(Qt::NoPen);
    p.setBrush(stone);
    p.drawPolygon(QPolygonF({QPointF(10, 1.5), QPointF(19, 6.5), QPointF(1, 6.5)}));
    p.drawRect(QRectF(1.5, 16, 17, 2.5));
    p.drawRect(QRectF(2.5, 7.5, 15, 1.5));
    for (qreal x : {3.5, 7.5, 11.5, 15.5}) {
        p.drawRect(QRectF(x - 0.5, 9.5, 2, 6));
    }
    p.setBrush(QColor(255, 245, 220));
    p.drawPolygon(QPolygonF({QPointF(10, 3.5), QPointF(14.5, 5.7), QPointF(5.5, 5.7)}));
}

void other(QPainter& p) { // three dots
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 120, 150));
    p.drawRoundedRect(QRectF(1.5, 5.5, 17, 9), 4.5, 4.5);
    p.setBrush(QColor(255, 255, 255));
    for (qreal x : {5.5, 10.0, 14.5}) {
        p.drawEllipse(QPointF(x, 10), 1.6, 1.6);
    }
}

void bellShape(QPainter& p, qreal scale, QPointF origin) {
    p.save();
    p.translate(origin);
    p.scale(scale, scale);
    QPainterPath bell;
    bell.moveTo(10, 2.5);
    bell.cubicTo(14.5, 2.5, 15, 6.5, 15, 10);
    bell.cubicTo(15, 12.5, 16, 14, 17.5, 15);
    bell.lineTo(2.5, 15);
    bell.cubicTo(4, 14, 5, 12.5, 5, 10);
    bell.cubicTo(5, 6.5, 5.5, 2.5, 10, 2.5);
    p.setPen(roundPen(QColor(156, 111, 10), 1));
    p.setBrush(QColor(240, 184, 35));
    p.drawPath(bell);
    p.setBrush(QColor(156, 111, 10));
    p.drawEllipse(QPointF(10, 16.5), 1.8, 1.8);
    p.drawEllipse(QPointF(10, 1.8), 1.2, 1.2);
    p.setPen(roundPen(QColor(255, 235, 150), 1.2));
    p.drawLine(QPointF(7.5, 6), QPointF(7, 11));
    p.restore();
}

void bell(QPainter& p) {
    bellShape(p, 1.0, QPointF(0, 0));
}

void todayBell(QPainter& p) { // the bell with a small page of a calendar
    bellShape(p, 0.82, QPointF(0, 0));
    p.setPen(roundPen(QColor(120, 30, 30), 1));
    p.setBrush(QColor(255, 255, 255));
    p.drawRect(QRectF(10.5, 10.5, 8, 8));
    p.fillRect(QRectF(11, 11, 7, 2.5), QColor(215, 40, 40));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 40, 48));
    p.drawRect(QRectF(13, 14.5, 3, 2.5));
}

} // namespace

QImage drawTypeGlyphs() {
    using Drawer = void (*)(QPainter&);
    static const Drawer kTypes[TypeGlyphTypeCount] = {news,     film,          series,    cartoon, sport,
                                                      talkShow, investigation, education, music,   gameShow,
                                                      humour,   children,      nature,    culture, other};
    QImage image = blankImage(kSize * TypeGlyphCount, kSize);
    {
        QPainter painter(&image);
        prepare(painter);
        auto drawAt = [&](int index, Drawer drawer) {
            painter.save();
            painter.translate(index * kSize, 0);
            painter.setClipRect(0, 0, kSize, kSize);
            drawer(painter);
            painter.restore();
        };
        for (int type = 0; type < TypeGlyphTypeCount; ++type) {
            drawAt(type, kTypes[type]);
        }
        drawAt(TypeGlyphBell, bell);
        drawAt(TypeGlyphTodayBell, todayBell);
    }
    // Switched off: the same picture in light gray, faint.
    image = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < kSize; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < kSize * TypeGlyphTypeCount; ++x) {
            const QRgb pixel = line[x];
            const int g = 150 + qGray(pixel) * 90 / 255;
            line[x + kSize * TypeGlyphOffset] = qRgba(g, g, g, qAlpha(pixel) * 55 / 100);
        }
    }
    return image;
}

} // namespace kanavo::artwork
