// One sheet with every bitmap and its name, for looking the artwork over.

#include "Artwork.h"
#include "ArtworkFonts.h"
#include "ArtworkNames.h"

#include <QPainter>
#include <algorithm>

namespace kanavo::artwork {

namespace {

constexpr int kSheetWidth = 1320;
constexpr int kMargin = 12;

struct Item {
    QString caption;
    QImage image; // already scaled for the sheet
};

// Cuts a wide strip into rows of `perRow` cells so it fits the sheet.
QImage wrapStrip(const QImage& strip, int cell, int perRow) {
    const int count = strip.width() / cell;
    const int rows = (count + perRow - 1) / perRow;
    QImage wrapped(perRow * (cell + 2), rows * (strip.height() + 2), QImage::Format_ARGB32_Premultiplied);
    wrapped.fill(Qt::transparent);
    QPainter p(&wrapped);
    for (int i = 0; i < count; ++i) {
        p.drawImage(QPoint((i % perRow) * (cell + 2), (i / perRow) * (strip.height() + 2)), strip,
                    QRect(i * cell, 0, cell, strip.height()));
    }
    return wrapped;
}

QImage doubled(const QImage& image) {
    return image.scaled(image.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

} // namespace

QImage drawContactSheet(const std::vector<DrawnBitmap>& bitmaps) {
    std::vector<Item> items;
    for (const DrawnBitmap& bitmap : bitmaps) {
        const QString name = QString::fromUtf8(bitmap.name.data(), qsizetype(bitmap.name.size()));
        const QString caption =
            QStringLiteral("%1  %2x%3").arg(name).arg(bitmap.image.width()).arg(bitmap.image.height());
        if (bitmap.name == kCanals || bitmap.name == kCanalsGray) {
            items.push_back({caption + QStringLiteral("  (x2)"), doubled(wrapStrip(bitmap.image, 32, 19))});
            if (bitmap.name == kCanals) {
                // The skins stretch the strip to 24 and 16 pixel icons; shown doubled.
                for (int size : {24, 16}) {
                    const QImage small = bitmap.image.scaled(kChannelLogoCount * size, size,
                                                             Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
                    items.push_back({QStringLiteral("canals at %1 (x2)").arg(size),
                                     doubled(wrapStrip(small, size, kSheetWidth / (2 * size + 4) - 1))});
                }
            }
        } else if (bitmap.image.width() * 2 + 2 * kMargin <= kSheetWidth && bitmap.image.height() <= 128) {
            items.push_back({caption + QStringLiteral("  (x2)"), doubled(bitmap.image)});
        } else {
            items.push_back({caption, bitmap.image});
        }
    }

    // Lay out: items flow left to right, wrapping at the sheet's width.
    const QFont font = artworkFont(13, true);
    const int captionHeight = 20;
    struct Placed {
        QPoint at;
        const Item* item;
    };
    std::vector<Placed> placed;
    int x = kMargin;
    int y = kMargin;
    int rowHeight = 0;
    for (const Item& item : items) {
        const int width = std::max(item.image.width(), 160);
        if (x + width > kSheetWidth - kMargin && x > kMargin) {
            x = kMargin;
            y += rowHeight + kMargin;
            rowHeight = 0;
        }
        placed.push_back({QPoint(x, y), &item});
        x += width + 2 * kMargin;
        rowHeight = std::max(rowHeight, captionHeight + item.image.height());
    }
    QImage sheet(kSheetWidth, y + rowHeight + kMargin, QImage::Format_RGB32);
    sheet.fill(QColor(222, 224, 230));
    QPainter p(&sheet);
    p.setFont(font);
    p.setPen(QColor(30, 30, 40));
    for (const Placed& place : placed) {
        p.drawText(QRect(place.at, QSize(600, captionHeight)), Qt::AlignLeft | Qt::AlignTop,
                   place.item->caption);
        p.drawImage(place.at + QPoint(0, captionHeight), place.item->image);
    }
    return sheet;
}

} // namespace kanavo::artwork
