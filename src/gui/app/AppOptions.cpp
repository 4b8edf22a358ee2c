#include "AppOptions.h"

#include "base/DateTime.h"
#include "base/ProgramDir.h"
#include "settings/SettingsLocation.h"

#include <array>

namespace kanavo {
namespace {

constexpr std::array kPathOptions{std::string_view("--home"), std::string_view("--config")};

bool isPathOption(std::string_view argument) {
    for (std::string_view option : kPathOptions) {
        if (argument == option || (argument.size() > option.size() && argument.starts_with(option) &&
                                   argument[option.size()] == '=')) {
            return true;
        }
    }
    return false;
}

} // namespace

AppOptions parseAppOptions(std::span<const char* const> arguments) {
    AppOptions options;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i] ? arguments[i] : "";
        if (argument == "--") {
            // The end of the options; the viewer takes no other arguments.
            if (i + 1 < arguments.size() && options.error.empty()) {
                options.error =
                    "unexpected argument " + std::string(arguments[i + 1] ? arguments[i + 1] : "");
            }
            break;
        }
        if (argument == "--help" || argument == "-h") {
            options.help = true;
        } else if (argument == "--version") {
            options.version = true;
        } else if (argument == "--check") {
            options.check = true;
        } else if (argument == "--clock" || argument.starts_with("--clock=")) {
            const char* value = argument.starts_with("--clock=") ? arguments[i] + 8
                                : i + 1 < arguments.size()       ? arguments[++i]
                                                                 : nullptr;
            const auto moment = value ? parseDateTime(value) : std::nullopt;
            if (moment) {
                options.clockStart = *moment;
            } else if (options.error.empty()) {
                options.error = "--clock takes a moment as \"dd.mm.yyyy hh:nn\"";
            }
        } else if (isPathOption(argument)) {
            if (argument.find('=') == std::string_view::npos) {
                ++i; // the value, checked below
            }
        } else if (options.error.empty()) {
            options.error = argument.starts_with('-') && argument != "-"
                                ? "unknown option " + std::string(argument)
                                : "unexpected argument " + std::string(argument);
        }
    }
    HomeOption home = findHomeOption(arguments);
    ConfigOption config = findConfigOption(arguments);
    options.home = std::move(home.folder);
    options.config = std::move(config.file);
    if (!home.error.empty()) {
        options.error = home.error;
    } else if (!config.error.empty()) {
        options.error = config.error;
    }
    return options;
}

std::string usageText() {
    return "Usage: kanavo [--home DIR] [--config FILE] [--check] [--clock MOMENT]\n"
           "The weekly TV schedule viewer.\n"
           "\n"
           "  --home DIR     the program folder: weekly files in DIR/TV, skins in DIR/Skin\n"
           "                 (default: the executable's folder)\n"
           "  --config FILE  the settings file (default: ~/.config/Quelmar+/Kanavo2.ini)\n"
           "  --check        start, compose and paint the first listing, then quit;\n"
           "                 exit status 0 when that worked\n"
           "  --clock \"dd.mm.yyyy hh:nn\"\n"
           "                 start the clock at that moment (it runs on from there)\n"
           "  --help         show this text\n"
           "  --version      show the version\n";
}

bool runsUnattended(bool check, std::optional<std::string_view> noModalVariable,
                    std::string_view platformName) {
    return check || noModalVariable == "1" || platformName == "offscreen" || platformName == "minimal";
}

} // namespace kanavo
