#pragma once
// The settings file as the program uses it: one read at start, one read of "Two copies"
// before that, and a save that rereads the file first, so that values this save does not
// write (the bounds of a maximised window, channels and alarms numbered beyond today's
// lists, values of other versions) stay as they were.

#include "settings/AtomicFile.h"
#include "settings/SettingsIo.h"

#include <filesystem>

namespace kanavo {

Settings loadSettingsFile(const std::filesystem::path& file, const LoadEnvironment& environment);
[[nodiscard]] WriteStatus saveSettingsFile(const std::filesystem::path& file, const Settings& settings);
bool readSingleInstanceFile(const std::filesystem::path& file);

} // namespace kanavo
