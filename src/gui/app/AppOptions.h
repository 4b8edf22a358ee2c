#pragma once
// The command line of the viewer: where its files are (--home, --config), the start-up
// check for smoke tests and packaging (--check), and --help / --version. Qt takes its own
// options (-platform and the like) out before these are read.

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace kanavo {

// The application title, the main window's caption and the --version line.
inline constexpr std::string_view kProgramTitle = "Канаво 2.1";

struct AppOptions {
    std::optional<std::filesystem::path> home;   // --home DIR
    std::optional<std::filesystem::path> config; // --config FILE
    bool help = false;
    bool version = false;
    bool check = false; // start, compose and paint the first listing, then quit
    // --clock "dd.mm.yyyy hh:nn[:ss]": the clock starts at this moment and runs on, for
    // trying the "now" view and reminders at a moment of one's choosing.
    std::optional<double> clockStart;
    std::string error; // set when the command line is wrong; the program then does not start
};

// `arguments` starts with the program name.
AppOptions parseAppOptions(std::span<const char* const> arguments);

// The --help text.
std::string usageText();

// Whether message boxes must not wait for a person: under --check, when KANAVO_NO_MODAL is
// "1", and on the platforms that have no screen to show a box on ("offscreen", "minimal").
bool runsUnattended(bool check, std::optional<std::string_view> noModalVariable,
                    std::string_view platformName);

} // namespace kanavo
