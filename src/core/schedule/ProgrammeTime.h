#pragma once
// The moment a schedule line names. Every place that dates a programme (the listings,
// the reminders set from them, the auto-alarm) goes through this one function, because
// reminders are found again by exact equality of these values.

#include "base/DateTime.h"

namespace kanavo {

// The time of day `minutesOfDay` on the date `base` (a midnight) moved by `dayOffset`
// days, then by `shiftHours` hours. A shift that takes an early time below midnight
// wraps to the late evening of the same date; one that takes a late time past midnight
// lands on the next date.
TDateTime programmeTime(TDateTime base, int minutesOfDay, int dayOffset, int shiftHours);

} // namespace kanavo
