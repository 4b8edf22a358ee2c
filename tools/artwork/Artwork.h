#pragma once
// Draws every built-in bitmap; used by the generator's command line and by the test that
// checks the committed PNGs are what the generator draws now.

#include <QImage>
#include <QString>
#include <string_view>
#include <vector>

namespace kanavo::artwork {

struct DrawnBitmap {
    std::string_view name;
    QImage image;
};

// Every bitmap of kBuiltInBitmaps, in that order. Needs a QGuiApplication and the fonts of
// loadArtworkFonts.
std::vector<DrawnBitmap> drawAllArtwork();

// "<dir>/<name>.png" for every bitmap; returns an error message, empty on success.
QString writeArtwork(const std::vector<DrawnBitmap>& bitmaps, const QString& dir);

// All bitmaps on one sheet with their names, the small ones doubled, and the channel logos
// also at the 24 and 16 pixels the skins shrink them to.
QImage drawContactSheet(const std::vector<DrawnBitmap>& bitmaps);

} // namespace kanavo::artwork
