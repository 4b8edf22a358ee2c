// The panel border and the three-frame button glyphs. These are opaque, like the bitmaps the
// skins supply: a bordered scroll button fills itself with its frame's top-left pixel, and the
// day buttons sit on the panel colour.

#include "ArtworkDrawing.h"
#include "ArtworkFonts.h"
#include "Palette.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <array>

namespace kanavo::artwork {

using namespace palette;

QImage blankImage(int width, int height, const QColor& fill) {
    const bool opaque = fill.alpha() == 255;
    QImage image(width, height, opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    return image;
}

void prepare(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
}

QPen roundPen(const QColor& colour, qreal width) {
    QPen p(colour, width);
    p.setJoinStyle(Qt::RoundJoin);
    p.setCapStyle(Qt::RoundCap);
    return p;
}

QImage drawBorder() {
    // Each piece is 3x3, given row by row: O outline, L light, D shadow, P panel. The light
    // runs along the top and left, the shadow along the bottom and right; the outer corner
    // pixel takes the panel colour so the corners look rounded.
    using Piece = std::array<const char*, 3>;
    static const std::array<Piece, 8> kPieces = {{
        {"OLP", "OLD", "POO"}, // bottom-left
        {"PPP", "DDD", "OOO"}, // bottom
        {"PDO", "DDO", "OOP"}, // bottom-right
        {"POO", "OLL", "OLP"}, // top-left
        {"OOO", "LLL", "PPP"}, // top
        {"OOP", "LLO", "PDO"}, // top-right
        {"OLP", "OLP", "OLP"}, // left
        {"PDO", "PDO", "PDO"}, // right
    }};
    QImage image = blankImage(24, 3, kPanel);
    for (int piece = 0; piece < 8; ++piece) {
        for (int y = 0; y < 3; ++y) {
            for (int x = 0; x < 3; ++x) {
                QColor colour = kPanel;
                switch (kPieces[piece][y][x]) {
                case 'O':
                    colour = kOutline;
                    break;
                case 'L':
                    colour = kPanelPale;
                    break;
                case 'D':
                    colour = kShadow;
                    break;
                default:
                    break;
                }
                image.setPixelColor(piece * 3 + x, y, colour);
            }
        }
    }
    return image;
}

namespace {

// The looks of the three frames: normal, pressed, hot.
struct FrameLook {
    QColor top;
    QColor bottom;
    QColor edge;
    QColor ink;
};

const std::array<FrameLook, 3> kLooks = {{
    {QColor(246, 248, 255), QColor(199, 207, 244), kOutline, kInk},
    {QColor(82, 100, 196), QColor(122, 138, 218), kAccentDark, kWhite},
    {QColor(255, 255, 255), QColor(226, 231, 252), kAccent, kAccent},
}};

void fillRoundedFrame(QPainter& painter, const QRectF& rect, qreal radius, const FrameLook& look) {
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0, look.top);
    gradient.setColorAt(1, look.bottom);
    painter.setPen(QPen(look.edge, 1));
    painter.setBrush(gradient);
    painter.drawRoundedRect(rect, radius, radius);
}

QPolygonF arrowTriangle(Arrow arrow, QPointF centre, qreal length, qreal halfWidth) {
    const qreal h = length / 2;
    switch (arrow) {
    case Arrow::Left:
        return QPolygonF(
            {centre + QPointF(-h, 0), centre + QPointF(h, -halfWidth), centre + QPointF(h, halfWidth)});
    case Arrow::Right:
        return QPolygonF(
            {centre + QPointF(h, 0), centre + QPointF(-h, -halfWidth), centre + QPointF(-h, halfWidth)});
    case Arrow::Up:
        return QPolygonF(
            {centre + QPointF(0, -h), centre + QPointF(-halfWidth, h), centre + QPointF(halfWidth, h)});
    case Arrow::Down:
        return QPolygonF(
            {centre + QPointF(0, h), centre + QPointF(-halfWidth, -h), centre + QPointF(halfWidth, -h)});
    }
    return {};
}

} // namespace

QImage drawArrowButton(Arrow arrow, int frameWidth, int frameHeight) {
    const bool vertical = arrow == Arrow::Up || arrow == Arrow::Down;
    // The list scroll buttons are filled from their top-left pixel and outlined by the
    // button itself, so their frames are flat; the fast-channel arrows draw their own face.
    static const std::array<QColor, 3> kFlat = {kPanelLight, kPanelDeep, kPanelPale};
    QImage image = blankImage(frameWidth * 3, frameHeight, kPanel);
    QPainter painter(&image);
    prepare(painter);
    for (int frame = 0; frame < 3; ++frame) {
        const qreal left = frame * frameWidth;
        const qreal shift = frame == 1 ? 1 : 0;
        const FrameLook& look = kLooks[frame];
        painter.setPen(Qt::NoPen);
        if (vertical) {
            painter.fillRect(QRectF(left, 0, frameWidth, frameHeight), kFlat[frame]);
            const QPointF centre(left + frameWidth / 2.0, frameHeight / 2.0 + shift * 0.5);
            painter.setBrush(frame == 1 ? kWhite : (frame == 2 ? kAccent : kInk));
            painter.drawPolygon(arrowTriangle(arrow, centre, 5, 5));
        } else {
            fillRoundedFrame(painter, QRectF(left + 1.5, 1.5, frameWidth - 3, frameHeight - 3), 3, look);
            const QPointF centre(left + frameWidth / 2.0 + shift, frameHeight / 2.0 + shift);
            painter.setPen(Qt::NoPen);
            painter.setBrush(look.ink);
            painter.drawPolygon(arrowTriangle(arrow, centre, 7, 6));
        }
    }
    return image;
}

QImage drawDayButton(const QString& text, int frameWidth, int frameHeight) {
    QImage image = blankImage(frameWidth * 3, frameHeight, kPanel);
    QPainter painter(&image);
    prepare(painter);
    painter.setFont(artworkFont(11, true));
    for (int frame = 0; frame < 3; ++frame) {
        // The button shows one column less than the frame (width div 3 - 1), so the face
        // leaves the frame's last column to the panel.
        const qreal left = frame * frameWidth;
        const FrameLook& look = kLooks[frame];
        fillRoundedFrame(painter, QRectF(left + 0.5, 0.5, frameWidth - 2, frameHeight - 1), 3.5, look);
        const int shift = frame == 1 ? 1 : 0;
        painter.setPen(look.ink);
        painter.drawText(QRect(int(left) + shift, shift, frameWidth - 1, frameHeight), Qt::AlignCenter, text);
    }
    return image;
}

} // namespace kanavo::artwork
