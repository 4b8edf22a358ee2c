#pragma once
// What every knvtool command shares: its arguments, file input and output, and the one
// way a command fails (a message on stderr, exit code 1).

#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace kanavo::knvtool {

// A failure to report to the user as it stands, in UTF-8.
class CommandError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The arguments after the command name: options ("--name value" or "--flag") and the
// positional arguments in order. Every option must be claimed, so a typo is an error.
class Arguments {
public:
    Arguments(int argc, char** argv, std::vector<std::string> flags);

    std::optional<std::string> take(const std::string& option);
    std::vector<std::string> takeAll(const std::string& option);
    bool takeFlag(const std::string& flag);
    // The positional arguments, exactly `count` of them; then no option may be left over.
    std::vector<std::string> positional(std::size_t count, const char* usage);

private:
    std::vector<std::pair<std::string, std::string>> m_options;
    std::vector<std::string> m_flagsGiven;
    std::vector<std::string> m_positional;
};

std::vector<std::uint8_t> readFile(const std::filesystem::path& path);
void writeFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);

// A Windows-1251 text from the user's UTF-8; CommandError naming `what` otherwise.
std::string toCp1251(const std::string& utf8, const std::string& what);

// A whole number from `minimum` to `maximum` given to `option`; CommandError otherwise.
int parseNumber(const std::string& text, const std::string& option, int minimum, int maximum);

// The local date and time of the real clock.
double localNow();

// "DD.MM.YYYY" of a Monday.
double parseMonday(const std::string& text);

} // namespace kanavo::knvtool
