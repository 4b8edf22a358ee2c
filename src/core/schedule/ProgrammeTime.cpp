#include "schedule/ProgrammeTime.h"

namespace kanavo {

TDateTime programmeTime(TDateTime base, int minutesOfDay, int dayOffset, int shiftHours) {
    // Bases are midnights, whose sum with a time of day splits back exactly; anything else
    // takes the general way.
    DayAndTime parts = base == static_cast<double>(static_cast<long long>(base))
                           ? DayAndTime{static_cast<long long>(base), minutesOfDay * 60000LL}
                           : splitDateTime(base + encodeTime(0, minutesOfDay));
    parts.day += dayOffset;
    parts.milliseconds += shiftHours * 3600000LL;
    if (parts.milliseconds < 0) {
        // Same date on purpose: the midnight rule of the walk then dates it.
        parts.milliseconds += kMillisecondsPerDay;
    }
    return joinDateTime(parts.day, parts.milliseconds);
}

} // namespace kanavo
