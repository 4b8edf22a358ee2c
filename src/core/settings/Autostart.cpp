#include "settings/Autostart.h"

#include "settings/IniSettingsFile.h"

#include <string_view>

namespace kanavo {
namespace {

// Exec arguments: a path with any reserved character goes in double quotes, where
// " ` $ and \ take a backslash; a literal % is doubled.
std::string execArgument(std::string_view path) {
    constexpr std::string_view kReserved = " \t\n\"'\\><~|&;$*?#()`";
    std::string argument;
    const bool quoted = path.find_first_of(kReserved) != std::string_view::npos;
    if (quoted) {
        argument += '"';
    }
    for (char c : path) {
        if (quoted && (c == '"' || c == '`' || c == '$' || c == '\\')) {
            argument += '\\';
        }
        argument += c;
        if (c == '%') {
            argument += '%';
        }
    }
    if (quoted) {
        argument += '"';
    }
    return argument;
}

// The escapes every string value of a desktop entry takes, applied after the Exec ones.
std::string entryValue(std::string_view text) {
    std::string value;
    for (char c : text) {
        switch (c) {
        case '\\':
            value += "\\\\";
            break;
        case '\n':
            value += "\\n";
            break;
        case '\t':
            value += "\\t";
            break;
        case '\r':
            value += "\\r";
            break;
        default:
            value += c;
        }
    }
    return value;
}

} // namespace

std::string autostartEntryText(const std::filesystem::path& executable) {
    std::string text = "[Desktop Entry]\n"
                       "Type=Application\n"
                       "Name=Канаво 2.1\n"
                       "Exec=";
    text += entryValue(execArgument(executable.string()));
    text += "\nTerminal=false\n";
    return text;
}

WriteStatus applyAutostart(bool enabled, const std::filesystem::path& executable,
                           const std::filesystem::path& folder) {
    if (folder.empty()) {
        return WriteStatus::failure("no autostart folder (neither XDG_CONFIG_HOME nor HOME is set)");
    }
    const std::filesystem::path entry = folder / AutostartFileName;
    std::error_code ec;
    if (!enabled) {
        std::filesystem::remove(entry, ec);
        if (ec) {
            return WriteStatus::failure("cannot remove " + entry.string() + ": " + ec.message());
        }
        return {};
    }
    if (executable.empty()) {
        return WriteStatus::failure("the program's own path is unknown");
    }
    const std::string text = autostartEntryText(executable);
    if (IniSettingsFile::readFileText(entry) == text) {
        return {};
    }
    return replaceFileAtomically(entry, text);
}

std::filesystem::path runningExecutable() {
    std::error_code ec;
    std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path() : path;
}

} // namespace kanavo
