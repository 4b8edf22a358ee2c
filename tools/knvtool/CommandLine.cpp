#include "CommandLine.h"

#include "base/Cp1251.h"
#include "base/DateTime.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <ctime>
#include <fstream>
#include <iterator>

namespace kanavo::knvtool {

Arguments::Arguments(int argc, char** argv, std::vector<std::string> flags) {
    for (int i = 0; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.starts_with("--")) {
            if (std::find(flags.begin(), flags.end(), arg) != flags.end()) {
                m_flagsGiven.push_back(arg);
            } else if (i + 1 < argc) {
                m_options.emplace_back(arg, argv[++i]);
            } else {
                throw CommandError("option " + arg + " needs a value");
            }
        } else if (arg == "-o" && i + 1 < argc) {
            m_options.emplace_back(arg, argv[++i]);
        } else {
            m_positional.push_back(arg);
        }
    }
}

std::optional<std::string> Arguments::take(const std::string& option) {
    std::vector<std::string> all = takeAll(option);
    if (all.size() > 1) {
        throw CommandError("option " + option + " given more than once");
    }
    return all.empty() ? std::nullopt : std::optional<std::string>(all.front());
}

std::vector<std::string> Arguments::takeAll(const std::string& option) {
    std::vector<std::string> values;
    std::erase_if(m_options, [&](const auto& o) {
        if (o.first != option) {
            return false;
        }
        values.push_back(o.second);
        return true;
    });
    return values;
}

bool Arguments::takeFlag(const std::string& flag) {
    return std::erase(m_flagsGiven, flag) > 0;
}

std::vector<std::string> Arguments::positional(std::size_t count, const char* usage) {
    if (!m_options.empty()) {
        throw CommandError("unknown option " + m_options.front().first + "; usage: " + usage);
    }
    if (!m_flagsGiven.empty()) {
        throw CommandError("unknown option " + m_flagsGiven.front() + "; usage: " + usage);
    }
    if (m_positional.size() != count) {
        throw CommandError(std::string("usage: ") + usage);
    }
    return m_positional;
}

std::vector<std::uint8_t> readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw CommandError("cannot read " + path.string());
    }
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        throw CommandError("cannot read " + path.string());
    }
    return bytes;
}

void writeFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        throw CommandError("cannot write " + path.string());
    }
}

std::string toCp1251(const std::string& utf8, const std::string& what) {
    std::string bad;
    const auto text = cp1251::fromUtf8(utf8, &bad);
    if (!text) {
        throw CommandError(what + ": the character \"" + bad + "\" has no Windows-1251 form");
    }
    return *text;
}

int parseNumber(const std::string& text, const std::string& option, int minimum, int maximum) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < minimum ||
        value > maximum) {
        throw CommandError(option + " takes a number from " + std::to_string(minimum) + " to " +
                           std::to_string(maximum) + ", not " + text);
    }
    return value;
}

double parseMonday(const std::string& text) {
    const auto date = parseDate(text);
    if (!date) {
        throw CommandError("not a date in the form DD.MM.YYYY: " + text);
    }
    // Day 0 (30.12.1899) was a Saturday.
    const long weekday = (static_cast<long>(std::floor(*date)) % 7 + 7 + 5) % 7; // 0 = Monday
    if (weekday != 0) {
        throw CommandError("a week starts on a Monday; " + text + " is not one");
    }
    return *date;
}

double localNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return encodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday) +
           encodeTime(local.tm_hour, local.tm_min, local.tm_sec);
}

} // namespace kanavo::knvtool
