#include "alarms/AlarmList.h"

#include "base/Cp1251.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace kanavo {
namespace {

constexpr std::size_t kShortStringLimit = 255;
constexpr long long kMillisecondsPerMinute = 60000;

TAlarmEntry& at(Settings& settings, int index) {
    return settings.Alarms[static_cast<std::size_t>(index)];
}
const TAlarmEntry& at(const Settings& settings, int index) {
    return settings.Alarms[static_cast<std::size_t>(index)];
}

} // namespace

int alarmCount(const Settings& settings) {
    return std::clamp(settings.AlarmCount, 0, AlarmCapacity);
}

void AlarmSort(Settings& settings) {
    for (int i = alarmCount(settings); i >= 2; --i) {
        if (at(settings, i).Time < at(settings, i - 1).Time) {
            at(settings, 0) = std::move(at(settings, i));
            at(settings, i) = std::move(at(settings, i - 1));
            at(settings, i - 1) = std::move(at(settings, 0));
        }
    }
}

bool AlarmDelete(Settings& settings, int index) {
    const int count = alarmCount(settings);
    if (index < 1 || index > count) {
        return false;
    }
    for (int i = index; i < count; ++i) {
        at(settings, i) = std::move(at(settings, i + 1));
    }
    settings.AlarmCount = count - 1;
    return true;
}

bool AlarmAdd(Settings& settings, TAlarmEntry entry) {
    const int count = alarmCount(settings);
    if (count >= AlarmCapacity) {
        return false;
    }
    settings.AlarmCount = count + 1;
    at(settings, settings.AlarmCount) = std::move(entry);
    return true;
}

void AlarmClear(Settings& settings) {
    settings.AlarmCount = 0;
}

int findAlarm(const Settings& settings, std::string_view canal, TDateTime time) {
    const int count = alarmCount(settings);
    for (int i = 1; i <= count; ++i) {
        if (at(settings, i).Time == time && at(settings, i).Canal == canal) {
            return i;
        }
    }
    return 0;
}

int findAlarmByDescription(const Settings& settings, TDateTime time, std::string_view description) {
    const int count = alarmCount(settings);
    for (int i = 1; i <= count; ++i) {
        if (at(settings, i).Time == time && at(settings, i).Description == description) {
            return i;
        }
    }
    return 0;
}

TDateTime alarmMoment(TDateTime time, int leadMinutes) {
    if (leadMinutes == 0) {
        return time;
    }
    const DayAndTime parts = splitDateTime(time);
    long long ms =
        parts.day * kMillisecondsPerDay + parts.milliseconds - leadMinutes * kMillisecondsPerMinute;
    // Floor division, so that a moment before midnight is the evening of the day before.
    long long day = ms / kMillisecondsPerDay;
    ms %= kMillisecondsPerDay;
    if (ms < 0) {
        ms += kMillisecondsPerDay;
        --day;
    }
    return joinDateTime(day, ms);
}

int dueAlarm(const Settings& settings, TDateTime now) {
    for (int i = alarmCount(settings); i >= 1; --i) {
        if (now > alarmMoment(at(settings, i).Time, settings.AlarmLead)) {
            return i;
        }
    }
    return 0;
}

HourMinute hourMinute(TDateTime moment) {
    const int minuteOfDay = static_cast<int>(splitDateTime(moment).milliseconds / kMillisecondsPerMinute);
    return {minuteOfDay / 60, minuteOfDay % 60};
}

DueResult takeDueAlarm(Settings& settings, TDateTime now) {
    DueResult result;
    result.index = dueAlarm(settings, now);
    if (result.index == 0) {
        return result;
    }
    if (!settings.AlarmOn) {
        AlarmDelete(settings, result.index);
        result.outcome = DueOutcome::DeletedSilently;
        return result;
    }
    TAlarmEntry& entry = at(settings, result.index);
    const HourMinute start = hourMinute(entry.Time);
    result.reminder = {std::move(entry.Canal),
                       std::move(entry.Description),
                       start.hour,
                       start.minute,
                       settings.AlarmSound ? settings.AlarmSoundFile : std::string(),
                       settings.AlarmSoundLoop};
    AlarmDelete(settings, result.index);
    result.outcome = DueOutcome::Remind;
    return result;
}

std::string alarmDeleteCaption(std::string_view lines1, TDateTime startTime, std::string_view lines4) {
    const HourMinute start = hourMinute(startTime);
    char time[16];
    std::snprintf(time, sizeof time, " %02d:%02d ", start.hour, start.minute);
    std::string caption = cp1251::fromUtf8("Удалить ").value();
    caption.append(lines1).append(time).append(lines4);
    caption.resize(std::min(caption.size(), kShortStringLimit));
    const std::size_t cut = lines1.size() + 60;
    if (caption.size() > cut) {
        caption.resize(cut);
        caption += "...";
        // The caption is a short string: what does not fit is lost, the dots included.
        caption.resize(std::min(caption.size(), kShortStringLimit));
    }
    return caption;
}

} // namespace kanavo
