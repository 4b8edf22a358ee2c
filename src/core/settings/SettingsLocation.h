#pragma once
// Where the settings file and the autostart entry live: the user's configuration folder
// ($XDG_CONFIG_HOME, or ~/.config when it is unset, empty or not absolute), unless the
// command line names a settings file of its own (tests, a portable install).

#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>

namespace kanavo {

// Looks an environment variable up; nullopt when unset. Tests pass their own.
using EnvironmentLookup = std::function<std::optional<std::string>(const char* name)>;
std::optional<std::string> processEnvironment(const char* name);

// Empty when neither variable gives a folder (and the password database has no home).
std::filesystem::path configHome(const EnvironmentLookup& environment = processEnvironment);
// <config home>/Quelmar+/Kanavo2.ini
std::filesystem::path defaultSettingsPath(const EnvironmentLookup& environment = processEnvironment);
// <config home>/autostart
std::filesystem::path autostartFolder(const EnvironmentLookup& environment = processEnvironment);

// "--config FILE" or "--config=FILE" among the arguments after the program name (the
// last one wins; "--" ends the options).
struct ConfigOption {
    std::optional<std::filesystem::path> file;
    std::string error; // set when the option has no file name
};
ConfigOption findConfigOption(std::span<const char* const> arguments);

// The option's file when given, else the default location.
std::filesystem::path settingsPath(const ConfigOption& option,
                                   const EnvironmentLookup& environment = processEnvironment);

} // namespace kanavo
