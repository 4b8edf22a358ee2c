#pragma once
// What the main window is given from outside: where its files are, and the services that
// tests replace (the clock, the message boxes, opening an address with the desktop).

#include "alarms/Reminders.h"
#include "base/Clock.h"
#include "base/UserMessages.h"

#include <QUrl>

#include <filesystem>
#include <functional>

namespace kanavo {

struct AppContext {
    std::filesystem::path programDir;   // ProgramDir, with a trailing separator
    std::filesystem::path settingsFile; // the settings file read at start and saved on close
    const Clock* clock = nullptr;       // the system clock unless set
    UserMessages* messages = nullptr;   // message boxes; required
    Reminders* reminders = nullptr;     // the reminder library; none shows no reminders
    // Opens an address with the desktop's browser; QDesktopServices unless set.
    std::function<void(const QUrl&)> openUrl;
    // Where the autostart entry goes; the desktop's autostart folder unless set.
    std::filesystem::path autostartFolder;
};

} // namespace kanavo
