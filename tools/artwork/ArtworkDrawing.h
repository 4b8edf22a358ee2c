#pragma once
// The drawers of the built-in bitmaps, one per kind; Artwork.cpp calls them by name.

#include <QImage>
#include <QPainter>
#include <QPen>
#include <QString>

namespace kanavo::artwork {

// A transparent (or, with a fill, opaque) image of the given size, ready for a painter.
QImage blankImage(int width, int height, const QColor& fill = Qt::transparent);
// A painter with antialiasing on.
void prepare(QPainter& painter);
// A pen with round joins and caps, the line of every small icon.
QPen roundPen(const QColor& colour, qreal width = 1.0);

// Buttons and the panel border (ButtonGlyphs.cpp).
QImage drawBorder();
enum class Arrow { Left, Right, Up, Down };
QImage drawArrowButton(Arrow arrow, int frameWidth, int frameHeight);
QImage drawDayButton(const QString& text, int frameWidth, int frameHeight);

// Icon strips.
QImage drawMenuIcons();
QImage drawChannelLogos();
QImage grayChannelLogos(const QImage& coloured);
QImage drawTypeGlyphs();

// Pictures (Pictures.cpp).
QImage drawSplash();
QImage drawTip();
QImage drawStop();
QImage drawProgramIcon(int size);

} // namespace kanavo::artwork
