#include "Artwork.h"

#include "ArtworkDrawing.h"
#include "ArtworkNames.h"

#include <QDir>
#include <stdexcept>
#include <string>

namespace kanavo::artwork {

namespace {

QImage drawByName(std::string_view name, const QImage& canals) {
    for (std::size_t day = 0; day < kDayButtons.size(); ++day) {
        if (name == kDayButtons[day]) {
            static const char* const kAbbreviations[] = {"Пн", "Вт", "Ср", "Чт", "Пт", "Сб", "Вс"};
            return drawDayButton(QString::fromUtf8(kAbbreviations[day]), 30, 19);
        }
    }
    if (name == kButToday) {
        return drawDayButton(QStringLiteral("Сейчас"), 67, 19);
    }
    if (name == kSmBorder) {
        return drawBorder();
    }
    if (name == kBtnLeft) {
        return drawArrowButton(Arrow::Left, 18, 30);
    }
    if (name == kBtnRight) {
        return drawArrowButton(Arrow::Right, 18, 30);
    }
    if (name == kBtnUp) {
        return drawArrowButton(Arrow::Up, 35, 10);
    }
    if (name == kBtnDown) {
        return drawArrowButton(Arrow::Down, 35, 10);
    }
    if (name == kMenuIcon) {
        return drawMenuIcons();
    }
    if (name == kCanals) {
        return canals;
    }
    if (name == kCanalsGray) {
        return grayChannelLogos(canals);
    }
    if (name == kGlyphType) {
        return drawTypeGlyphs();
    }
    if (name == kSplash) {
        return drawSplash();
    }
    if (name == kTip) {
        return drawTip();
    }
    if (name == kStop) {
        return drawStop();
    }
    if (name == kKanavo) {
        return drawProgramIcon(256);
    }
    if (name == kKanavo48) {
        return drawProgramIcon(48);
    }
    if (name == kKanavo32) {
        return drawProgramIcon(32);
    }
    if (name == kKanavo16) {
        return drawProgramIcon(16);
    }
    return {};
}

} // namespace

std::vector<DrawnBitmap> drawAllArtwork() {
    const QImage canals = drawChannelLogos();
    std::vector<DrawnBitmap> bitmaps;
    for (const BitmapSpec& spec : kBuiltInBitmaps) {
        QImage image = drawByName(spec.name, canals);
        if (image.width() != spec.width || image.height() != spec.height) {
            throw std::logic_error("the drawer of " + std::string(spec.name) + " gives the wrong size");
        }
        // Straight alpha keeps the PNG bytes independent of how the painter stored them.
        bitmaps.push_back({spec.name, image.hasAlphaChannel() ? image.convertToFormat(QImage::Format_ARGB32)
                                                              : image.convertToFormat(QImage::Format_RGB32)});
    }
    return bitmaps;
}

QString writeArtwork(const std::vector<DrawnBitmap>& bitmaps, const QString& dir) {
    if (!QDir().mkpath(dir)) {
        return QStringLiteral("cannot create the folder %1").arg(dir);
    }
    for (const DrawnBitmap& bitmap : bitmaps) {
        const QString path =
            QDir(dir).filePath(QString::fromUtf8(bitmap.name.data(), qsizetype(bitmap.name.size())) + ".png");
        if (!bitmap.image.save(path, "PNG", 9)) {
            return QStringLiteral("cannot write %1").arg(path);
        }
    }
    return {};
}

} // namespace kanavo::artwork
