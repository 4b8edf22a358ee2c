#pragma once
// The built-in bitmaps, embedded in the program as Qt resources under
// ":/artwork/<name>.png". A skin that names no file, or a file that will not load, falls back
// to these. The names, sizes and image indexes are in ArtworkNames.h.

#include "ArtworkNames.h"

#include <QImage>
#include <QPixmap>
#include <QString>
#include <string_view>

namespace kanavo::artwork {

// Registers the resources. The resources live in a static library, whose registration code
// the linker would otherwise drop; the loaders below call it themselves, so it is needed only
// by code that opens ":/artwork/..." paths directly (a QIcon, a style sheet). Safe to call
// more than once.
void initBuiltInArtwork();

// ":/artwork/<name>.png".
QString builtInResourcePath(std::string_view name);

// The named bitmap; a null image or pixmap when there is no such resource. The pixmap needs a
// QGuiApplication, the image does not.
QImage builtInImage(std::string_view name);
QPixmap builtInBitmap(std::string_view name);

} // namespace kanavo::artwork
