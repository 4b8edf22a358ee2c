#pragma once
// A small open week for the composer and view-selection tests: schedule lines written in
// UTF-8, channels, settings and a clock the test sets. The week starts on Monday
// 07.12.2026.

#include "FixedClock.h"
#include "TestFiles.h"
#include "base/DateTime.h"
#include "views/ListingComposer.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace kanavo::test {

inline std::string utf8(const std::string& cp1251Text) {
    return cp1251::toUtf8(cp1251Text);
}

// A type code character: type + 40.
inline std::string entry(int type, const char* time, const char* title) {
    return std::string(1, static_cast<char>(40 + type)) + time + " " + title;
}

class ViewsFixture : public ::testing::Test {
protected:
    static constexpr int kMonday = 0;
    static constexpr int kWednesday = 2;

    ViewsFixture() { composer.setWeek({&schedule, weekStart, &channels}); }

    // Replaces the schedule with these lines (UTF-8).
    void setSchedule(std::initializer_list<std::string> lines) {
        std::vector<std::string> converted;
        for (const std::string& line : lines) {
            converted.push_back(cp(line));
        }
        schedule = ScheduleText(std::move(converted));
    }
    void setChannels(std::initializer_list<const char*> names) {
        channels.clear();
        int logo = 1;
        for (const char* name : names) {
            channels.push_back({cp(name), logo, logo - 1});
            ++logo;
        }
    }
    void setNow(int day, int month, int hours, int minutes) {
        clock.moment = encodeDate(2026, month, day) + encodeTime(hours, minutes);
    }
    void showChannel(const char* name, int logo) { state.channelButton.show(cp(name), logo); }
    void addAlarm(const char* channel, TDateTime time, const char* text, int type = 0) {
        TAlarmEntry& e = settings.Alarms[static_cast<std::size_t>(++settings.AlarmCount)];
        e = {time, cp(channel), cp(text), static_cast<std::uint8_t>(type)};
    }

    Listing compose(int mode) { return composer.WriteTV(mode, state); }

    // "dd.mm.yyyy hh:nn-dd.mm.yyyy hh:nn title" of a row (the title alone without times),
    // for compact expectations.
    static std::string describe(const ListingRow& row) {
        if (row.startTime == 0) {
            return utf8(row.lines4);
        }
        return formatDateTimeMinutes(row.startTime) + "-" + formatDateTimeMinutes(row.endTime) + " " +
               utf8(row.lines4);
    }
    static std::vector<std::string> describe(const Listing& listing) {
        std::vector<std::string> out;
        for (const ListingRow& row : listing.rows) {
            out.push_back(describe(row));
        }
        return out;
    }

    const TDateTime weekStart = encodeDate(2026, 12, 7);
    ScheduleText schedule;
    std::vector<WeekChannel> channels;
    Settings settings;
    FixedClock clock;
    ViewState state;
    // Column 1 measured as 7 pixels a character, plus 20 beside a logo.
    ListingComposer composer{settings, clock, [](std::string_view text, RowImages images) {
                                 return static_cast<int>(text.size()) * 7 +
                                        (images == RowImages::SmallCanal ? 20 : 0);
                             }};
};

} // namespace kanavo::test
