#pragma once
// Starting with the desktop session: a desktop entry named "Канаво 2.1" in the user's
// autostart folder, which runs this executable. It exists exactly while
// StartWithWindows is on; applying the setting writes or removes it.

#include "settings/AtomicFile.h"

#include <filesystem>
#include <string>

namespace kanavo {

inline constexpr const char* AutostartFileName = "kanavo2.desktop";

// The entry's text (UTF-8), the executable quoted and escaped for the Exec key.
std::string autostartEntryText(const std::filesystem::path& executable);

// Writes the entry into `folder` when `enabled` (creating the folder; an entry that
// already says the same is left alone), removes it otherwise.
[[nodiscard]] WriteStatus applyAutostart(bool enabled, const std::filesystem::path& executable,
                                         const std::filesystem::path& folder);

// The running executable's full path (empty when the system does not say).
std::filesystem::path runningExecutable();

} // namespace kanavo
