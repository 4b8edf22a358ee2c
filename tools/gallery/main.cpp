// kanavo_gallery: the program's own controls in one window.
//   kanavo_gallery                       shows the window
//   kanavo_gallery --screenshot FILE.png draws it off screen into FILE.png and exits

#include "GalleryWindow.h"

#include <QApplication>
#include <QTextStream>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    const char* screenshot = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--screenshot") == 0 && i + 1 < argc) {
            screenshot = argv[++i];
        } else {
            std::fprintf(stderr, "usage: kanavo_gallery [--screenshot FILE.png]\n");
            return 2;
        }
    }
    // A screenshot needs no display.
    if (screenshot != nullptr && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    kanavo::gallery::GalleryWindow window;
    window.show();
    window.hover();
    if (screenshot == nullptr) {
        return QApplication::exec();
    }
    QApplication::processEvents();
    if (!window.screenshot().save(QString::fromLocal8Bit(screenshot), "PNG")) {
        std::fprintf(stderr, "kanavo_gallery: cannot write %s\n", screenshot);
        return 1;
    }
    return 0;
}
