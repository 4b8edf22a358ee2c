#include "views/BroadcastDay.h"

namespace kanavo {
namespace {

int dayStartMinutes(std::string_view text) {
    auto digit = [&text](std::size_t i) { return text[i] >= '0' && text[i] <= '9' ? text[i] - '0' : -100; };
    if (text.size() == 5 && text[2] == ':') {
        const int hours = digit(0) * 10 + digit(1);
        const int minutes = digit(3) * 10 + digit(4);
        if (hours >= 0 && hours < 24 && minutes >= 0 && minutes < 60) {
            return hours * 60 + minutes;
        }
    }
    return 5 * 60;
}

} // namespace

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
