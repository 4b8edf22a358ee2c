#pragma once
// The schedule text of a week (the "KNV" stream) as lines, with the lookups every reader
// of it shares: whole-line case-insensitive search, day sections, channel lines and the
// fields of an entry line.
//
// A day section is a header line "[" + channel + day digit + "]" followed by entry lines
// up to the next line that begins with "[". An entry line is a type code character
// (type = code - 40, 0..14), the start time "HH:MM" at characters 2..6, one free
// character, and the title from character 8. A programme ends where the next line starts;
// the section's last line only closes the day.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kanavo {

inline constexpr int kProgrammeTypeCount = 15;
inline constexpr std::string_view kCanalsLine = "[CANALS]";
inline constexpr std::string_view kCanalsEndLine = "[CANALS_END]";

class ScheduleText {
public:
    static constexpr std::size_t npos = static_cast<std::size_t>(-1);

    ScheduleText() = default;
    // Splits at CR LF, lone CR and lone LF; a NUL byte ends the text.
    explicit ScheduleText(std::string_view text);
    explicit ScheduleText(std::vector<std::string> lines);

    const std::vector<std::string>& lines() const { return m_lines; }
    std::size_t size() const { return m_lines.size(); }
    const std::string& operator[](std::size_t index) const { return m_lines[index]; }

    // The index of the first line equal to `line` without regard to case, or npos.
    std::size_t findLine(std::string_view line) const;

    // The entry lines of a channel's day (0 = Monday): from the line after the first
    // matching header up to the next line beginning with "[", or to the end of the text
    // when none follows. nullopt when there is no such header.
    struct Section {
        std::size_t first = 0;
        std::size_t end = 0;
    };
    std::optional<Section> daySection(std::string_view channel, int day) const;

private:
    void indexHeaders();

    std::vector<std::string> m_lines;
    // Lower-cased lines that begin with "[" and where each first stands: a whole-line
    // lookup of a header costs one hash instead of a pass over the text.
    std::unordered_map<std::string, std::size_t> m_headers;
};

std::string dayHeader(std::string_view channel, int day);

// The programme type of an entry line: 0..14, or -1 when the code gives none.
int entryType(std::string_view line);
// The start time (characters 2..6, "HH:MM") in minutes after midnight; nullopt when it
// is not a valid time of day.
std::optional<int> entryMinutes(std::string_view line);
// Characters 8 to the end; empty for a shorter line.
std::string_view entryTitle(std::string_view line);

// One programme of a day section: its line, type (-1 for none) and start and end in
// minutes of their time of day.
struct ScheduleEntry {
    std::size_t line = 0;
    int type = -1;
    int startMinutes = 0;
    int endMinutes = 0;
    std::string_view title;
};

// Calls `visit` with each programme of a section in order. Each line's end is the next
// line's start; a line whose own or next time is invalid is skipped, so the section's
// closing line and empty lines are never programmes.
template <typename Visit>
void forEachSectionEntry(const ScheduleText& text, ScheduleText::Section section, Visit&& visit) {
    auto nextLine = [&](std::size_t from) {
        while (from < section.end && text[from].empty()) {
            ++from;
        }
        return from;
    };
    std::size_t i = nextLine(section.first);
    std::optional<int> start = i < section.end ? entryMinutes(text[i]) : std::nullopt;
    while (i < section.end) {
        const std::size_t next = nextLine(i + 1);
        if (next >= section.end) {
            break; // line i closes the day
        }
        const std::optional<int> end = entryMinutes(text[next]);
        if (start && end) {
            visit(ScheduleEntry{i, entryType(text[i]), *start, *end, entryTitle(text[i])});
        }
        i = next;
        start = end;
    }
}

// The same programmes as a list.
std::vector<ScheduleEntry> sectionEntries(const ScheduleText& text, ScheduleText::Section section);

struct ChannelLine {
    int number = 0;
    std::string name;
};

// "N name": the number before the first blank and the name after it. Throws
// EConvertError with the number part when it is not a decimal integer.
ChannelLine parseChannelLine(std::string_view line);

} // namespace kanavo
