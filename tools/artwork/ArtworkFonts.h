#pragma once
// The generator draws text in DejaVu Sans loaded from its files, so that the same bitmaps come
// out on every machine whatever fonts the desktop has.

#include <QFont>
#include <QString>

namespace kanavo::artwork {

// Loads the regular and bold faces once; on failure returns false and says why.
bool loadArtworkFonts(QString* error);

// DejaVu Sans at a pixel size.
QFont artworkFont(int pixelSize, bool bold);

} // namespace kanavo::artwork
