// kanavo_artwork: draws the program's built-in bitmaps.
//   kanavo_artwork --out DIR                  writes DIR/<name>.png for every bitmap
//   kanavo_artwork --contact-sheet FILE.png   all bitmaps on one sheet, to look them over

#include "Artwork.h"
#include "ArtworkFonts.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstring>

namespace {

int usage() {
    std::fputs("usage: kanavo_artwork --out DIR | --contact-sheet FILE.png\n", stderr);
    return 1;
}

int fail(const QString& message) {
    std::fprintf(stderr, "kanavo_artwork: %s\n", message.toLocal8Bit().constData());
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3 || (std::strcmp(argv[1], "--out") != 0 && std::strcmp(argv[1], "--contact-sheet") != 0)) {
        return usage();
    }
    // No display is needed, and the offscreen platform draws text the same everywhere.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    QString error;
    if (!kanavo::artwork::loadArtworkFonts(&error)) {
        return fail(error);
    }
    const auto bitmaps = kanavo::artwork::drawAllArtwork();
    const QString target = QString::fromLocal8Bit(argv[2]);
    if (std::strcmp(argv[1], "--out") == 0) {
        error = kanavo::artwork::writeArtwork(bitmaps, target);
        return error.isEmpty() ? 0 : fail(error);
    }
    if (!kanavo::artwork::drawContactSheet(bitmaps).save(target, "PNG")) {
        return fail(QStringLiteral("cannot write %1").arg(target));
    }
    return 0;
}
