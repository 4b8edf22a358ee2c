#pragma once
// A command-line option that names a file or folder: "--name VALUE" or "--name=VALUE"
// among the arguments after the program name. The last one wins; "--" ends the options.

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace kanavo {

struct PathOption {
    std::optional<std::filesystem::path> path;
    std::string error; // set when the option is given without a value
};

// `option` is the whole option ("--home"); `valueName` says what it takes, for the error
// ("folder name").
PathOption findPathOption(std::span<const char* const> arguments, std::string_view option,
                          std::string_view valueName);

} // namespace kanavo
