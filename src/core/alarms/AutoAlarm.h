#pragma once
// The keyword auto-alarm (MenuAutoAlarmApplyClick): every programme from today to Sunday
// of the open week whose schedule line holds all the words of a keyword entry gets a
// reminder, unless it has begun or already has one.

#include "schedule/ScheduleText.h"
#include "schedule/WeekChannels.h"
#include "settings/Settings.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace kanavo {

// A keyword entry ready for matching: lower-cased by the code page's rule and split at
// single blanks into exactly ten parts. Words after the tenth are ignored; once the words
// run out, the first part repeats. Two blanks in a row or a leading blank give an empty
// part, and an entry with an empty part matches nothing (nor does an empty entry).
class KeywordEntry {
public:
    explicit KeywordEntry(std::string_view entry);

    const std::array<std::string, 10>& parts() const { return m_parts; }
    // `lowerLine` already lower-cased and cut to 255 characters.
    bool matches(std::string_view lowerLine) const;

private:
    std::array<std::string, 10> m_parts;
    bool m_usable = true;
};

struct AutoAlarmWeek {
    const ScheduleText* schedule = nullptr;
    TDateTime WeekStart = 0; // the Monday, a midnight
    const std::vector<WeekChannel>* channels = nullptr;
};

// Applies the keywords (AutoAlarmWords 1 .. AutoAlarmCount) to days d0 .. 6 of the week,
// d0 being today's weekday, channel by channel in menu order. A programme whose schedule
// line (the whole line, type code and time included) holds the words of an entry gets a
// reminder at the start the listing gives it: the channel's hour shift, and the date
// carried past midnight within its section. A section's closing line is no programme and
// gets none. Programmes that have begun by `now`, already have a reminder for that
// channel and time, have no programme type, or find the list full add nothing. One
// AlarmSort per section read. Returns how many entries were added.
int MenuAutoAlarmApplyClick(const AutoAlarmWeek& week, Settings& settings, TDateTime now);

} // namespace kanavo
