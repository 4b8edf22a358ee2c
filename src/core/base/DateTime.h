#pragma once
// TDateTime: a double counting days since 30.12.1899, local time, the fraction being the
// time of day; 0 means "no time". Every conversion between calendar values and this
// number goes through here, so that equal moments always compare equal.

#include <optional>
#include <string>
#include <string_view>

namespace kanavo {

using TDateTime = double;

struct CalendarDate {
    int year = 0;
    int month = 0;
    int day = 0;
    friend bool operator==(const CalendarDate&, const CalendarDate&) = default;
};

bool isValidDate(int year, int month, int day);
// Midnight of the date; the date must be valid (see tryEncodeDate).
TDateTime encodeDate(int year, int month, int day);
std::optional<TDateTime> tryEncodeDate(int year, int month, int day);
CalendarDate decodeDate(TDateTime value);

// The fraction of a day for a time of day (hours 0..23 and so on).
double encodeTime(int hours, int minutes, int seconds = 0, int milliseconds = 0);

// A moment as whole days and the milliseconds into the last of them, rounded to the
// millisecond (a rounding up to 86 400 000 carries into the next day).
struct DayAndTime {
    long long day = 0;
    long long milliseconds = 0;
};
inline constexpr long long kMillisecondsPerDay = 86400000LL;
DayAndTime splitDateTime(TDateTime value);
// day + milliseconds / 86 400 000, the one way a moment is put together from its parts.
TDateTime joinDateTime(long long day, long long milliseconds);
// The weekday of the value's date, Monday 0 .. Sunday 6.
int dayOfWeek(TDateTime value);

// "DD.MM.YYYY" exactly (two-digit day and month, four-digit year); nullopt otherwise.
std::optional<TDateTime> parseDate(std::string_view text);
// "dd.mm.yyyy" of the value's date.
std::string formatDate(TDateTime value);

// "dd.mm.yyyy hh:nn" of the value, the time rounded to the millisecond and then cut to
// the minute (seconds are dropped, 19:59:59.9999 is 20:00).
std::string formatDateTimeMinutes(TDateTime value);
// Day, month, four-digit year separated by points (one or two digits each for day and
// month), optionally followed by one blank and "h:n" or "h:n:s" (one or two digits each);
// nullopt for anything else or an impossible date or time. The value is
// encodeDate + encodeTime, so equal texts give equal values.
std::optional<TDateTime> parseDateTime(std::string_view text);

} // namespace kanavo
