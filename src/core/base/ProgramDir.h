#pragma once
// ProgramDir: the folder the program's own files are found in ("TV", skins, the tip and
// help files), with a trailing separator. It is the executable's folder unless the
// command line names another with "--home DIR" (tests, portable installs).

#include <filesystem>
#include <optional>
#include <span>
#include <string>

namespace kanavo {

// "--home DIR" or "--home=DIR" among the arguments after the program name (the last one
// wins; "--" ends the options).
struct HomeOption {
    std::optional<std::filesystem::path> folder;
    std::string error; // set when the option has no folder name
};
HomeOption findHomeOption(std::span<const char* const> arguments);

// The running executable's folder, absolute. Falls back to the folder of `argv0`, and to
// the working folder when neither can be told.
std::filesystem::path executableFolder(const char* argv0);

// The option's folder (made absolute) when given, else the executable's folder; always
// with a trailing separator, so that ProgramDir / "TV" and ProgramDir + name both work.
std::filesystem::path programDir(const HomeOption& option, const char* argv0);

} // namespace kanavo
