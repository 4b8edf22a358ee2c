#include "BuiltInArtwork.h"

#include <QtGlobal>
#include <mutex>

// Q_INIT_RESOURCE declares its function in the enclosing namespace, so it is called from here.
static void registerArtworkResources() {
    Q_INIT_RESOURCE(artwork);
}

namespace kanavo::artwork {

void initBuiltInArtwork() {
    static std::once_flag once;
    std::call_once(once, registerArtworkResources);
}

QString builtInResourcePath(std::string_view name) {
    return QStringLiteral(":/artwork/") + QString::fromUtf8(name.data(), qsizetype(name.size())) +
           QStringLiteral(".png");
}

QImage builtInImage(std::string_view name) {
    initBuiltInArtwork();
    return QImage(builtInResourcePath(name));
}

QPixmap builtInBitmap(std::string_view name) {
    initBuiltInArtwork();
    return QPixmap(builtInResourcePath(name));
}

} // namespace kanavo::artwork
