#include "ArtworkFonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace kanavo::artwork {

namespace {

QString g_family;

} // namespace

bool loadArtworkFonts(QString* error) {
    if (!g_family.isEmpty()) {
        return true;
    }
    const QString dir = QStringLiteral(KANAVO_DEJAVU_DIR);
    QString family;
    for (const char* file : {"DejaVuSans.ttf", "DejaVuSans-Bold.ttf"}) {
        const QString path = dir + QLatin1Char('/') + QLatin1String(file);
        const int id = QFontDatabase::addApplicationFont(path);
        const QStringList families = id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id);
        if (families.isEmpty()) {
            if (error) {
                *error =
                    QStringLiteral("cannot load the font %1 (Debian package fonts-dejavu-core)").arg(path);
            }
            return false;
        }
        family = families.first();
    }
    g_family = family;
    return true;
}

QFont artworkFont(int pixelSize, bool bold) {
    QFont font(g_family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoFontMerging));
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

} // namespace kanavo::artwork
