#include "tarnpanel.h"

#include <QPainter>
#include <QTest>

using namespace kanavo;
using Piece = TTarnScinPanel::Piece;

namespace {

// Piece k of the border strip is filled with pieceColour(k).
QColor pieceColour(int k) {
    return QColor(30 * k, 255 - 30 * k, 77);
}

QPixmap borderStrip(int pieceWidth, int height) {
    QPixmap strip(pieceWidth * 8, height);
    QPainter painter(&strip);
    for (int k = 0; k < 8; ++k) {
        painter.fillRect(k * pieceWidth, 0, pieceWidth, height, pieceColour(k));
    }
    return strip;
}

// The tiles as runs of one piece: {piece, how many in a row}.
QList<QPair<int, int>> runs(const QList<TTarnScinPanel::Tile>& tiles) {
    QList<QPair<int, int>> result;
    for (const TTarnScinPanel::Tile& tile : tiles) {
        if (result.isEmpty() || result.last().first != tile.piece) {
            result.append({tile.piece, 0});
        }
        ++result.last().second;
    }
    return result;
}

bool hasColour(const QImage& image, const QColor& colour) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == colour) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

class TarnPanelTest : public QObject {
    Q_OBJECT

private slots:
    void tileCounts_data();
    void tileCounts();
    void framePixels_data();
    void framePixels();
    void unframedPanels_data();
    void unframedPanels();
};

void TarnPanelTest::tileCounts_data() {
    QTest::addColumn<QSize>("panel");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("h");
    QTest::addColumn<int>("across"); // bottom and top tiles each
    QTest::addColumn<int>("down");   // left and right tiles each
    QTest::newRow("24x3 strip on 100x50") << QSize(100, 50) << 3 << 3 << 33 << 16;
    QTest::newRow("pieces that divide the panel") << QSize(96, 48) << 4 << 6 << 24 << 8;
    QTest::newRow("panel smaller than a piece") << QSize(2, 2) << 3 << 3 << 0 << 0;
}

void TarnPanelTest::tileCounts() {
    QFETCH(QSize, panel);
    QFETCH(int, b);
    QFETCH(int, h);
    QFETCH(int, across);
    QFETCH(int, down);
    const QList<TTarnScinPanel::Tile> tiles =
        TTarnScinPanel::BorderTiles(panel.width(), panel.height(), b, h);
    // Edges, then corners over them, the top edge after the bottom corners.
    QList<QPair<int, int>> expected;
    auto add = [&expected](Piece piece, int count) {
        if (count > 0) {
            expected.append({piece, count});
        }
    };
    add(TTarnScinPanel::Bottom, across);
    add(TTarnScinPanel::Left, down);
    add(TTarnScinPanel::Right, down);
    add(TTarnScinPanel::BottomLeft, 1);
    add(TTarnScinPanel::BottomRight, 1);
    add(TTarnScinPanel::Top, across);
    add(TTarnScinPanel::TopLeft, 1);
    add(TTarnScinPanel::TopRight, 1);
    QCOMPARE(runs(tiles), expected);
    const int W = panel.width();
    const int H = panel.height();
    if (across > 0) {
        // The edges start one piece in; the last tile may reach past the panel.
        QCOMPARE(tiles.first().at, QPoint(b, H - h));
        QCOMPARE(tiles[across - 1].at, QPoint(b * across, H - h));
    }
    QCOMPARE(tiles.last().at, QPoint(W - b, 0));
}

void TarnPanelTest::framePixels_data() {
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<int>("piece"); // -1: the panel's colour
    // A 100x50 panel with 3x3 pieces.
    QTest::newRow("inside") << QPoint(50, 25) << -1;
    QTest::newRow("just inside the frame") << QPoint(3, 3) << -1;
    QTest::newRow("top-left corner") << QPoint(0, 0) << int(TTarnScinPanel::TopLeft);
    QTest::newRow("top-left corner, far pixel") << QPoint(2, 2) << int(TTarnScinPanel::TopLeft);
    QTest::newRow("first top tile") << QPoint(3, 0) << int(TTarnScinPanel::Top);
    QTest::newRow("top tile under the corner's edge") << QPoint(96, 2) << int(TTarnScinPanel::Top);
    QTest::newRow("top-right corner covers the tile") << QPoint(97, 0) << int(TTarnScinPanel::TopRight);
    QTest::newRow("top-right corner, last pixel") << QPoint(99, 2) << int(TTarnScinPanel::TopRight);
    QTest::newRow("left edge") << QPoint(0, 3) << int(TTarnScinPanel::Left);
    QTest::newRow("left edge above the corner") << QPoint(2, 46) << int(TTarnScinPanel::Left);
    QTest::newRow("bottom-left corner") << QPoint(0, 47) << int(TTarnScinPanel::BottomLeft);
    QTest::newRow("right edge") << QPoint(99, 25) << int(TTarnScinPanel::Right);
    QTest::newRow("right edge starts at W - b") << QPoint(97, 25) << int(TTarnScinPanel::Right);
    QTest::newRow("bottom edge") << QPoint(50, 49) << int(TTarnScinPanel::Bottom);
    QTest::newRow("bottom-right corner") << QPoint(99, 49) << int(TTarnScinPanel::BottomRight);
}

void TarnPanelTest::framePixels() {
    QFETCH(QPoint, at);
    QFETCH(int, piece);
    const QColor flat(250, 250, 5);
    TTarnScinPanel panel;
    QCOMPARE(panel.size(), QSize(100, 50));
    panel.setColor(flat);
    panel.setSmBorder(borderStrip(3, 3));
    const QImage image = panel.grab().toImage();
    QCOMPARE(image.pixelColor(at), piece < 0 ? flat : pieceColour(piece));
}

void TarnPanelTest::unframedPanels_data() {
    QTest::addColumn<QPixmap>("strip");
    QTest::addColumn<bool>("flat"); // filled with Color
    QTest::newRow("empty strip: an ordinary panel") << QPixmap() << false;
    QTest::newRow("strip of height 0: an ordinary panel") << QPixmap(24, 0) << false;
    // Pieces of no width leave nothing to frame with, and nothing to divide by.
    QPixmap narrow(5, 3);
    narrow.fill(Qt::green);
    QTest::newRow("strip narrower than eight pieces") << narrow << true;
}

void TarnPanelTest::unframedPanels() {
    QFETCH(QPixmap, strip);
    QFETCH(bool, flat);
    const QColor colour(250, 250, 5);
    const QColor captionColour(200, 0, 200);
    TTarnScinPanel panel;
    QPalette colours = panel.palette();
    colours.setColor(QPalette::WindowText, captionColour);
    panel.setPalette(colours);
    QFont font = panel.font();
    font.setStyleStrategy(QFont::NoAntialias);
    panel.setFont(font);
    panel.setColor(colour);
    panel.setCaption(QStringLiteral("Панель"));
    panel.setSmBorder(strip);
    const QImage image = panel.grab().toImage();
    QCOMPARE(hasColour(image, colour), flat);
    // The caption belongs to the ordinary panel only.
    QCOMPARE(hasColour(image, captionColour), !flat);
    if (flat) {
        QCOMPARE(image.pixelColor(0, 0), colour);
        QCOMPARE(image.pixelColor(99, 49), colour);
    }
}

QTEST_MAIN(TarnPanelTest)
#include "TarnPanelTest.moc"
