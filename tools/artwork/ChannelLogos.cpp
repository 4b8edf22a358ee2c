// The 101 channel logos: logo k carries its number k, logo 0 is a neutral "no logo" tile.
// Neighbouring numbers differ in hue (golden-ratio steps) and in shape, so the logos stay
// apart when the skins shrink them to 24 or 16 pixels.

#include "ArtworkDrawing.h"
#include "ArtworkFonts.h"
#include "ArtworkNames.h"
#include "Palette.h"

#include <QPainterPath>
#include <cmath>

namespace kanavo::artwork {

namespace {

constexpr int kSize = kChannelLogoSize;

// Relative luminance on a 0..255 scale, to choose a text colour that still stands out once
// the gray strip drops the hue.
int luminance(const QColor& c) {
    return (c.red() * 299 + c.green() * 587 + c.blue() * 114) / 1000;
}

QColor textOn(const QColor& background) {
    return luminance(background) > 150 ? QColor(24, 24, 32) : QColor(255, 255, 255);
}

void drawNumber(QPainter& painter, const QRectF& box, int number, const QColor& colour) {
    const QString text = QString::number(number);
    const int pixelSize = text.size() == 1 ? 23 : (text.size() == 2 ? 19 : 14);
    QFont font = artworkFont(pixelSize, true);
    if (text.size() >= 2) {
        font.setLetterSpacing(QFont::AbsoluteSpacing, -1);
    }
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(box, Qt::AlignCenter, text);
}

void drawNoLogo(QPainter& painter, qreal left) {
    const QRectF tile(left + 1.5, 1.5, kSize - 3, kSize - 3);
    painter.setPen(QPen(QColor(150, 150, 160), 1, Qt::DashLine));
    painter.setBrush(QColor(232, 232, 236));
    painter.drawRoundedRect(tile, 5, 5);
    // A small television set, the same for every channel without a logo.
    painter.setPen(QPen(QColor(120, 120, 132), 1.5));
    painter.setBrush(QColor(250, 250, 252));
    painter.drawRoundedRect(QRectF(left + 7.5, 11.5, 17, 12), 2, 2);
    painter.drawLine(QPointF(left + 12.5, 6.5), QPointF(left + 16, 11));
    painter.drawLine(QPointF(left + 19.5, 6.5), QPointF(left + 16, 11));
    painter.drawLine(QPointF(left + 11, 26.5), QPointF(left + 21, 26.5));
}

void drawLogo(QPainter& painter, qreal left, int number) {
    const int i = number - 1;
    const qreal hue = std::fmod(i * 0.6180339887, 1.0);
    const int shade = (i / 5) % 3;
    const qreal saturation = shade == 1 ? 0.55 : 0.80;
    const qreal value = shade == 2 ? 0.62 : 0.88;
    QColor main = QColor::fromHsvF(hue, saturation, value);
    // Mid-bright backgrounds give weak contrast with either text colour, and weaker still in
    // the gray strip: push them down into the range that carries white text.
    while (luminance(main) > 110 && luminance(main) < 165) {
        main = main.darker(112);
    }
    const QColor second = QColor::fromHsvF(std::fmod(hue + 0.12, 1.0), saturation, value * 0.80);
    const QRectF tile(left + 1, 1, kSize - 2, kSize - 2);
    const QRectF textBox(left, 0, kSize, kSize);

    painter.setPen(Qt::NoPen);
    switch (i % 5) {
    case 0: // solid rounded square
        painter.setBrush(main);
        painter.drawRoundedRect(tile, 6, 6);
        drawNumber(painter, textBox, number, textOn(main));
        break;
    case 1: // disc
        painter.setBrush(main);
        painter.drawEllipse(tile);
        drawNumber(painter, textBox, number, textOn(main));
        break;
    case 2: { // light tile with a thick coloured ring and a dark number in the same hue
        const QColor dark = QColor::fromHsvF(hue, 0.85, 0.45);
        painter.setPen(QPen(main, 3));
        painter.setBrush(QColor(252, 252, 255));
        painter.drawRoundedRect(tile.adjusted(1, 1, -1, -1), 5, 5);
        drawNumber(painter, textBox, number, dark);
        break;
    }
    case 3: { // diagonal split of two hues
        QPainterPath clip;
        clip.addRoundedRect(tile, 6, 6);
        painter.setClipPath(clip);
        painter.fillRect(tile, main);
        painter.setBrush(second);
        painter.drawPolygon(QPolygonF({tile.topRight(), tile.bottomRight(), tile.bottomLeft()}));
        painter.setClipping(false);
        const QColor mix((main.red() + second.red()) / 2, (main.green() + second.green()) / 2,
                         (main.blue() + second.blue()) / 2);
        drawNumber(painter, textBox, number, textOn(mix));
        break;
    }
    default: { // dark tile with a coloured band along the bottom
        const QColor dark = QColor::fromHsvF(hue, 0.70, 0.30);
        QPainterPath clip;
        clip.addRoundedRect(tile, 6, 6);
        painter.setClipPath(clip);
        painter.fillRect(tile, dark);
        painter.fillRect(QRectF(left + 1, kSize - 8, kSize - 2, 7), main);
        painter.setClipping(false);
        drawNumber(painter, QRectF(left, -2, kSize, kSize), number, QColor(255, 255, 255));
        break;
    }
    }
}

} // namespace

QImage drawChannelLogos() {
    QImage image = blankImage(kSize * kChannelLogoCount, kSize);
    QPainter painter(&image);
    prepare(painter);
    drawNoLogo(painter, 0);
    for (int number = 1; number < kChannelLogoCount; ++number) {
        drawLogo(painter, number * kSize, number);
    }
    return image;
}

QImage grayChannelLogos(const QImage& coloured) {
    // Gray and a little washed out: the fast-channel bar shows these until the mouse comes.
    QImage gray = coloured.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < gray.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(gray.scanLine(y));
        for (int x = 0; x < gray.width(); ++x) {
            const QRgb pixel = line[x];
            const int g = 56 + qGray(pixel) * 176 / 255;
            line[x] = qRgba(g, g, g, qAlpha(pixel));
        }
    }
    return gray;
}

} // namespace kanavo::artwork
