#include "tarnpanel.h"

#include <QPainter>
#include <qdrawutil.h>

namespace kanavo {

TTarnScinPanel::TTarnScinPanel(QWidget* parent)
    : QWidget(parent), m_color(palette().color(QPalette::Window)) {
    resize(100, 50);
}

TTarnScinPanel::~TTarnScinPanel() = default;

void TTarnScinPanel::setColor(const QColor& value) {
    m_color = value;
    update();
}

void TTarnScinPanel::setSmBorder(const QPixmap& value) {
    m_smBorder = value;
    update();
}

void TTarnScinPanel::setCaption(const QString& value) {
    m_caption = value;
    update();
}

QList<TTarnScinPanel::Tile> TTarnScinPanel::BorderTiles(int width, int height, int b, int h) {
    QList<Tile> tiles;
    // A strip narrower than eight pixels has pieces of no width: nothing to tile with.
    if (b <= 0 || h <= 0) {
        return tiles;
    }
    const int across = width / b;
    const int down = height / h;
    for (int c = 1; c <= across; ++c) {
        tiles.append({Bottom, {b * c, height - h}});
    }
    for (int c = 1; c <= down; ++c) {
        tiles.append({Left, {0, h * c}});
    }
    for (int c = 1; c <= down; ++c) {
        tiles.append({Right, {width - b, h * c}});
    }
    tiles.append({BottomLeft, {0, height - h}});
    tiles.append({BottomRight, {width - b, height - h}});
    for (int c = 1; c <= across; ++c) {
        tiles.append({Top, {b * c, 0}});
    }
    tiles.append({TopLeft, {0, 0}});
    tiles.append({TopRight, {width - b, 0}});
    return tiles;
}

void TTarnScinPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int h = m_smBorder.height();
    if (m_smBorder.isNull() || h == 0) {
        paintPlain(painter);
        return;
    }
    painter.fillRect(rect(), m_color);
    const int b = m_smBorder.width() / 8;
    for (const Tile& tile : BorderTiles(width(), height(), b, h)) {
        painter.drawPixmap(tile.at, m_smBorder, QRect(tile.piece * b, 0, b, h));
    }
}

void TTarnScinPanel::paintPlain(QPainter& painter) const {
    qDrawShadePanel(&painter, rect(), palette(), false, 1, &palette().brush(QPalette::Window));
    if (!m_caption.isEmpty()) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(rect(), Qt::AlignCenter, m_caption);
    }
}

} // namespace kanavo
