#pragma once
// Moving the settings between memory and a store: every section and value name, the
// order of reading and writing, the defaults and the forms of the values.
//
// Reading never fails: a missing or unreadable value takes its default. Booleans are
// stored "0"/"1" and read as integers (not 0 is true); an integer that is not decimal
// text takes its default; texts are cut to SettingTextLimit characters. A save writes
// values and never removes one, so what it does not write keeps its stored value.

#include "base/DateTime.h"
#include "settings/Settings.h"
#include "settings/SettingsStore.h"

namespace kanavo {

struct LoadEnvironment {
    // Alarms that do not start after this moment are dropped.
    TDateTime now = 0;
    // The window's default width and height.
    int screenWidth = 0;
    int screenHeight = 0;
};

// Reads "Setup option", "Form position", "Setup panel", "Setup canal", "Setup alarm" and
// "Printer option" in that order. The alarms come back in their stored order; the alarm
// list's own sort is the caller's next step, before the settings are applied.
Settings loadSettings(const SettingsStore& store, const LoadEnvironment& environment);

// Writes "Version", "Form position" (see FormPosition), "Setup option", "Setup panel",
// "Setup canal", "Setup alarm" and "Printer option" in that order.
void saveSettings(const Settings& settings, SettingsStore& store);

// "Two copies" of "Setup option": whether a second copy is refused. Read on its own at
// start, before anything else is loaded.
bool readSingleInstance(const SettingsStore& store);

// The decimal integer of the text (optional sign, digits, nothing else, 32-bit range).
std::optional<int> parseSettingInteger(std::string_view text);

} // namespace kanavo
