#include "schedule/ScheduleText.h"

#include "base/Cp1251.h"
#include "base/Errors.h"

#include <charconv>

namespace kanavo {

ScheduleText::ScheduleText(std::string_view text) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && text[i] != '\0') {
        const std::size_t start = i;
        while (i < n && text[i] != '\0' && text[i] != '\r' && text[i] != '\n') {
            ++i;
        }
        m_lines.emplace_back(text.substr(start, i - start));
        if (i < n && text[i] == '\r') {
            ++i;
        }
        if (i < n && text[i] == '\n') {
            ++i;
        }
    }
    indexHeaders();
}

ScheduleText::ScheduleText(std::vector<std::string> lines) : m_lines(std::move(lines)) {
    indexHeaders();
}

void ScheduleText::indexHeaders() {
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        if (m_lines[i].starts_with('[')) {
            m_headers.try_emplace(cp1251::toLower(m_lines[i]), i);
        }
    }
}

std::size_t ScheduleText::findLine(std::string_view line) const {
    if (line.starts_with('[')) {
        const auto it = m_headers.find(cp1251::toLower(line));
        return it == m_headers.end() ? npos : it->second;
    }
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        if (cp1251::equalsIgnoreCase(m_lines[i], line)) {
            return i;
        }
    }
    return npos;
}

std::optional<ScheduleText::Section> ScheduleText::daySection(std::string_view channel, int day) const {
    const std::size_t header = findLine(dayHeader(channel, day));
    if (header == npos) {
        return std::nullopt;
    }
    Section section{header + 1, header + 1};
    while (section.end < m_lines.size() && !m_lines[section.end].starts_with('[')) {
        ++section.end;
    }
    return section;
}

std::string dayHeader(std::string_view channel, int day) {
    std::string header = "[";
    header += channel;
    header += std::to_string(day);
    header += ']';
    return header;
}

int entryType(std::string_view line) {
    if (line.empty()) {
        return -1;
    }
    const int type = static_cast<unsigned char>(line[0]) - 40;
    return type >= 0 && type < kProgrammeTypeCount ? type : -1;
}

std::optional<int> entryMinutes(std::string_view line) {
    if (line.size() < 6) {
        return std::nullopt;
    }
    const std::string_view t = line.substr(1, 5);
    auto digit = [&](std::size_t k) { return t[k] >= '0' && t[k] <= '9' ? t[k] - '0' : -1; };
    const int h1 = digit(0), h2 = digit(1), m1 = digit(3), m2 = digit(4);
    if (t[2] != ':' || h1 < 0 || h2 < 0 || m1 < 0 || m2 < 0) {
        return std::nullopt;
    }
    const int hours = h1 * 10 + h2;
    const int minutes = m1 * 10 + m2;
    if (hours > 23 || minutes > 59) {
        return std::nullopt;
    }
    return hours * 60 + minutes;
}

std::string_view entryTitle(std::string_view line) {
    return line.size() > 7 ? line.substr(7) : std::string_view();
}

std::vector<ScheduleEntry> sectionEntries(const ScheduleText& text, ScheduleText::Section section) {
    std::vector<ScheduleEntry> entries;
    forEachSectionEntry(text, section, [&entries](const ScheduleEntry& e) { entries.push_back(e); });
    return entries;
}

ChannelLine parseChannelLine(std::string_view line) {
    const std::size_t blank = line.find(' ');
    const std::string_view number = line.substr(0, blank);
    int value = 0;
    std::string_view digits = number;
    if (digits.starts_with('+')) {
        digits.remove_prefix(1);
    }
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() ||
        (number.starts_with('+') && digits.starts_with('-'))) {
        throw EConvertError(std::string(number));
    }
    return {value, blank == std::string_view::npos ? std::string() : std::string(line.substr(blank + 1))};
}

} // namespace kanavo
