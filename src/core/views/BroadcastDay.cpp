#include "views/BroadcastDay.h"

#include "settings/DayStart.h"

namespace kanavo {

BroadcastDay broadcastDay(TDateTime now, std::string_view dayStart) {
    const DayAndTime parts = splitDateTime(now);
    const int weekday = dayOfWeek(static_cast<double>(parts.day));
    const bool early = parts.milliseconds < dayStartMinutes(dayStart) * 60000LL;
    if (early && weekday != 0) {
        return {weekday - 1, true};
    }
    return {weekday, false};
}

} // namespace kanavo
