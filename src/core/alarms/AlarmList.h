#pragma once
// The operations on the reminder list kept in Settings (entries 1 .. AlarmCount of
// Alarms). Entries have no key: they are found by value, times by exact equality of the
// stored numbers and texts exactly, case and all. A full list takes nothing more and
// never drops an entry to make room.

#include "alarms/AlarmEntry.h"
#include "base/DateTime.h"
#include "settings/Settings.h"

#include <string>
#include <string_view>

namespace kanavo {

// AlarmCount held to 0 .. AlarmCapacity, so a damaged count never reads past the table.
int alarmCount(const Settings& settings);

// One backward pass of adjacent exchanges from the end to entry 2, through slot 0, and
// no more: an entry appended to an ordered list lands after the entries of its time;
// after several appends only the earliest of them is sure to reach its place.
void AlarmSort(Settings& settings);

// Removes entry `index` (1 .. AlarmCount); the entries after it move down by one.
// False, changing nothing, for any other index.
bool AlarmDelete(Settings& settings, int index);

// Appends `entry` as the new last entry (unsorted: AlarmSort is the caller's next step);
// false when the list is full.
bool AlarmAdd(Settings& settings, TAlarmEntry entry);

void AlarmClear(Settings& settings);

// The first entry (1 .. AlarmCount) with this channel and time, 0 for none. This is how a
// bell mark and an auto-alarm duplicate are recognised.
int findAlarm(const Settings& settings, std::string_view canal, TDateTime time);
// The first entry with this time and programme text, 0 for none ("Удалить текущую").
int findAlarmByDescription(const Settings& settings, TDateTime time, std::string_view description);

// The moment the reminder of `entry` is due: its Time less `leadMinutes`, reckoned in
// whole milliseconds so that it comes out exact also across midnight.
TDateTime alarmMoment(TDateTime time, int leadMinutes);

// The due entry at `now`: scanning from AlarmCount down to 1, the first whose alarmMoment
// with AlarmLead lies strictly before `now`; 0 for none. Of several due at once the
// highest number comes first.
int dueAlarm(const Settings& settings, TDateTime now);

// What a reminder tells the person; copies, taken before the entry leaves the list.
struct Reminder {
    std::string Canal;       // Windows-1251
    std::string Description; // Windows-1251
    int hour = 0;            // of the programme's start, not of the reminder
    int minute = 0;
    std::string soundFile; // AlarmSoundFile with AlarmSound, else empty
    bool loopSound = false;
};

enum class DueOutcome {
    None,            // nothing due
    DeletedSilently, // due while AlarmOn is off: the entry is gone, nothing is shown
    Remind,          // the entry is gone; show `reminder`
};

struct DueResult {
    DueOutcome outcome = DueOutcome::None;
    int index = 0; // the number the entry had
    Reminder reminder;
};

// One tick's reminder step: takes at most one due entry out of the list (before anyone
// is told, so a tick nested in a modal window cannot fire it again) and says what to do.
DueResult takeDueAlarm(Settings& settings, TDateTime now);

// The hour and minute of a moment, as its clock shows them (rounded to the millisecond).
struct HourMinute {
    int hour = 0;
    int minute = 0;
};
HourMinute hourMinute(TDateTime moment);

// The caption of the alarm popup's delete command for a row: "Удалить " + lines1 +
// " HH:NN " + lines4, at most 255 characters, and when longer than lines1 + 60
// characters cut there with "..." after it (Windows-1251).
std::string alarmDeleteCaption(std::string_view lines1, TDateTime startTime, std::string_view lines4);

} // namespace kanavo
