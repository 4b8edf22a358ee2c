#pragma once
// What the reminder tests share: a settings object whose alarm list is filled from short
// descriptions, and moments of the week of Monday 07.12.2026.

#include "TestFiles.h"
#include "alarms/AlarmList.h"
#include "base/DateTime.h"
#include "settings/Settings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kanavo::test {

// December 2026, day `day`, hh:mm.
inline TDateTime at(int day, int hours, int minutes, int seconds = 0, int milliseconds = 0) {
    return encodeDate(2026, 12, day) + encodeTime(hours, minutes, seconds, milliseconds);
}

inline void addAlarm(Settings& settings, const char* channel, TDateTime time, const char* text = "x",
                     int type = 0) {
    ASSERT_TRUE(AlarmAdd(settings, {time, cp(channel), cp(text), static_cast<std::uint8_t>(type)}));
}

// "dd.mm.yyyy hh:nn" of every entry, in list order.
inline std::vector<std::string> alarmTimes(const Settings& settings) {
    std::vector<std::string> out;
    for (int i = 1; i <= alarmCount(settings); ++i) {
        out.push_back(formatDateTimeMinutes(settings.Alarms[static_cast<std::size_t>(i)].Time));
    }
    return out;
}

} // namespace kanavo::test
