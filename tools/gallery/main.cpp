// kanavo_gallery: the program's own controls in one window.
//   kanavo_gallery                       shows the window
//   kanavo_gallery --screenshot FILE.png draws it off screen into FILE.png and exits

#include "GalleryWindow.h"

#include <QApplication>
#include <QStringList>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    // A screenshot needs no display; the platform is chosen before the application starts.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--screenshot") == 0 && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
    }
    QApplication app(argc, argv);
    // Qt has taken its own options (-platform and the like) out by now.
    const QStringList arguments = QApplication::arguments().mid(1);
    QString screenshot;
    if (arguments.size() == 2 && arguments[0] == QLatin1String("--screenshot")) {
        screenshot = arguments[1];
    } else if (!arguments.isEmpty()) {
        std::fprintf(stderr, "usage: kanavo_gallery [--screenshot FILE.png]\n");
        return 2;
    }
    kanavo::gallery::GalleryWindow window;
    window.show();
    window.hover();
    if (screenshot.isEmpty()) {
        return QApplication::exec();
    }
    QApplication::processEvents();
    if (!window.screenshot().save(screenshot, "PNG")) {
        std::fprintf(stderr, "kanavo_gallery: cannot write %s\n", qPrintable(screenshot));
        return 1;
    }
    return 0;
}
