#include "schedule/ProgrammeTime.h"

namespace kanavo {

TDateTime programmeTime(TDateTime base, int minutesOfDay, int dayOffset, int shiftHours) {
    DayAndTime parts = splitDateTime(base + encodeTime(0, minutesOfDay));
    parts.day += dayOffset;
    parts.milliseconds += shiftHours * 3600000LL;
    if (parts.milliseconds < 0) {
        // Same date on purpose: the midnight rule of the walk then dates it.
        parts.milliseconds += kMillisecondsPerDay;
    }
    return joinDateTime(parts.day, parts.milliseconds);
}

} // namespace kanavo
