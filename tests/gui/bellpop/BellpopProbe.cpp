// Calls the reminder export where no window can be made: with no application object
// ("none") or with a QCoreApplication ("core"). Exit status 0 means the call returned.

#include "bellpop.h"

#include <QCoreApplication>

#include <cstring>
#include <memory>

int main(int argc, char** argv) {
    if (argc != 2 || (std::strcmp(argv[1], "none") != 0 && std::strcmp(argv[1], "core") != 0)) {
        return 2;
    }
    std::unique_ptr<QCoreApplication> application;
    if (std::strcmp(argv[1], "core") == 0) {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    ExecuteAlarm(u"ТЕСТ", 17, 40, u"Просто тестирование системы оповещения.", nullptr, u"/nonexistent.wav",
                 1);
    if (application) {
        QCoreApplication::processEvents();
    }
    return 0;
}
