#include "settings/SettingsLocation.h"

#include "base/PathOption.h"

#include <cstdlib>
#include <pwd.h>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace kanavo {
namespace {

std::filesystem::path homeFolder(const EnvironmentLookup& environment) {
    if (const std::optional<std::string> home = environment("HOME"); home && !home->empty()) {
        return *home;
    }
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
    passwd entry{};
    passwd* result = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &result) == 0 && result &&
        result->pw_dir && *result->pw_dir) {
        return result->pw_dir;
    }
    return {};
}

} // namespace

std::optional<std::string> processEnvironment(const char* name) {
    const char* value = std::getenv(name);
    if (!value) {
        return std::nullopt;
    }
    return std::string(value);
}

std::filesystem::path configHome(const EnvironmentLookup& environment) {
    if (const std::optional<std::string> xdg = environment("XDG_CONFIG_HOME");
        xdg && std::filesystem::path(*xdg).is_absolute()) {
        return *xdg;
    }
    const std::filesystem::path home = homeFolder(environment);
    return home.empty() ? home : home / ".config";
}

std::filesystem::path defaultSettingsPath(const EnvironmentLookup& environment) {
    const std::filesystem::path base = configHome(environment);
    return base.empty() ? base : base / "Quelmar+" / "Kanavo2.ini";
}

std::filesystem::path autostartFolder(const EnvironmentLookup& environment) {
    const std::filesystem::path base = configHome(environment);
    return base.empty() ? base : base / "autostart";
}

ConfigOption findConfigOption(std::span<const char* const> arguments) {
    PathOption found = findPathOption(arguments, "--config", "file name");
    return {std::move(found.path), std::move(found.error)};
}

std::filesystem::path settingsPath(const ConfigOption& option, const EnvironmentLookup& environment) {
    return option.file ? *option.file : defaultSettingsPath(environment);
}

} // namespace kanavo
