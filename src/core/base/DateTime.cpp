#include "base/DateTime.h"

#include <cmath>
#include <cstdio>

namespace kanavo {
namespace {

// Days from 1970-01-01 to the civil date (proleptic Gregorian).
constexpr long daysFromCivil(int y, int m, int d) {
    y -= m <= 2 ? 1 : 0;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

CalendarDate civilFromDays(long z) {
    z += 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const long doe = z - era * 146097;
    const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long mp = (5 * doy + 2) / 153;
    const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const int y = static_cast<int>(yoe + era * 400 + (m <= 2 ? 1 : 0));
    return {y, m, d};
}

constexpr long kEpochOffset = daysFromCivil(1899, 12, 30);

int digitsValue(std::string_view text, std::size_t from, std::size_t count) {
    int value = 0;
    for (std::size_t i = from; i < from + count; ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return -1;
        }
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

} // namespace

bool isValidDate(int year, int month, int day) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1) {
        return false;
    }
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return day <= kDays[month - 1] + (month == 2 && leap ? 1 : 0);
}

TDateTime encodeDate(int year, int month, int day) {
    return static_cast<double>(daysFromCivil(year, month, day) - kEpochOffset);
}

std::optional<TDateTime> tryEncodeDate(int year, int month, int day) {
    if (!isValidDate(year, month, day)) {
        return std::nullopt;
    }
    return encodeDate(year, month, day);
}

CalendarDate decodeDate(TDateTime value) {
    return civilFromDays(static_cast<long>(std::floor(value)) + kEpochOffset);
}

double encodeTime(int hours, int minutes, int seconds, int milliseconds) {
    const long ms = ((hours * 60L + minutes) * 60L + seconds) * 1000L + milliseconds;
    return static_cast<double>(ms) / 86400000.0;
}

std::optional<TDateTime> parseDate(std::string_view text) {
    if (text.size() != 10 || text[2] != '.' || text[5] != '.') {
        return std::nullopt;
    }
    const int day = digitsValue(text, 0, 2);
    const int month = digitsValue(text, 3, 2);
    const int year = digitsValue(text, 6, 4);
    if (day < 0 || month < 0 || year < 0) {
        return std::nullopt;
    }
    return tryEncodeDate(year, month, day);
}

std::string formatDate(TDateTime value) {
    const CalendarDate date = decodeDate(value);
    char text[16];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d", date.day, date.month, date.year);
    return text;
}

DayAndTime splitDateTime(TDateTime value) {
    const double days = std::floor(value);
    DayAndTime parts{static_cast<long long>(days), std::llround((value - days) * 86400000.0)};
    if (parts.milliseconds >= kMillisecondsPerDay) {
        parts.milliseconds -= kMillisecondsPerDay;
        ++parts.day;
    }
    return parts;
}

TDateTime joinDateTime(long long day, long long milliseconds) {
    return static_cast<double>(day) + static_cast<double>(milliseconds) / 86400000.0;
}

int dayOfWeek(TDateTime value) {
    // Day 0, 30.12.1899, was a Saturday.
    const long long day = static_cast<long long>(std::floor(value));
    return static_cast<int>(((day + 5) % 7 + 7) % 7);
}

std::string formatDateTimeMinutes(TDateTime value) {
    const DayAndTime parts = splitDateTime(value);
    const int minuteOfDay = static_cast<int>(parts.milliseconds / 60000);
    char text[32];
    std::snprintf(text, sizeof text, "%s %02d:%02d", formatDate(static_cast<double>(parts.day)).c_str(),
                  minuteOfDay / 60, minuteOfDay % 60);
    return text;
}

std::optional<TDateTime> parseDateTime(std::string_view text) {
    // Reads one to `maxDigits` digits at `pos`; -1 when there is none.
    auto number = [&text](std::size_t& pos, std::size_t maxDigits) {
        int value = 0;
        std::size_t count = 0;
        while (pos < text.size() && count < maxDigits && text[pos] >= '0' && text[pos] <= '9') {
            value = value * 10 + (text[pos] - '0');
            ++pos;
            ++count;
        }
        return count == 0 ? -1 : value;
    };
    auto expect = [&text](std::size_t& pos, char c) {
        if (pos < text.size() && text[pos] == c) {
            ++pos;
            return true;
        }
        return false;
    };
    std::size_t pos = 0;
    const int day = number(pos, 2);
    if (day < 0 || !expect(pos, '.')) {
        return std::nullopt;
    }
    const int month = number(pos, 2);
    if (month < 0 || !expect(pos, '.')) {
        return std::nullopt;
    }
    const std::size_t yearStart = pos;
    const int year = number(pos, 4);
    if (year < 0 || pos - yearStart != 4) {
        return std::nullopt;
    }
    const std::optional<TDateTime> date = tryEncodeDate(year, month, day);
    if (!date) {
        return std::nullopt;
    }
    if (pos == text.size()) {
        return date;
    }
    if (!expect(pos, ' ')) {
        return std::nullopt;
    }
    const int hours = number(pos, 2);
    if (hours < 0 || !expect(pos, ':')) {
        return std::nullopt;
    }
    const int minutes = number(pos, 2);
    int seconds = 0;
    if (minutes >= 0 && expect(pos, ':')) {
        seconds = number(pos, 2);
    }
    if (minutes < 0 || seconds < 0 || pos != text.size() || hours > 23 || minutes > 59 || seconds > 59) {
        return std::nullopt;
    }
    return *date + encodeTime(hours, minutes, seconds);
}

} // namespace kanavo
